// How the main window shows itself: shown, restored, hidden, minimised, active, in front, always
// on top; how it closes; and the timer that drives pick mode.
#include "win32/control_ids.h"
#include "win32/main_window.h"

namespace Lmr::win32 {

void MainWindow::setTopmost(bool topmost) {
  SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int MainWindow::pickZoomWidth() { return geometry_.boxes[controlIndex(ui::ControlId::pick_zoom)].width; }

void MainWindow::show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

// Also shows a hidden window.
void MainWindow::restore() { ShowWindow(window_, SW_RESTORE); }

void MainWindow::hide() { ShowWindow(window_, SW_HIDE); }

void MainWindow::minimize() { ShowWindow(window_, SW_MINIMIZE); }

int MainWindow::clientWidth() {
  RECT client{};
  GetClientRect(window_, &client);
  return client.right - client.left;
}

// A close the user asked for goes through WM_SYSCOMMAND first; any other WM_CLOSE comes from
// another program (a task manager, say). Unless the program keeps the window, it is destroyed,
// which ends the message loop.
void MainWindow::requestClose() {
  const CloseReason reason = closingByUser_ ? CloseReason::UserClosing : CloseReason::TaskManagerClosing;
  closingByUser_ = false;
  if (handlers_ && handlers_->Lumarin_FormClosing(reason)) return;
  DestroyWindow(window_);
}

// The session ends: the program goes whatever the settings say.
void MainWindow::endSession() {
  if (handlers_) handlers_->Lumarin_FormClosing(CloseReason::WindowsShutDown);
  DestroyWindow(window_);
}

void MainWindow::activate() { SetActiveWindow(window_); }

void MainWindow::bringToForeground() { SetForegroundWindow(GetAncestor(window_, GA_ROOT)); }

// Each timer by its own identifier, never 0: with 0, what SetTimer returns is not the timer's own
// identifier everywhere, and a KillTimer with that value would leave the timer running.
std::uint32_t MainWindow::startTimer(WindowTimer timer, std::uint32_t periodMs) {
  return static_cast<std::uint32_t>(SetTimer(window_, static_cast<UINT_PTR>(timer), periodMs, nullptr));
}

void MainWindow::stopTimer(std::uint32_t timerId) { KillTimer(window_, timerId); }

Rect32 MainWindow::windowRect() {
  RECT frame{};
  GetWindowRect(window_, &frame);
  return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace Lmr::win32
