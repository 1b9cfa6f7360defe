// Pick mode in the running program, driven the way a user picks: the real pointer moved and
// pressed through the X server over the driver's test pattern, keys in the main window.
#include <gtest/gtest.h>

#include "harness.h"
#include "picking_session.h"

namespace {

using namespace e2e;
using Lmr::ui::ControlId;

// Past the five ticks in which a click does not count.
constexpr auto graceTicks = 400ms;
// Long enough for several ticks of pick mode, had it gone on.
constexpr auto severalTicks = 300ms;

std::uint32_t at(int x, int y) { return patternAt(x, y, firstPattern); }

class PickModeRun : public testing::Test {
 protected:
  void SetUp() override {
    deleteSettingsKey();
    session_.emplace(folder_);
    ASSERT_TRUE(session_->ready());
  }
  void TearDown() override { session_.reset(); }

  PickingSession& session() { return *session_; }
  void start() {
    session().pressKey(VK_RETURN);
    ASSERT_TRUE(session().pickingBecomes(true));
  }

  ScratchFolder folder_;
  std::optional<PickingSession> session_;
};

TEST_F(PickModeRun, PickStartsOnReleaseTheReadoutsFollowThePointerAndAClickPicks) {
  const POINT pick = session().centreOf(ControlId::btn_pick);
  ASSERT_TRUE(pointerTo(pick.x, pick.y));
  ASSERT_TRUE(realPointer(L"mousedown 1"));
  pumpMessagesFor(100ms);
  EXPECT_FALSE(session().picking()) << "not on the press";
  ASSERT_TRUE(realPointer(L"mouseup 1"));
  ASSERT_TRUE(session().pickingBecomes(true));

  for (const POINT spot : {POINT{30, 40}, POINT{201, 7}, POINT{0, 255}}) {
    ASSERT_TRUE(pointerTo(spot.x, spot.y));
    EXPECT_TRUE(session().hexShows(at(spot.x, spot.y))) << spot.x << "," << spot.y << ": " << session().text(ControlId::out_hex);
  }
  if (const auto left = leftMonitor()) {  // on a monitor left of the primary, at negative x
    ASSERT_TRUE(session().pattern().show(firstPattern, left->x + 40, left->y + 60));
    ASSERT_TRUE(pointerTo(left->x + 40, left->y + 60 + 255));
    EXPECT_TRUE(session().hexShows(at(0, 255))) << session().text(ControlId::out_hex);
  }
  pumpMessagesFor(graceTicks);
  ASSERT_TRUE(realPointer(L"click 1"));
  EXPECT_TRUE(session().pickingBecomes(false)) << "the click after the grace ends pick mode";

  ASSERT_TRUE(pointerTo(120, 120));
  pumpMessagesFor(severalTicks);
  EXPECT_EQ(session().text(ControlId::out_hex), hexOf(at(0, 255))) << "the picked colour stays";
  EXPECT_EQ(session().text(ControlId::out_rgb), L"rgb(0,255," + std::to_wstring(at(0, 255) & 0xFF) + L")");
}

TEST_F(PickModeRun, EnterStartsAndEndsEscapeOnlyEnds) {
  session().pressKey(VK_ESCAPE);
  pumpMessagesFor(severalTicks);
  EXPECT_FALSE(session().picking()) << "Escape with pick mode off does nothing";
  start();
  session().pressKey(VK_RETURN);
  EXPECT_TRUE(session().pickingBecomes(false));
  start();
  session().pressKey(VK_ESCAPE);
  EXPECT_TRUE(session().pickingBecomes(false));
}

TEST_F(PickModeRun, TheWheelOverThePatternChangesTheStrength) {
  start();
  ASSERT_TRUE(pointerTo(60, 60));
  ASSERT_TRUE(realPointer(L"click 4"));
  EXPECT_TRUE(pollUntil([&] { return session().text(ControlId::fisheye_num_updn) == L"8"; }, 3s));
  ASSERT_TRUE(realPointer(L"click 5 click 5 click 5"));
  EXPECT_TRUE(pollUntil([&] { return session().text(ControlId::fisheye_num_updn) == L"5"; }, 3s))
      << windowText(session().control(ControlId::fisheye_num_updn));
  EXPECT_TRUE(session().picking()) << "wheel steps are no click";
}

TEST_F(PickModeRun, ArrowsMoveThePickPointByOnePixelInAndOutOfPickMode) {
  start();
  ASSERT_TRUE(pointerTo(40, 40));
  ASSERT_TRUE(session().hexShows(at(40, 40)));
  session().pressKey(VK_RIGHT);
  EXPECT_TRUE(session().hexShows(at(41, 40)));
  session().pressKey(VK_DOWN);
  EXPECT_TRUE(session().hexShows(at(41, 41)));
  pumpMessagesFor(severalTicks);
  EXPECT_TRUE(session().hexShows(at(41, 41))) << "the updates stay at the moved point";
  session().pressKey(VK_RETURN);
  ASSERT_TRUE(session().pickingBecomes(false));
  session().pressKey(VK_LEFT);
  EXPECT_TRUE(session().hexShows(at(40, 41)));
  session().pressKey(VK_UP);
  EXPECT_TRUE(session().hexShows(at(40, 40)));
}

TEST_F(PickModeRun, DraggingTheMagnifierPansAgainstThePointerAtHalfSpeed) {
  ASSERT_TRUE(session().pickPatternAt(100, 100));
  const POINT middle = session().centreOf(ControlId::pick_zoom);
  ASSERT_TRUE(pointerTo(middle.x, middle.y));
  ASSERT_TRUE(realPointer(L"mousedown 1"));
  ASSERT_TRUE(pointerTo(middle.x - 20, middle.y - 10));
  ASSERT_TRUE(realPointer(L"mouseup 1"));
  EXPECT_TRUE(session().hexShows(at(110, 105))) << session().text(ControlId::out_hex);
  EXPECT_FALSE(session().picking());
}

TEST(PickModeWindowMove, MovingTheWindowSamplesTwelvePixelsAboveAndLeftOfIt) {
  deleteSettingsKey();
  writeSettingsDword(L"", 1);
  writeSettingsDword(L"window_move_pick", 1);
  ScratchFolder folder;
  PickingSession session(folder);
  ASSERT_TRUE(session.ready());
  for (const POINT spot : {POINT{40, 50}, POINT{200, 13}}) {
    ASSERT_TRUE(session.moveWindowTo(spot.x + 12, spot.y + 12));
    EXPECT_TRUE(session.hexShows(at(spot.x, spot.y))) << session.text(ControlId::out_hex);
  }
  if (const auto left = leftMonitor()) {  // the window dragged over a monitor left of the primary
    ASSERT_TRUE(session.pattern().show(firstPattern, left->x + 40, left->y + 60));
    ASSERT_TRUE(session.moveWindowTo(left->x + 40 + 100 + 12, left->y + 60 + 30 + 12));
    EXPECT_TRUE(session.hexShows(at(100, 30))) << session.text(ControlId::out_hex);
  }
}

}  // namespace
