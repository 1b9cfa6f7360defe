#pragma once
// Picking from a frozen screenshot: the screen is captured at the start of pick mode and shown in
// a window over every monitor, which is what the magnifier then samples.
#include <cstdint>

#include "ports/process_port.h"
#include "ports/snapshot_port.h"

namespace Lmr {

class Snapshot {
 public:
  Snapshot(SnapshotPort& window, ProcessPort& process) : window_(window), process_(process) {}
  Snapshot(const Snapshot&) = delete;
  Snapshot& operator=(const Snapshot&) = delete;

  void initScreenshotPreviewWindow();
  void freezeScreen();
  void hideScreenshot();

 private:
  SnapshotPort& window_;
  ProcessPort& process_;
  bool pick_from_wnd_created = false;
};

// What each of the snapshot window's messages comes to.
enum class SnapshotMessage {
  Default,     // the window system's own handling
  Ignore,      // handled, nothing to do
  Repaint,     // draw the frozen picture again
  Quit,        // Escape in the snapshot window: the program ends
  EndPicking,  // a left or right press on the picture: the pick
};

SnapshotMessage snapshotMessageAction(std::uint32_t message, std::uintptr_t wParam);

}  // namespace Lmr
