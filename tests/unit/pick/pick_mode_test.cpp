// Pick mode of the main window against a recording platform: the order of its start and end
// steps, its guard, the click grace, the wheel, the keys and the drags that move the pick point.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "app/lumarin.h"
#include "../app/fake_platform.h"

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
    ASSERT_TRUE(lumarin.Lumarin_Load());
    fake.texts[ControlId::out_hex] = L"#A31515";
    pickAt({640, 700});
    fake.calls.clear();
  }
  void pickAt(Point32 point) {
    lumarin.mpt.x = point.x;
    lumarin.mpt.y = point.y;
  }
  Point32 pickPoint() const { return {lumarin.mpt.x, lumarin.mpt.y}; }
  void startPicking() {
    lumarin.togglePicking();
    ASSERT_TRUE(lumarin.is_picking);
    fake.calls.clear();
  }

  FakePlatform fake;
  Lmr::Platform platform = fake.platform();
  Lmr::Lumarin lumarin{platform};
};

TEST_F(PickMode, StartsAndEndsInTheirOrderWithOneTimerAndTheColourKept) {
  fake.onBegin = [&] {
    EXPECT_EQ(fake.history.entries, std::vector<std::wstring>{L"#A31515"}) << "filed before the monitor starts";
    EXPECT_FALSE(lumarin.is_picking);
  };
  lumarin.togglePicking();
  EXPECT_EQ(fake.calls, startSteps);
  EXPECT_TRUE(lumarin.is_picking);
  EXPECT_TRUE(lumarin.bInitialized);
  EXPECT_EQ(fake.runningTimers, std::vector<std::uint32_t>{lumarin.uMyTimerId});

  lumarin.updatePickPreviewWrapper();
  const Lmr::Argb picked = fake.swatches[ControlId::color_current];
  lumarin.threadLoopCount = 9;
  lumarin.mpt.clicked = 1;
  fake.calls.clear();
  lumarin.togglePicking();
  EXPECT_EQ(fake.calls, endSteps);
  EXPECT_FALSE(lumarin.is_picking);
  EXPECT_EQ(lumarin.threadLoopCount, 0);
  EXPECT_EQ(lumarin.mpt.clicked, 0);
  EXPECT_TRUE(fake.runningTimers.empty());
  EXPECT_EQ(fake.swatches[ControlId::color_current], picked);

  fake.calls.clear();
  lumarin.updatePickPreviewWrapper();
  EXPECT_TRUE(fake.calls.empty()) << "no update outside pick mode";
}

TEST(PickModeGuard, AToggleBeforeLoadingHasFinishedIsDropped) {
  FakePlatform fake;
  auto platform = fake.platform();
  Lmr::Lumarin lumarin(platform);
  fake.calls.clear();
  lumarin.togglePicking();
  EXPECT_FALSE(lumarin.is_picking);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(PickMode, AToggleRequestedDuringAToggleIsDropped) {
  fake.onBegin = [&] { lumarin.togglePicking(); };  // a request delivered by a window call
  lumarin.togglePicking();
  EXPECT_TRUE(lumarin.is_picking);
  EXPECT_EQ(fake.calls, startSteps);
}

TEST_F(PickMode, ClicksInTheFirstFiveTicksAreDroppedAndTheSixthEndsPickModeUnrendered) {
  startPicking();
  for (int tick = 1; tick <= 5; ++tick) {
    lumarin.mpt.clicked = 1;
    fake.calls.clear();
    lumarin.updatePickPreviewWrapper();
    EXPECT_EQ(lumarin.threadLoopCount, tick);
    EXPECT_EQ(lumarin.mpt.clicked, 0) << tick;
    EXPECT_EQ(fake.calls, oneUpdate) << tick;
  }
  lumarin.mpt.clicked = 1;
  fake.calls.clear();
  lumarin.updatePickPreviewWrapper();
  EXPECT_FALSE(lumarin.is_picking);
  EXPECT_EQ(fake.calls, endSteps) << "that tick renders nothing";
}

TEST_F(PickMode, WheelStepsChangeTheStrengthClampedAndAreTakenOnce) {
  startPicking();
  for (const auto& [steps, strength] : {std::pair{3, 10}, {5, 12}, {-4, 8}, {-100, 1}, {INT_MAX, 12}, {INT_MIN, 1}}) {
    lumarin.mpt.wheel_delta = steps;
    lumarin.updatePickPreviewWrapper();
    EXPECT_EQ(lumarin.fishEye, strength) << steps;
    EXPECT_EQ(fake.fishEyeShown, strength) << steps;
    EXPECT_EQ(lumarin.mpt.wheel_delta, 0) << steps;
  }
  fake.calls.clear();
  lumarin.updatePickPreviewWrapper();
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
  EXPECT_FALSE(lumarin.ProcessCmdKey(0x100, key.keyData));
  EXPECT_EQ(lumarin.is_picking, key.pickingAfter);
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
  lumarin.ProcessCmdKey(0x100, 82);
  EXPECT_EQ(fake.calls, concat({endSteps, {"sleep 0"}, startSteps}));
  EXPECT_EQ(fake.history.entries.front(), L"#00FF00");
}

TEST_F(PickMode, TypingAColourLetsEveryKeyThroughAndTheWindowsAnswerIsReturned) {
  lumarin.keyboardColorInput = true;
  for (const std::int32_t key : {13, 27, 37, 82}) lumarin.ProcessCmdKey(0x100, key);
  EXPECT_FALSE(lumarin.is_picking);
  EXPECT_EQ(pickPoint(), (Point32{640, 700}));
  EXPECT_TRUE(fake.calls.empty());
  fake.commandKeyTaken = true;
  EXPECT_TRUE(lumarin.ProcessCmdKey(0x100, 13));
}

TEST_F(PickMode, AnArrowPastTheScreenLeavesThePointAtTheEdge) {
  pickAt({1920, 1080});
  lumarin.ProcessCmdKey(0x100, 39);
  lumarin.ProcessCmdKey(0x100, 40);
  EXPECT_EQ(pickPoint(), (Point32{1920, 1080}));
  pickAt({INT_MAX, INT_MIN});
  lumarin.ProcessCmdKey(0x100, 39);
  lumarin.ProcessCmdKey(0x100, 38);
  EXPECT_EQ(pickPoint(), (Point32{1920, 0})) << "no overflow on the way back";
}

TEST_F(PickMode, DraggingTheViewMovesThePointAgainstThePointerAtHalfSpeed) {
  lumarin.pick_zoom_MouseDown(100, 100);
  EXPECT_TRUE(lumarin.panning);
  EXPECT_EQ(fake.history.entries, std::vector<std::wstring>{L"#A31515"});
  const std::pair<Point32, Point32> steps[] = {
      {{101, 100}, {640, 700}},  // a one-pixel move loses its half
      {{102, 99}, {640, 700}},   //   and so does the next
      {{112, 93}, {635, 703}},   // (102 - 112) / 2 = -5, (99 - 93) / 2 = 3
      {{99, 96}, {641, 702}},    // 13 / 2 = 6, -3 / 2 = -1 (toward zero)
  };
  for (const auto& [pointer, point] : steps) {
    lumarin.pick_zoom_MouseMove(pointer.x, pointer.y);
    EXPECT_EQ(pickPoint(), point) << pointer.x << "," << pointer.y;
  }
  lumarin.pick_zoom_MouseUp();
  lumarin.pick_zoom_MouseMove(0, 0);
  EXPECT_EQ(pickPoint(), (Point32{641, 702}));
}

TEST_F(PickMode, DraggingDuringPickModeDoesNothing) {
  startPicking();
  lumarin.pick_zoom_MouseDown(100, 100);
  lumarin.pick_zoom_MouseMove(150, 150);
  EXPECT_FALSE(lumarin.panning);
  EXPECT_EQ(pickPoint(), (Point32{640, 700}));
}

TEST_F(PickMode, MovingTheWindowPicksAboveAndLeftOfItWhenTheSettingIsOn) {
  fake.window = {300, 400, 314, 580};
  lumarin.Lumarin_Move();
  EXPECT_TRUE(fake.calls.empty());
  fake.checks[Lmr::Setting::window_move_pick] = true;
  lumarin.Lumarin_Move();
  EXPECT_EQ(fake.captureCentres.back(), (Point32{288, 388}));
  EXPECT_EQ(fake.calls, oneUpdate);
}

TEST_F(PickMode, PickActsOnReleaseButAReleaseAfterTheClickThatEndedPickModeDoesNotRestartIt) {
  lumarin.btn_pick_MouseDown();
  lumarin.btn_pick_Click();
  EXPECT_FALSE(lumarin.is_picking);
  lumarin.btn_pick_MouseUp();
  EXPECT_TRUE(lumarin.is_picking);

  lumarin.threadLoopCount = 6;
  lumarin.btn_pick_MouseDown();
  lumarin.mpt.clicked = 1;  // the monitor saw the press; the next tick ends pick mode
  lumarin.updatePickPreviewWrapper();
  ASSERT_FALSE(lumarin.is_picking);
  lumarin.btn_pick_MouseUp();
  EXPECT_FALSE(lumarin.is_picking);

  lumarin.btn_pick_MouseDown();
  lumarin.btn_pick_MouseUp();
  EXPECT_TRUE(lumarin.is_picking);
  lumarin.btn_pick_MouseDown();
  lumarin.btn_pick_MouseUp();  // a quick click ends it before any tick
  EXPECT_FALSE(lumarin.is_picking);
}

}  // namespace
