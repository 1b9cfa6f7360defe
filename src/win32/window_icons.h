#pragma once
// The program's icon as a window shows it: the large and the small image at the sizes the system
// asks for at the window's dpi, loaded from the icon file again when the window moves to a
// monitor of another dpi.
#include <windows.h>

#include <string>
#include <string_view>

#include "win32/handles.h"

namespace Lmr::win32 {

// The image of the icon file made for `size` pixels square, else the next larger one scaled down
// (else the nearest scaled); empty when the file cannot be read as an icon.
Icon loadIconFile(const std::wstring& file, int size);
// `icon`, or the system's application icon where there is none.
HICON orSystemIcon(const Icon& icon);

class WindowIcons {
 public:
  // `window` shows the images of `file` at the sizes for `dpi`.
  void show(HWND window, std::wstring_view file, int dpi);
  // The same file at the sizes for another dpi; nothing before the first show.
  void followDpi(HWND window, int dpi);
  const std::wstring& file() const { return file_; }

 private:
  std::wstring file_;
  Icon large_, small_;  // empty where the file could not be read
};

}  // namespace Lmr::win32
