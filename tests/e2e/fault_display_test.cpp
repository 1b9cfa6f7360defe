// The display made smaller while pick mode runs: the X server's screen is resized with xrandr, as
// a user changing the resolution would, and the pick point must stay on what is left of it.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "picking_session.h"

namespace {

using namespace e2e;

constexpr SIZE fullScreen{1280, 1024}, smallScreen{1024, 768};

bool virtualScreenIs(SIZE size) {
  return pollUntil(
      [&] {
        return GetSystemMetrics(SM_CXVIRTUALSCREEN) == size.cx && GetSystemMetrics(SM_CYVIRTUALSCREEN) == size.cy;
      },
      5s);
}

// The X screen at 1024 x 768 (a mode added for it) while this lives; back at its full size after.
class SmallerScreen {
 public:
  SmallerScreen() {
    runLinuxCommand(L"xrandr --newmode lumarin_small 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync;"
                    L" xrandr --addmode screen lumarin_small; xrandr --output screen --mode lumarin_small",
                    10s);
  }
  SmallerScreen(const SmallerScreen&) = delete;
  SmallerScreen& operator=(const SmallerScreen&) = delete;
  ~SmallerScreen() {
    runLinuxCommand(L"xrandr --output screen --mode 1280x1024; xrandr --delmode screen lumarin_small;"
                    L" xrandr --rmmode lumarin_small",
                    10s);
    EXPECT_TRUE(virtualScreenIs(fullScreen)) << "the screen is back at its full size";
  }
};

// Wine follows the new size in its metrics but sends no WM_DISPLAYCHANGE for it, so the program
// must notice the change by itself.
TEST(FaultsDisplay, AScreenMadeSmallerDuringPickModeKeepsThePickPointOnIt) {
  deleteSettingsKey();
  ScratchFolder folder;
  PickingSession session(folder);
  ASSERT_TRUE(session.ready());
  ASSERT_TRUE(pointerTo(30, 40));  // the program reads the screen's size at its first capture
  session.pressKey(VK_RETURN);
  ASSERT_TRUE(session.pickingBecomes(true) && session.hexShows(patternAt(30, 40, firstPattern)));

  SmallerScreen smaller;
  ASSERT_TRUE(virtualScreenIs(smallScreen)) << "Wine did not follow the X screen's new size";
  ASSERT_TRUE(session.moveWindowTo(0, 0));  // clear of the new screen's bottom-right corner
  // The pattern in the new screen's bottom-right corner, the pointer near it.
  const POINT corner{smallScreen.cx - patternSide, smallScreen.cy - patternSide};
  ASSERT_TRUE(session.pattern().show(firstPattern, corner.x, corner.y));
  ASSERT_TRUE(pointerTo(corner.x + 250, corner.y + 250));
  ASSERT_TRUE(session.hexShows(patternAt(250, 250, firstPattern))) << session.text(Lmr::ui::ControlId::out_hex);
  // Pushed past the screen, the point is held at its edge (one past the last pixel, where the
  // capture stops): one step back is the last column, then the last row.
  for (int step = 0; step < 20; ++step) session.pressKey(VK_RIGHT);
  session.pressKey(VK_LEFT);
  EXPECT_TRUE(session.hexShows(patternAt(255, 250, firstPattern)))
      << "the last column: " << session.text(Lmr::ui::ControlId::out_hex);
  for (int step = 0; step < 20; ++step) session.pressKey(VK_DOWN);
  session.pressKey(VK_UP);
  EXPECT_TRUE(session.hexShows(patternAt(255, 255, firstPattern)))
      << "the last row: " << session.text(Lmr::ui::ControlId::out_hex);
  session.pressKey(VK_RETURN);
  EXPECT_TRUE(session.pickingBecomes(false));
  EXPECT_EQ(session.text(Lmr::ui::ControlId::out_hex), hexOf(patternAt(255, 255, firstPattern)));
}

}  // namespace
