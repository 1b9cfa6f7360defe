#pragma once
// What the program's behaviour asks of the platform, one port per service. The Windows layer
// implements them; the unit tests give fakes.
#include "app/ports/clipboard_port.h"
#include "app/ports/colour_chooser_port.h"
#include "app/ports/history_dialog_port.h"
#include "app/ports/magnifier_port.h"
#include "app/ports/main_window_port.h"
#include "app/ports/mouse_monitor_port.h"
#include "app/ports/options_dialog_port.h"
#include "app/ports/process_port.h"
#include "app/ports/screen_port.h"
#include "app/ports/settings_port.h"
#include "app/ports/snapshot_port.h"
#include "app/ports/tray_port.h"

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
};

}  // namespace Lmr
