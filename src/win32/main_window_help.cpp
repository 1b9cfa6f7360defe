// The main window's tooltips and what it tells a screen reader, in the words of the program's
// table of control help.
#include "win32/main_window.h"

#include "ui/control_help.h"

namespace Lmr::win32 {

// Wide enough for the longest tip in three lines.
constexpr int tipWidth = 450;

void MainWindow::addTooltips() {
  tips_.create(window_, ui::scaleToDpi(tipWidth, dpi_));
  tips_.setFont(dialogFont_.get());
  for (const auto& help : ui::controlHelpTable()) tips_.add(control(help.id), help.tooltip);
}

// The tips draw in the controls' font and wrap at the same width in design units on every monitor.
void MainWindow::scaleTooltips() {
  tips_.setFont(dialogFont_.get());
  tips_.setMaxWidth(ui::scaleToDpi(tipWidth, dpi_));
}

void MainWindow::showTooltips(bool on) { tips_.setActive(on); }

// Where the system can tell that nobody listens (not under Wine, which always answers yes), not
// even the event is raised.
void MainWindow::announceValueChange(ui::ControlId id) {
  if (IsWinEventHookInstalled(EVENT_OBJECT_VALUECHANGE))
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control(id), OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace Lmr::win32
