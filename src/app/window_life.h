#pragma once
// The main window's life: its message procedure, the tray icon and its menu, the options button,
// minimising and closing, and the ways the program ends.
#include <cstdint>

#include "app/options.h"
#include "app/window_life_rules.h"
#include "pick/magnifier.h"
#include "pick/pick_mode.h"
#include "ports/main_window_port.h"
#include "ports/mouse_monitor_port.h"
#include "ports/process_port.h"
#include "ports/ready_flag.h"
#include "ports/tray_port.h"

namespace Lmr {

class WindowLife {
 public:
  // The tray menu toggles pick mode and opens the options; a paint redraws the magnifier's last
  // view; a real close stops the monitor and removes the tray icon.
  WindowLife(MainWindowPort& window, TrayPort& tray, ProcessPort& process, MouseMonitorPort& mouse,
             const ReadyFlag& ready, Options& opt_frm, PickMode& pickMode, Magnifier& magnifier);
  WindowLife(const WindowLife&) = delete;
  WindowLife& operator=(const WindowLife&) = delete;

  void initTrayIcon();
  void WndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  // True when the close is cancelled (the window is hidden or minimised instead).
  bool Lumarin_FormClosing(CloseReason reason);
  void Lumarin_Resize();
  void options_btn_Click();
  // Escape in the snapshot window: the program ends.
  void quitFromSnapshot();
  // Pick mode asked for from outside the window ("--pick"): started as the tray menu starts it,
  // unless it is on already.
  void pickOnRequest();

 private:
  void trayMenuCommand(std::uint16_t command);
  void trayIconInput(std::intptr_t mouseMessage);
  void addTrayIcon();
  void retryTrayIcon();
  void stopTrayRetries();

  MainWindowPort& window_;
  TrayPort& tray_;
  ProcessPort& process_;
  MouseMonitorPort& mouse_;
  const ReadyFlag& ready_;
  Options& opt_frm_;
  PickMode& pickMode_;
  Magnifier& magnifier_;
  std::uint32_t trayRestarted_ = 0;  // the message of a restarted tray
  std::uint32_t pickRequest_ = 0;    // the message of a later start asking for pick mode
  std::uint32_t trayRetryTimer_ = 0;  // running while the tray has not taken the icon
  int trayRetriesLeft_ = 0;
};

}  // namespace Lmr
