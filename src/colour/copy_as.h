#pragma once
// "Copy as": the menu that a right-click on the current colour opens, and what a choice in it
// copies. A colour from the screen goes through the profile of the monitor it was picked on.
#include "colour/copy_as_menu.h"
#include "colour/monitor_profiles.h"
#include "colour/readouts.h"
#include "ports/clipboard_port.h"
#include "ports/main_window_port.h"
#include "ports/monitor_profile_port.h"

namespace Lmr {

class CopyAs {
 public:
  CopyAs(MainWindowPort& window, ClipboardPort& clipboard, MonitorProfilePort& profileFiles, const Readouts& readouts);
  CopyAs(const CopyAs&) = delete;
  CopyAs& operator=(const CopyAs&) = delete;

  // Opens the menu for the current colour at `at`; the text of the item chosen goes on the
  // clipboard.
  void copyAsMenuRequested(Point32 at);

 private:
  CopyAsMenu menuForCurrentColour();

  MainWindowPort& window_;
  ClipboardPort& clipboard_;
  MonitorProfiles profiles_;
  const Readouts& readouts_;
};

}  // namespace Lmr
