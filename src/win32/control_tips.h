#pragma once
// The tooltips of a window's controls: one common-controls tooltip window that the controls'
// mouse messages are handed to, so that it shows a control's text after the system's delay.
#include <windows.h>

#include <string_view>

namespace Lmr::win32 {

class ControlTips {
 public:
  // A tooltip window owned by `owner` (it goes with it); texts wrap at `maxWidth` pixels.
  void create(HWND owner, int maxWidth);
  void add(HWND control, std::wstring_view text);
  void setMaxWidth(int maxWidth);
  // The tips draw in `font`, which the owner keeps while they use it.
  void setFont(HFONT font);
  // A mouse message of a control, as its window procedure gets it.
  void relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  // Off: the tip showing goes away and none shows until they are on again.
  void setActive(bool on);

 private:
  HWND tooltip_ = nullptr;
  HWND owner_ = nullptr;
  bool active_ = true;
};

}  // namespace Lmr::win32
