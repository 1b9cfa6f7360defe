#include "app/process_entry.h"

#include "app/command_line.h"
#include "app/lumarin.h"

namespace Lmr {

int runProcess(std::span<const std::wstring> args, Platform& platform) {
  switch (startActionFor(args)) {
    case StartAction::SilentInstall:
      return 0;
    case StartAction::Uninstall:
      platform.settings.deleteSettings();
      return 0;
    case StartAction::Run:
      break;
  }
  Lumarin lumarin(platform);
  if (!lumarin.startedUp()) return 0;
  if (!lumarin.Lumarin_Load()) return 0;
  platform.window.show();
  platform.window.runMessageLoop();
  return 0;
}

}  // namespace Lmr
