#include "app/process_entry.h"

#include "app/command_line.h"
#include "app/lumarin.h"

namespace Lmr {

int runProcess(std::span<const std::wstring> args, Platform& platform) {
  const StartAction action = startActionFor(args);
  switch (action) {
    case StartAction::SilentInstall:
      return 0;
    case StartAction::Uninstall:
      platform.settings.deleteSettings();
      return 0;
    case StartAction::Run:
    case StartAction::Tray:
    case StartAction::Pick:
      break;
  }
  Lumarin lumarin(platform, action);
  if (!lumarin.startedUp()) return 0;
  if (!lumarin.Lumarin_Load()) return 0;
  // Started at sign-in, the program waits in the tray; the icon, its menu or a second start bring
  // the window.
  if (action != StartAction::Tray) platform.window.show();
  if (action == StartAction::Pick) lumarin.pickOnRequest();
  platform.window.runMessageLoop();
  return 0;
}

}  // namespace Lmr
