#include "win32/system_colours.h"

namespace Lmr::win32 {

void spreadColourChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOLORCHANGE) {
    MSG change{nullptr, message, wParam, lParam, 0, {}};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM news) {
          const auto& told = *reinterpret_cast<const MSG*>(news);
          SendMessageW(child, told.message, told.wParam, told.lParam);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&change));
  }
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace Lmr::win32
