#include "app/window_life.h"

namespace Lmr {
namespace {

constexpr int closeWhilePickingWaitMs = 250;
// At sign-in the shell may not have its tray ready when the program starts: the icon is asked for
// again every two seconds for two minutes, then the window shows itself.
constexpr std::uint32_t trayRetryPeriodMs = 2000;
constexpr int trayRetries = 60;

std::uint16_t lowWord(std::uintptr_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }

}  // namespace

WindowLife::WindowLife(MainWindowPort& window, TrayPort& tray, ProcessPort& process, MouseMonitorPort& mouse,
                       const ReadyFlag& ready, Options& opt_frm, PickMode& pickMode, Magnifier& magnifier)
    : window_(window),
      tray_(tray),
      process_(process),
      mouse_(mouse),
      ready_(ready),
      opt_frm_(opt_frm),
      pickMode_(pickMode),
      magnifier_(magnifier),
      pickRequest_(process.pickRequestMessage()) {}

void WindowLife::initTrayIcon() {
  addTrayIcon();
  trayRestarted_ = tray_.trayRestartedMessage();
}

void WindowLife::WndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (message) {
    case paintMessage: magnifier_.paintLastView(); return;
    case commandMessage: trayMenuCommand(lowWord(wParam)); return;
    case timerMessage:
      if (trayRetryTimer_ != 0 && wParam == trayRetryTimer_) retryTrayIcon();
      else pickMode_.updatePickPreviewWrapper();
      return;
    case trayCallbackMessage: trayIconInput(lParam); return;
    default: break;
  }
  if (pickRequest_ != 0 && message == pickRequest_) pickOnRequest();
  // A tray that restarts has forgotten its icons: without ours, a hidden program could only be
  // reached by starting it again.
  if (trayRestarted_ != 0 && message == trayRestarted_ && ready_.bInitialized) addTrayIcon();
}

void WindowLife::pickOnRequest() {
  if (ready_.bInitialized && !pickMode_.is_picking()) pickMode_.togglePicking();
}

// A program started hidden must never be left with neither window nor icon.
void WindowLife::addTrayIcon() {
  if (tray_.addIcon()) {
    stopTrayRetries();
  } else if (trayRetryTimer_ == 0) {
    trayRetriesLeft_ = trayRetries;
    trayRetryTimer_ = window_.startTimer(WindowTimer::trayRetry, trayRetryPeriodMs);
  }
}

void WindowLife::retryTrayIcon() {
  if (tray_.addIcon()) {
    stopTrayRetries();
  } else if (--trayRetriesLeft_ <= 0) {
    stopTrayRetries();
    if (!window_.isShown()) window_.restore();
  }
}

void WindowLife::stopTrayRetries() {
  if (trayRetryTimer_ == 0) return;
  window_.stopTimer(trayRetryTimer_);
  trayRetryTimer_ = 0;
}

void WindowLife::trayMenuCommand(std::uint16_t command) {
  switch (command) {
    case showCommand:
      window_.restore();
      window_.activate();
      return;
    case pickCommand: pickMode_.togglePicking(); return;
    case optionsCommand:
      if (!opt_frm_.visible()) opt_frm_.showModal();
      opt_frm_.focus();
      return;
    case exitCommand:
      // Not a close: the closing handler does not run.
      tray_.removeIcon();
      process_.quit();
      return;
    default: return;
  }
}

// A double click acts only through its first press.
void WindowLife::trayIconInput(std::intptr_t mouseMessage) {
  if (mouseMessage == rightButtonPressed) {
    tray_.openMenu(trayMenuItems());
  } else if (mouseMessage == leftButtonPressed) {
    window_.restore();
    window_.activate();
    window_.bringToForeground();
  }
}

bool WindowLife::Lumarin_FormClosing(CloseReason reason) {
  switch (closeOutcomeFor(ready_.bInitialized, reason, opt_frm_.isOn(Setting::close_btn_minimizes),
                          opt_frm_.isOn(Setting::minimize_tray))) {
    case CloseOutcome::Hide: window_.hide(); return true;
    case CloseOutcome::Minimize: window_.minimize(); return true;
    case CloseOutcome::CloseWithoutShutdownSteps: return false;
    case CloseOutcome::Close: break;
  }
  if (pickMode_.dropForClose()) process_.sleepFor(closeWhilePickingWaitMs);
  mouse_.end();
  tray_.removeIcon();
  return false;
}

void WindowLife::Lumarin_Resize() {
  if (ready_.bInitialized && opt_frm_.isOn(Setting::minimize_tray) && window_.clientWidth() == 0) window_.hide();
}

void WindowLife::options_btn_Click() {
  if (!ready_.bInitialized) return;
  opt_frm_.showModal();
  magnifier_.paintLastView();
}

// The monitor is stopped and the tray icon removed first, or the icon would stay behind in the
// tray.
void WindowLife::quitFromSnapshot() {
  mouse_.end();
  tray_.removeIcon();
  process_.quit();
}

}  // namespace Lmr
