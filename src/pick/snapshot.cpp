#include "pick/snapshot.h"

#include "ports/window_messages.h"

namespace Lmr {
namespace {

constexpr std::uintptr_t escapeKey = 27;
constexpr int settleBeforeDrawingMs = 5;

}  // namespace

SnapshotMessage snapshotMessageAction(std::uint32_t message, std::uintptr_t wParam) {
  switch (message) {
    case createMessage:
    case destroyMessage:
    // The picture covers the virtual screen pixel for pixel on every monitor: nothing to resize.
    case dpiChangedMessage: return SnapshotMessage::Ignore;
    case paintMessage: return SnapshotMessage::Repaint;
    case keyDownMessage: return wParam == escapeKey ? SnapshotMessage::Quit : SnapshotMessage::Ignore;
    case leftPressMessage:
    case rightPressMessage: return SnapshotMessage::EndPicking;
    default: return SnapshotMessage::Default;
  }
}

void Snapshot::initScreenshotPreviewWindow() {
  if (pick_from_wnd_created) return;
  window_.create();
  pick_from_wnd_created = true;
}

// Hidden first, so that an earlier frozen picture is not captured again.
void Snapshot::freezeScreen() {
  initScreenshotPreviewWindow();
  window_.hide();
  const bool captured = window_.captureScreen();
  window_.show();
  window_.moveTo(window_.screenRect());
  process_.sleepFor(settleBeforeDrawingMs);
  if (captured) window_.drawPicture();
}

void Snapshot::hideScreenshot() {
  if (pick_from_wnd_created) window_.hide();
}

}  // namespace Lmr
