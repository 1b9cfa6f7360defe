// The main window's life: its message dispatch, the tray icon and its menu, minimising and
// closing, and the ways the program ends.
#include "app/lumarin.h"

namespace Lmr {
namespace {

constexpr int closeWhilePickingWaitMs = 250;

std::uint16_t lowWord(std::uintptr_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }

}  // namespace

void Lumarin::initTrayIcon() {
  platform_.tray.addIcon();
  trayRestarted_ = platform_.tray.trayRestartedMessage();
}

void Lumarin::WndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (message) {
    case paintMessage: paintLastView(); return;
    case commandMessage: trayMenuCommand(lowWord(wParam)); return;
    case timerMessage: updatePickPreviewWrapper(); return;
    case trayCallbackMessage: trayIconInput(lParam); return;
    default: break;
  }
  // A tray that restarts has forgotten its icons: without ours, a hidden program could only be
  // reached by starting it again.
  if (trayRestarted_ != 0 && message == trayRestarted_ && bInitialized) platform_.tray.addIcon();
}

void Lumarin::trayMenuCommand(std::uint16_t command) {
  MainWindowPort& window = platform_.window;
  switch (command) {
    case showCommand:
      window.restore();
      window.activate();
      return;
    case pickCommand: togglePicking(); return;
    case optionsCommand:
      if (!opt_frm) return;
      if (!opt_frm->visible()) opt_frm->showModal();
      opt_frm->focus();
      return;
    case exitCommand:
      // Not a close: the closing handler does not run.
      platform_.tray.removeIcon();
      platform_.process.quit();
      return;
    default: return;
  }
}

// A double click acts only through its first press.
void Lumarin::trayIconInput(std::intptr_t mouseMessage) {
  MainWindowPort& window = platform_.window;
  if (mouseMessage == rightButtonPressed) {
    platform_.tray.openMenu(trayMenuItems());
  } else if (mouseMessage == leftButtonPressed) {
    window.restore();
    window.activate();
    window.bringToForeground();
  }
}

bool Lumarin::Lumarin_FormClosing(CloseReason reason) {
  switch (closeOutcomeFor(bInitialized, reason, settingOn(Setting::close_btn_minimizes),
                          settingOn(Setting::minimize_tray))) {
    case CloseOutcome::Hide: platform_.window.hide(); return true;
    case CloseOutcome::Minimize: platform_.window.minimize(); return true;
    case CloseOutcome::CloseWithoutShutdownSteps: return false;
    case CloseOutcome::Close: break;
  }
  if (is_picking) {
    is_picking = false;
    platform_.process.sleepFor(closeWhilePickingWaitMs);
  }
  platform_.mouse.end();
  platform_.tray.removeIcon();
  return false;
}

void Lumarin::Lumarin_Resize() {
  if (bInitialized && settingOn(Setting::minimize_tray) && platform_.window.clientWidth() == 0)
    platform_.window.hide();
}

}  // namespace Lmr
