#pragma once
// The band of the main window in which the magnifier does not update, so that the view does not
// magnify the program itself while the pointer crosses its window.
#include <cstdint>

#include "pick/view_geometry.h"

namespace Lmr {

inline constexpr std::int32_t windowBandTopOffset = 31;
inline constexpr std::int32_t windowBandHeight = 290;

// The main window's rectangle (screen coordinates) with its top moved down by 31 and 290 tall.
Rect32 windowBand(const Rect32& window);

// Left and top edges inclusive, right and bottom exclusive.
bool containsPoint(const Rect32& rect, Point32 point);

bool isInWindowBand(const Rect32& window, Point32 point);

}  // namespace Lmr
