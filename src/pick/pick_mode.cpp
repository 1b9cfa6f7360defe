#include "pick/pick_mode.h"

namespace Lmr {
namespace {

constexpr std::uint32_t pickPeriodMs = 32;
constexpr int endSettleMs = 100;
// Window-move picking samples this far above and left of the window's outer corner.
constexpr std::int32_t windowMovePickOffset = 12;
// The click that started pick mode (PICK acts on release) and any in the first ticks after it
// are dropped.
constexpr std::int32_t clickGraceTicks = 5;

}  // namespace

PickMode::PickMode(MainWindowPort& window, MouseMonitorPort& mouse, ProcessPort& process,
                   const LiveSettings& settings, ReadyFlag& ready, PickPoint& mpt, Magnifier& magnifier,
                   ColourHistory& history, Snapshot& snapshot, const Readouts& readouts)
    : window_(window),
      mouse_(mouse),
      process_(process),
      settings_(settings),
      ready_(ready),
      mpt_(mpt),
      magnifier_(magnifier),
      history_(history),
      snapshot_(snapshot),
      readouts_(readouts) {}

// Window calls made while toggling can deliver messages, and with them a second request: the
// ready flag keeps it (and any request before loading has finished) out.
void PickMode::togglePicking() {
  if (!ready_.bInitialized) return;
  ready_.bInitialized = false;
  if (is_picking_) {
    endPicking();
  } else {
    startPicking();
  }
  ready_.bInitialized = true;
}

// No tooltip covers the screen while it is being picked from.
void PickMode::startPicking() {
  window_.showTooltips(false);
  window_.setTopmost(true);
  history_.sendPickedColorToHistory();
  mouse_.begin(&mpt_.record());
  process_.sleepFor(0);
  is_picking_ = true;
  threadLoopCount_ = 0;
  uMyTimerId_ = window_.startTimer(WindowTimer::pick, pickPeriodMs);
  if (settings_.isOn(Setting::pick_from_snapshot)) snapshot_.freezeScreen();
  window_.restore();
  window_.activate();
  window_.bringToForeground();
}

// The colour of the last update stays: it is the pick.
void PickMode::endPicking() {
  window_.activate();
  is_picking_ = false;
  threadLoopCount_ = 0;
  window_.stopTimer(uMyTimerId_);
  mouse_.end();
  mpt_.clearClick();
  snapshot_.hideScreenshot();
  window_.restore();
  window_.activate();
  process_.sleepFor(endSettleMs);
  window_.setTopmost(false);
  window_.showTooltips(true);
}

void PickMode::updatePickPreviewWrapper() {
  if (!is_picking_) return;
  if (const std::int32_t steps = mpt_.takeWheelSteps(); steps != 0)
    magnifier_.newFishEye(movedBy(magnifier_.fishEye(), steps));
  ++threadLoopCount_;
  magnifier_.updatePickPreview();
}

bool PickMode::clickEndsUpdate() {
  if (threadLoopCount_ <= clickGraceTicks) {
    mpt_.clearClick();
    return false;
  }
  if (!mpt_.clicked()) return false;
  if (is_picking_) togglePicking();
  return true;
}

PickMode::~PickMode() {
  if (is_picking_) mouse_.end();
}

bool PickMode::dropForClose() {
  const bool wasPicking = is_picking_;
  is_picking_ = false;
  return wasPicking;
}

bool PickMode::ProcessCmdKey(std::uint32_t /*message*/, std::int32_t keyData) {
  if (!readouts_.typingColour()) runCommandKey(commandKeyAction(keyData));
  return window_.defaultCommandKey(keyData);
}

void PickMode::runCommandKey(CommandKeyAction action) {
  switch (action) {
    case CommandKeyAction::Toggle: togglePicking(); return;
    case CommandKeyAction::EndPicking:
      if (is_picking_) togglePicking();
      return;
    case CommandKeyAction::MoveLeft: movePickPoint(-1, 0); return;
    case CommandKeyAction::MoveUp: movePickPoint(0, -1); return;
    case CommandKeyAction::MoveRight: movePickPoint(1, 0); return;
    case CommandKeyAction::MoveDown: movePickPoint(0, 1); return;
    case CommandKeyAction::Refresh:
      togglePicking();
      process_.sleepFor(0);
      togglePicking();
      return;
    case CommandKeyAction::None: return;
  }
}

// The capture pulls a point pushed past the screen back onto it, and the pick point with it.
void PickMode::movePickPoint(std::int32_t dx, std::int32_t dy) {
  mpt_.moveBy(dx, dy);
  magnifier_.updatePickPreview();
}

// A press that ended pick mode (the monitor reports it as a click, and the update acts on it
// before the release arrives) is that press's whole effect: its release must not start pick mode
// again at once.
void PickMode::btn_pick_MouseDown() { pickingAtPress_ = is_picking_; }

void PickMode::btn_pick_MouseUp() {
  const bool endedByThisPress = pickingAtPress_ && !is_picking_;
  pickingAtPress_ = false;
  if (!endedByThisPress) togglePicking();
}

void PickMode::pick_zoom_MouseDown(int x, int y) {
  if (!ready_.bInitialized || is_picking_) return;
  sx = x;
  sy = y;
  panning_ = true;
  history_.sendPickedColorToHistory();
}

// The view is dragged along: the pick point moves against the pointer at half its speed, each
// step's remainder dropped (integer division truncates toward zero).
void PickMode::pick_zoom_MouseMove(int x, int y) {
  if (!panning_) return;
  movePickPoint((sx - x) / 2, (sy - y) / 2);
  sx = x;
  sy = y;
}

void PickMode::Lumarin_Move() {
  if (!ready_.bInitialized || !settings_.isOn(Setting::window_move_pick)) return;
  const Rect32 frame = window_.windowRect();
  mpt_.moveTo({frame.X - windowMovePickOffset, frame.Y - windowMovePickOffset});
  magnifier_.updatePickPreview();
}

void PickMode::snapshotPressed() {
  if (is_picking_) togglePicking();
}

}  // namespace Lmr
