#pragma once
// What the program's behaviour asks of the platform, one port per service. The Windows layer
// implements them; the unit tests give fakes.
#include "ports/clipboard_port.h"
#include "ports/colour_chooser_port.h"
#include "ports/history_dialog_port.h"
#include "ports/magnifier_port.h"
#include "ports/main_window_port.h"
#include "ports/monitor_profile_port.h"
#include "ports/mouse_monitor_port.h"
#include "ports/options_dialog_port.h"
#include "ports/process_port.h"
#include "ports/screen_port.h"
#include "ports/settings_port.h"
#include "ports/snapshot_port.h"
#include "ports/tray_port.h"

namespace Lmr {

struct Platform {
  ProcessPort& process;
  SettingsPort& settings;
  MouseMonitorPort& mouse;
  MainWindowPort& window;
  MagnifierPort& magnifier;
  ClipboardPort& clipboard;
  ColourChooserPort& colourChooser;
  OptionsDialogPort& optionsDialog;
  ScreenPort& screen;
  HistoryDialogPort& historyDialog;
  TrayPort& tray;
  SnapshotPort& snapshot;
  MonitorProfilePort& monitorProfiles;
};

}  // namespace Lmr
