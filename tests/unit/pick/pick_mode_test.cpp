// Pick mode of the main window against a recording platform: the order of its start and end
// steps, its guard, the click grace, the wheel, the keys and the drags that move the pick point.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "pick_engine.h"

namespace {

using Lmr::Point32;
using Lmr::testing::FakePlatform;
using Lmr::ui::ControlId;
using Calls = std::vector<std::string>;

const Calls startSteps{"topmost", "begin", "sleep 0", "timer 32", "restore", "activate", "foreground"};
const Calls endSteps{"activate", "stop timer", "end", "restore", "activate", "sleep 100", "not topmost"};
const Calls oneUpdate{"capture", "present view"};

Calls concat(std::initializer_list<Calls> parts) {
  Calls all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class PickMode : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.captureWorks = true;
    fake.texts[ControlId::out_hex] = L"#A31515";
    pickAt({640, 700});
    fake.calls.clear();
  }
  void pickAt(Point32 point) { engine.mpt.moveTo(point); }
  Point32 pickPoint() { return engine.mpt.point(); }
  pt_type& monitorRecord() { return engine.mpt.record(); }
  void startPicking() {
    pickMode.togglePicking();
    ASSERT_TRUE(pickMode.is_picking());
    fake.calls.clear();
  }

  FakePlatform fake;
  Lmr::testing::PickEngine engine{fake};
  Lmr::PickMode& pickMode = engine.pickMode;
};

TEST_F(PickMode, StartsAndEndsInTheirOrderWithOneTimerAndTheColourKept) {
  fake.onBegin = [&] {
    EXPECT_EQ(fake.history.entries, std::vector<std::wstring>{L"#A31515"}) << "filed before the monitor starts";
    EXPECT_FALSE(pickMode.is_picking());
    EXPECT_FALSE(fake.tooltipsOn) << "off before pick mode starts";
  };
  pickMode.togglePicking();
  EXPECT_EQ(fake.calls, startSteps);
  EXPECT_FALSE(fake.tooltipsOn);
  EXPECT_TRUE(pickMode.is_picking());
  EXPECT_TRUE(engine.ready.bInitialized);
  EXPECT_EQ(fake.runningTimers, std::vector<std::uint32_t>{pickMode.uMyTimerId()});

  pickMode.updatePickPreviewWrapper();
  const Lmr::Argb picked = fake.swatches[ControlId::color_current];
  monitorRecord().clicked = 1;
  fake.calls.clear();
  pickMode.togglePicking();
  EXPECT_EQ(fake.calls, endSteps);
  EXPECT_FALSE(pickMode.is_picking());
  EXPECT_EQ(pickMode.threadLoopCount(), 0);
  EXPECT_EQ(monitorRecord().clicked, 0);
  EXPECT_TRUE(fake.runningTimers.empty());
  EXPECT_EQ(fake.swatches[ControlId::color_current], picked);
  EXPECT_TRUE(fake.tooltipsOn);

  fake.calls.clear();
  pickMode.updatePickPreviewWrapper();
  EXPECT_TRUE(fake.calls.empty()) << "no update outside pick mode";
}

TEST_F(PickMode, AToggleBeforeLoadingHasFinishedIsDropped) {
  engine.ready.bInitialized = false;
  pickMode.togglePicking();
  EXPECT_FALSE(pickMode.is_picking());
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(PickMode, AToggleRequestedDuringAToggleIsDropped) {
  fake.onBegin = [&] { pickMode.togglePicking(); };  // a request delivered by a window call
  pickMode.togglePicking();
  EXPECT_TRUE(pickMode.is_picking());
  EXPECT_EQ(fake.calls, startSteps);
}

TEST_F(PickMode, ClicksInTheFirstFiveTicksAreDroppedAndTheSixthEndsPickModeUnrendered) {
  startPicking();
  for (int tick = 1; tick <= 5; ++tick) {
    monitorRecord().clicked = 1;
    fake.calls.clear();
    pickMode.updatePickPreviewWrapper();
    EXPECT_EQ(pickMode.threadLoopCount(), tick);
    EXPECT_EQ(monitorRecord().clicked, 0) << tick;
    EXPECT_EQ(fake.calls, oneUpdate) << tick;
  }
  monitorRecord().clicked = 1;
  fake.calls.clear();
  pickMode.updatePickPreviewWrapper();
  EXPECT_FALSE(pickMode.is_picking());
  EXPECT_EQ(fake.calls, endSteps) << "that tick renders nothing";
}

TEST_F(PickMode, AClickOutsidePickModeIsDroppedAndTheUpdateGoesOn) {
  monitorRecord().clicked = 1;
  pickMode.ProcessCmdKey(0x100, 39);
  EXPECT_EQ(monitorRecord().clicked, 0);
  EXPECT_EQ(fake.calls, oneUpdate);
}

TEST_F(PickMode, WheelStepsChangeTheStrengthClampedAndAreTakenOnce) {
  startPicking();
  for (const auto& [steps, strength] : {std::pair{3, 10}, {5, 12}, {-4, 8}, {-100, 1}, {INT_MAX, 12}, {INT_MIN, 1}}) {
    monitorRecord().wheel_delta = steps;
    pickMode.updatePickPreviewWrapper();
    EXPECT_EQ(engine.magnifier.fishEye(), strength) << steps;
    EXPECT_EQ(fake.fishEyeShown, strength) << steps;
    EXPECT_EQ(monitorRecord().wheel_delta, 0) << steps;
  }
  fake.calls.clear();
  pickMode.updatePickPreviewWrapper();
  EXPECT_EQ(fake.calls, oneUpdate) << "no steps, no strength change";
}

struct KeyCase {
  std::int32_t keyData;
  bool picking;          // before the key
  bool pickingAfter;
  Point32 moveBy;
};

void PrintTo(const KeyCase& key, std::ostream* out) {
  *out << "key data " << key.keyData << (key.picking ? " while picking" : " while idle");
}

class PickModeKeys : public PickMode, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(PickModeKeys, TheKeyTableComparesTheWholeKey) {
  const KeyCase key = GetParam();
  if (key.picking) startPicking();
  const Point32 before = pickPoint();
  EXPECT_FALSE(pickMode.ProcessCmdKey(0x100, key.keyData));
  EXPECT_EQ(pickMode.is_picking(), key.pickingAfter);
  EXPECT_EQ(pickPoint(), (Point32{before.x + key.moveBy.x, before.y + key.moveBy.y}));
}

constexpr std::int32_t shift = Lmr::keyShift, control = Lmr::keyControl, alt = Lmr::keyAlt;
INSTANTIATE_TEST_SUITE_P(
    Keys, PickModeKeys,
    ::testing::Values(KeyCase{13, false, true, {}}, KeyCase{13, true, false, {}}, KeyCase{27, false, false, {}},
                      KeyCase{27, true, false, {}}, KeyCase{37, false, false, {-1, 0}}, KeyCase{38, true, true, {0, -1}},
                      KeyCase{39, false, false, {1, 0}}, KeyCase{40, false, false, {0, 1}},
                      KeyCase{82, true, true, {}}, KeyCase{74, false, false, {}},
                      KeyCase{13 | control, false, false, {}}, KeyCase{37 | shift, false, false, {}},
                      KeyCase{82 | alt, true, true, {}}, KeyCase{65, false, false, {}}));

TEST_F(PickMode, RefreshEndsAndStartsAgainFilingTheColour) {
  startPicking();
  fake.texts[ControlId::out_hex] = L"#00FF00";
  pickMode.ProcessCmdKey(0x100, 82);
  EXPECT_EQ(fake.calls, concat({endSteps, {"sleep 0"}, startSteps}));
  EXPECT_EQ(fake.history.entries.front(), L"#00FF00");
}

TEST_F(PickMode, TypingAColourLetsEveryKeyThroughAndTheWindowsAnswerIsReturned) {
  engine.readouts.setKbdInputModeFromKeyCode('A');
  for (const std::int32_t key : {13, 27, 37, 82}) pickMode.ProcessCmdKey(0x100, key);
  EXPECT_FALSE(pickMode.is_picking());
  EXPECT_EQ(pickPoint(), (Point32{640, 700}));
  EXPECT_TRUE(fake.calls.empty());
  fake.commandKeyTaken = true;
  EXPECT_TRUE(pickMode.ProcessCmdKey(0x100, 13));
}

TEST_F(PickMode, AnArrowPastTheScreenLeavesThePointAtTheEdge) {
  pickAt({1920, 1080});
  pickMode.ProcessCmdKey(0x100, 39);
  pickMode.ProcessCmdKey(0x100, 40);
  EXPECT_EQ(pickPoint(), (Point32{1920, 1080}));
  pickAt({INT_MAX, INT_MIN});
  pickMode.ProcessCmdKey(0x100, 39);
  pickMode.ProcessCmdKey(0x100, 38);
  EXPECT_EQ(pickPoint(), (Point32{1920, 0})) << "no overflow on the way back";
}

TEST_F(PickMode, DraggingTheViewMovesThePointAgainstThePointerAtHalfSpeed) {
  pickMode.pick_zoom_MouseDown(100, 100);
  EXPECT_TRUE(pickMode.panning());
  EXPECT_EQ(fake.history.entries, std::vector<std::wstring>{L"#A31515"});
  const std::pair<Point32, Point32> steps[] = {
      {{101, 100}, {640, 700}},  // a one-pixel move loses its half
      {{102, 99}, {640, 700}},   //   and so does the next
      {{112, 93}, {635, 703}},   // (102 - 112) / 2 = -5, (99 - 93) / 2 = 3
      {{99, 96}, {641, 702}},    // 13 / 2 = 6, -3 / 2 = -1 (toward zero)
  };
  for (const auto& [pointer, point] : steps) {
    pickMode.pick_zoom_MouseMove(pointer.x, pointer.y);
    EXPECT_EQ(pickPoint(), point) << pointer.x << "," << pointer.y;
  }
  pickMode.pick_zoom_MouseUp();
  pickMode.pick_zoom_MouseMove(0, 0);
  EXPECT_EQ(pickPoint(), (Point32{641, 702}));
}

TEST_F(PickMode, DraggingDuringPickModeDoesNothing) {
  startPicking();
  pickMode.pick_zoom_MouseDown(100, 100);
  pickMode.pick_zoom_MouseMove(150, 150);
  EXPECT_FALSE(pickMode.panning());
  EXPECT_EQ(pickPoint(), (Point32{640, 700}));
}

TEST_F(PickMode, MovingTheWindowPicksAboveAndLeftOfItWhenTheSettingIsOn) {
  fake.window = {300, 400, 314, 580};
  pickMode.Lumarin_Move();
  EXPECT_TRUE(fake.calls.empty());
  fake.checks[Lmr::Setting::window_move_pick] = true;
  pickMode.Lumarin_Move();
  EXPECT_EQ(fake.captureCentres.back(), (Point32{288, 388}));
  EXPECT_EQ(fake.calls, oneUpdate);
  // On a monitor left of the primary one, at negative coordinates; its band is skipped there too.
  fake.screen = {-1920, 0, 3840, 1080};
  fake.window = {-1500, 10, 314, 580};
  pickMode.Lumarin_Move();
  EXPECT_EQ(fake.captureCentres.back(), (Point32{-1512, -2}));
  pickAt({-1400, 100});
  engine.magnifier.updatePickPreview();
  EXPECT_EQ(fake.calls, concat({oneUpdate, oneUpdate}));
}

TEST_F(PickMode, PickActsOnReleaseButAReleaseAfterTheClickThatEndedPickModeDoesNotRestartIt) {
  pickMode.btn_pick_MouseDown();
  pickMode.btn_pick_Click();
  EXPECT_FALSE(pickMode.is_picking());
  pickMode.btn_pick_MouseUp();
  EXPECT_TRUE(pickMode.is_picking());

  for (int tick = 0; tick < 6; ++tick) pickMode.updatePickPreviewWrapper();
  pickMode.btn_pick_MouseDown();
  monitorRecord().clicked = 1;  // the monitor saw the press; the next tick ends pick mode
  pickMode.updatePickPreviewWrapper();
  ASSERT_FALSE(pickMode.is_picking());
  pickMode.btn_pick_MouseUp();
  EXPECT_FALSE(pickMode.is_picking());

  pickMode.btn_pick_MouseDown();
  pickMode.btn_pick_MouseUp();
  EXPECT_TRUE(pickMode.is_picking());
  pickMode.btn_pick_MouseDown();
  pickMode.btn_pick_MouseUp();  // a quick click ends it before any tick
  EXPECT_FALSE(pickMode.is_picking());
}

}  // namespace
