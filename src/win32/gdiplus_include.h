#pragma once
// GDI+ headers expect min and max, which NOMINMAX keeps out of <windows.h>.
#include <windows.h>

#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "win32/handles.h"

namespace Lmr::win32 {

struct GdiplusImageTraits { static void release(Gdiplus::GpImage* image) { Gdiplus::DllExports::GdipDisposeImage(image); } };
using GdiplusBitmap = Owned<Gdiplus::GpBitmap*, GdiplusImageTraits>;

}  // namespace Lmr::win32
