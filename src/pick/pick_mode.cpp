// Pick mode: the main window follows the colour under the pointer every 32 ms until a click, a
// key or the PICK button ends it. Also the keys and drags that move the pick point.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "app/lumarin.h"
#include "pick/command_keys.h"

namespace Lmr {
namespace {

constexpr std::uint32_t pickPeriodMs = 32;
constexpr int endSettleMs = 100;
// Window-move picking samples this far above and left of the window's outer corner.
constexpr std::int32_t windowMovePickOffset = 12;

// A coordinate or strength moved by a step, without overflow: arrow keys may push the point past
// the screen (the next capture pulls it back), and the wheel may gather any number of steps
// before the strength is clamped.
std::int32_t movedBy(std::int32_t coordinate, std::int32_t step) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{coordinate} + step,
                                                            std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

// Window calls made while toggling can deliver messages, and with them a second request: the
// ready flag keeps it (and any request before loading has finished) out.
void Lumarin::togglePicking() {
  if (!bInitialized) return;
  bInitialized = false;
  if (is_picking) {
    endPicking();
  } else {
    startPicking();
  }
  bInitialized = true;
}

void Lumarin::startPicking() {
  MainWindowPort& window = platform_.window;
  window.setTopmost(true);
  sendPickedColorToHistory();
  platform_.mouse.begin(&mpt);
  platform_.process.sleepFor(0);
  is_picking = true;
  threadLoopCount = 0;
  uMyTimerId = window.startTimer(pickPeriodMs);
  if (settingOn(Setting::pick_from_snapshot)) freezeScreen();
  window.restore();
  window.activate();
  window.bringToForeground();
}

// The colour of the last update stays: it is the pick.
void Lumarin::endPicking() {
  MainWindowPort& window = platform_.window;
  window.activate();
  is_picking = false;
  threadLoopCount = 0;
  window.stopTimer(uMyTimerId);
  platform_.mouse.end();
  storeField(mpt.clicked, std::uint8_t{0});
  hideScreenshot();
  window.restore();
  window.activate();
  platform_.process.sleepFor(endSettleMs);
  window.setTopmost(false);
}

// Wheel steps are taken and zeroed in one step, so none the monitor adds meanwhile is lost.
void Lumarin::updatePickPreviewWrapper() {
  if (!is_picking) return;
  if (const std::int32_t steps = takeWheelSteps(mpt); steps != 0) newFishEye(movedBy(fishEye, steps));
  ++threadLoopCount;
  updatePickPreview();
}

bool Lumarin::ProcessCmdKey(std::uint32_t /*message*/, std::int32_t keyData) {
  if (!keyboardColorInput) runCommandKey(commandKeyAction(keyData));
  return platform_.window.defaultCommandKey(keyData);
}

void Lumarin::runCommandKey(CommandKeyAction action) {
  switch (action) {
    case CommandKeyAction::Toggle: togglePicking(); return;
    case CommandKeyAction::EndPicking:
      if (is_picking) togglePicking();
      return;
    case CommandKeyAction::MoveLeft: movePickPoint(-1, 0); return;
    case CommandKeyAction::MoveUp: movePickPoint(0, -1); return;
    case CommandKeyAction::MoveRight: movePickPoint(1, 0); return;
    case CommandKeyAction::MoveDown: movePickPoint(0, 1); return;
    case CommandKeyAction::Refresh:
      togglePicking();
      platform_.process.sleepFor(0);
      togglePicking();
      return;
    case CommandKeyAction::None: return;
  }
}

// The capture pulls a point pushed past the screen back onto it, and the pick point with it.
void Lumarin::movePickPoint(std::int32_t dx, std::int32_t dy) {
  storeField(mpt.x, movedBy(loadField(mpt.x), dx));
  storeField(mpt.y, movedBy(loadField(mpt.y), dy));
  updatePickPreview();
}

// A press that ended pick mode (the monitor reports it as a click, and the update acts on it
// before the release arrives) is that press's whole effect: its release must not start pick mode
// again at once.
void Lumarin::btn_pick_MouseDown() { pickingAtPress_ = is_picking; }

void Lumarin::btn_pick_MouseUp() {
  const bool endedByThisPress = pickingAtPress_ && !is_picking;
  pickingAtPress_ = false;
  if (!endedByThisPress) togglePicking();
}

void Lumarin::pick_zoom_MouseDown(int x, int y) {
  if (!bInitialized || is_picking) return;
  sx = x;
  sy = y;
  panning = true;
  sendPickedColorToHistory();
}

// The view is dragged along: the pick point moves against the pointer at half its speed, each
// step's remainder dropped (integer division truncates toward zero).
void Lumarin::pick_zoom_MouseMove(int x, int y) {
  if (!panning) return;
  movePickPoint((sx - x) / 2, (sy - y) / 2);
  sx = x;
  sy = y;
}

void Lumarin::pick_zoom_MouseUp() { panning = false; }

void Lumarin::Lumarin_Move() {
  if (!bInitialized || !settingOn(Setting::window_move_pick)) return;
  const Rect32 frame = platform_.window.windowRect();
  storeField(mpt.x, frame.X - windowMovePickOffset);
  storeField(mpt.y, frame.Y - windowMovePickOffset);
  updatePickPreview();
}

}  // namespace Lmr
