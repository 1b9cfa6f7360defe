#include "app/window_life_rules.h"

#include <array>

namespace Lmr {

std::span<const TrayMenuItem> trayMenuItems() {
  static constexpr std::array<TrayMenuItem, 4> items{{
      {L"Show Lumarin", showCommand},
      {L"Pick Color...", pickCommand},
      {L"Options and About", optionsCommand},
      {L"Exit", exitCommand},
  }};
  return items;
}

// Only the user's own close may become a hide or a minimise; a shutdown, a task manager or any
// other reason always closes.
CloseOutcome closeOutcomeFor(bool ready, CloseReason reason, bool closeButtonMinimizes, bool minimizeToTray) {
  if (!ready) return CloseOutcome::CloseWithoutShutdownSteps;
  if (closeButtonMinimizes && reason == CloseReason::UserClosing)
    return minimizeToTray ? CloseOutcome::Hide : CloseOutcome::Minimize;
  return CloseOutcome::Close;
}

}  // namespace Lmr
