// How the main window shows itself: shown, restored, active, in front, always on top, and the
// timer that drives pick mode.
#include "win32/control_ids.h"
#include "win32/main_window.h"

namespace Lmr::win32 {
namespace {

// The window's one timer. Not identifier 0: with 0, what SetTimer returns is not the timer's own
// identifier everywhere, and a KillTimer with that value would leave the timer running.
constexpr UINT_PTR pickTimerId = 1;

}  // namespace

void MainWindow::setTopmost(bool topmost) {
  SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int MainWindow::pickZoomWidth() { return boxes_[controlIndex(ui::ControlId::pick_zoom)].width; }

void MainWindow::show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

// Also shows a hidden window.
void MainWindow::restore() { ShowWindow(window_, SW_RESTORE); }

void MainWindow::activate() { SetActiveWindow(window_); }

void MainWindow::bringToForeground() { SetForegroundWindow(GetAncestor(window_, GA_ROOT)); }

std::uint32_t MainWindow::startTimer(std::uint32_t periodMs) {
  return static_cast<std::uint32_t>(SetTimer(window_, pickTimerId, periodMs, nullptr));
}

void MainWindow::stopTimer(std::uint32_t timerId) { KillTimer(window_, timerId); }

Rect32 MainWindow::windowRect() {
  RECT frame{};
  GetWindowRect(window_, &frame);
  return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace Lmr::win32
