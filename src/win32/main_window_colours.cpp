// The main window in the system's colours, also after the user changes them while it runs.
#include "win32/main_window.h"
#include "win32/system_colours.h"

namespace Lmr::win32 {

// The strength field's background; the window's own face and the labels' come from the system's
// brushes, which follow a change by themselves.
void MainWindow::makeFaceBrush() { faceBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE))); }

void MainWindow::systemColoursChanged(UINT message, WPARAM wParam, LPARAM lParam) {
  makeFaceBrush();
  spreadColourChange(window_, message, wParam, lParam);
}

}  // namespace Lmr::win32
