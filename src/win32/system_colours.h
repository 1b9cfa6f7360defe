#pragma once
// The system's colours and visual style can change while the program runs (a high-contrast theme
// switched on, another style chosen). The system tells the top-level windows; each passes the news
// on to the windows inside it and repaints itself in the new colours.
#include <windows.h>

namespace Lmr::win32 {

// For WM_SYSCOLORCHANGE and WM_THEMECHANGED, once the window has made again what it made from
// the old colours. The children hear of a colour change (the common controls need it); a change
// of style reaches every window from the system itself.
void spreadColourChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace Lmr::win32
