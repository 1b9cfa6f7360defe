#pragma once
// The snapshot window's messages: what each one comes to.
#include <cstdint>

namespace Lmr {

enum class SnapshotMessage {
  Default,     // the window system's own handling
  Ignore,      // handled, nothing to do
  Repaint,     // draw the frozen picture again
  Quit,        // Escape in the snapshot window: the program ends
  EndPicking,  // a left or right press on the picture: the pick
};

SnapshotMessage snapshotMessageAction(std::uint32_t message, std::uintptr_t wParam);

}  // namespace Lmr
