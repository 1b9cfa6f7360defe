// Picking from a frozen screenshot: the screen is captured at the start of pick mode and shown in
// a window over every monitor, which is what the magnifier then samples.
#include "pick/snapshot.h"

#include "app/lumarin.h"
#include "app/window_messages.h"

namespace Lmr {
namespace {

constexpr std::uint32_t createMessage = 1, destroyMessage = 2, keyDownMessage = 0x100;
constexpr std::uint32_t leftPressMessage = 0x201, rightPressMessage = 0x204;
constexpr std::uintptr_t escapeKey = 27;
constexpr int settleBeforeDrawingMs = 5;

}  // namespace

SnapshotMessage snapshotMessageAction(std::uint32_t message, std::uintptr_t wParam) {
  switch (message) {
    case createMessage:
    case destroyMessage: return SnapshotMessage::Ignore;
    case paintMessage: return SnapshotMessage::Repaint;
    case keyDownMessage: return wParam == escapeKey ? SnapshotMessage::Quit : SnapshotMessage::Ignore;
    case leftPressMessage:
    case rightPressMessage: return SnapshotMessage::EndPicking;
    default: return SnapshotMessage::Default;
  }
}

void Lumarin::initScreenshotPreviewWindow() {
  if (pick_from_wnd_created) return;
  platform_.snapshot.create();
  pick_from_wnd_created = true;
}

// Hidden first, so that an earlier frozen picture is not captured again.
void Lumarin::freezeScreen() {
  SnapshotPort& snapshot = platform_.snapshot;
  initScreenshotPreviewWindow();
  snapshot.hide();
  const bool captured = snapshot.captureScreen();
  snapshot.show();
  snapshot.moveTo(snapshot.screenRect());
  platform_.process.sleepFor(settleBeforeDrawingMs);
  if (captured) snapshot.drawPicture();
}

void Lumarin::hideScreenshot() {
  if (pick_from_wnd_created) platform_.snapshot.hide();
}

void Lumarin::snapshotPressed() {
  if (is_picking) togglePicking();
}

// Escape in the snapshot window ends the program's loop; the monitor is stopped and the tray icon
// removed first, or the icon would stay behind in the tray.
void Lumarin::quitFromSnapshot() {
  platform_.mouse.end();
  platform_.tray.removeIcon();
  platform_.process.quit();
}

}  // namespace Lmr
