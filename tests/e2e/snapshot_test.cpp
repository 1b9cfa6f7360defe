// Picking from a frozen screenshot in the running program: the picture covers the screen, the
// readouts show it and not what changes underneath, a press on it picks, R takes a new one.
#include <gtest/gtest.h>

#include "harness.h"
#include "picking_session.h"

namespace {

using namespace e2e;
using Lmr::ui::ControlId;

HWND snapshotWindowOf(const Program& program) {
  for (HWND window : program.topLevelWindows())
    if (className(window) == L"lmr_prev_class") return window;
  return nullptr;
}

bool shownOverTheScreen(HWND snapshot) {
  RECT frame{};
  GetWindowRect(snapshot, &frame);
  return IsWindowVisible(snapshot) && frame.left == GetSystemMetrics(SM_XVIRTUALSCREEN) &&
         frame.right - frame.left == GetSystemMetrics(SM_CXVIRTUALSCREEN) &&
         frame.bottom - frame.top == GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

// A plain window of the driver's own, put over a spot and taken away again, so that the window
// system asks what lies under it to repaint.
void coverAndUncover(const RECT& spot) {
  HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP,
                               spot.left, spot.top, spot.right - spot.left, spot.bottom - spot.top, nullptr, nullptr,
                               nullptr, nullptr);
  ShowWindow(cover, SW_SHOWNOACTIVATE);
  UpdateWindow(cover);
  pumpMessagesFor(300ms);
  DestroyWindow(cover);
  pumpMessagesFor(300ms);
}

class Snapshot : public testing::Test {
 protected:
  void SetUp() override {
    deleteSettingsKey();
    writeSettingsDword(L"", 1);
    writeSettingsDword(L"pick_from_snapshot", 1);
    session_.emplace(folder_);
    ASSERT_TRUE(session_->ready());
  }
  void TearDown() override { session_.reset(); }
  PickingSession& session() { return *session_; }

  ScratchFolder folder_;
  std::optional<PickingSession> session_;
};

TEST_F(Snapshot, TheFrozenPictureIsWhatIsPickedAndAPressOnItPicks) {
  PatternWindow leftPattern;  // on a monitor left of the primary, where the run has one
  const auto left = leftMonitor();
  if (left) {
    ASSERT_TRUE(leftPattern.show(firstPattern, left->x + 40, left->y + 60));
  }
  session().pressKey(VK_RETURN);
  ASSERT_TRUE(session().pickingBecomes(true));
  HWND snapshot = nullptr;
  ASSERT_TRUE(pollUntil([&] { return (snapshot = snapshotWindowOf(session().program())) && shownOverTheScreen(snapshot); }, 3s));
  EXPECT_EQ(windowText(snapshot), L"lumarin_preview_window");

  session().pattern().repaint(secondPattern);  // the screen changes under the picture
  ASSERT_TRUE(pointerTo(30, 40));
  EXPECT_TRUE(session().hexShows(patternAt(30, 40, firstPattern))) << session().text(ControlId::out_hex);
  if (left) {
    leftPattern.repaint(secondPattern);  // the picture covers that monitor too
    ASSERT_TRUE(pointerTo(left->x + 40 + 70, left->y + 60 + 20));
    EXPECT_TRUE(session().hexShows(patternAt(70, 20, firstPattern))) << session().text(ControlId::out_hex);
  }

  // A window over it and away: Wine restores what was under it by itself. A repaint the window
  // system asks for (as after a display or theme change): the window must draw the picture again.
  coverAndUncover({20, 30, 120, 130});
  RedrawWindow(snapshot, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  pumpMessagesFor(300ms);
  EXPECT_EQ(screenPixels({50, 60, 51, 61}).at(0), patternAt(50, 60, firstPattern))
      << "a repaint shows the frozen picture again, not the grey background";
  ASSERT_TRUE(pointerTo(50, 60));
  EXPECT_TRUE(session().hexShows(patternAt(50, 60, firstPattern))) << session().text(ControlId::out_hex);

  // The button let go only once the picture has gone with the pick its press ended: the release
  // must not reach the program that lay under the picture, which never saw the press.
  ASSERT_TRUE(session().outlastClickGrace(50, 60));
  ASSERT_TRUE(realPointer(L"mousedown 1"));
  EXPECT_TRUE(session().pickingBecomes(false));
  EXPECT_TRUE(pollUntil([&] { return !IsWindowVisible(snapshot); }, 3s));
  ASSERT_TRUE(realPointer(L"mouseup 1"));
  pumpMessagesFor(300ms);
  EXPECT_EQ(session().pattern().heard(), MouseMessages{}) << "the click does not reach the program underneath";
  EXPECT_EQ(session().text(ControlId::out_hex), hexOf(patternAt(50, 60, firstPattern)));
  EXPECT_TRUE(pollUntil([&] { return screenPixels({30, 40, 31, 41}).at(0) == patternAt(30, 40, secondPattern); }, 3s))
      << "the live screen again once the picture is gone " << std::hex << screenPixels({30, 40, 31, 41}).at(0);
}

TEST_F(Snapshot, RefreshFreezesANewPictureWithoutTheOldOneInIt) {
  session().pressKey(VK_RETURN);
  ASSERT_TRUE(session().pickingBecomes(true));
  ASSERT_TRUE(pointerTo(70, 20));
  ASSERT_TRUE(session().hexShows(patternAt(70, 20, firstPattern)));
  session().pattern().repaint(secondPattern);
  pumpMessagesFor(200ms);
  session().pressKey('R');
  // The driver keeps serving its own window, as any program under the picture does, so the
  // pattern is repainted while the program refreshes.
  pumpMessagesFor(500ms);
  EXPECT_TRUE(session().hexShows(patternAt(70, 20, secondPattern))) << session().text(ControlId::out_hex);
  EXPECT_TRUE(session().picking());
  EXPECT_TRUE(shownOverTheScreen(snapshotWindowOf(session().program())));
}

TEST_F(Snapshot, EscapeInTheSnapshotWindowEndsTheProgramAndLeavesNoIconInTheTray) {
  session().pressKey(VK_RETURN);
  HWND snapshot = nullptr;
  ASSERT_TRUE(pollUntil([&] { return (snapshot = snapshotWindowOf(session().program())) && IsWindowVisible(snapshot); }, 3s));
  const HWND tray = FindWindowW(nullptr, L"Wine System Tray");
  ASSERT_TRUE(tray && IsWindowVisible(tray));
  PostMessageW(snapshot, WM_KEYDOWN, VK_ESCAPE, 1);
  const auto code = session().program().waitForExit();
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(pollUntil([&] { return !IsWindowVisible(tray); }, 3s)) << "no ghost icon";
  session_.reset();
}

TEST(SnapshotOff, WithTheSettingOffNoSnapshotWindowAppears) {
  deleteSettingsKey();
  ScratchFolder folder;
  PickingSession session(folder);
  ASSERT_TRUE(session.ready());
  session.pressKey(VK_RETURN);
  ASSERT_TRUE(session.pickingBecomes(true));
  pumpMessagesFor(300ms);
  const HWND snapshot = snapshotWindowOf(session.program());
  EXPECT_TRUE(snapshot == nullptr || !IsWindowVisible(snapshot));
  session.pattern().repaint(secondPattern);
  ASSERT_TRUE(pointerTo(30, 40));
  EXPECT_TRUE(session.hexShows(patternAt(30, 40, secondPattern))) << "the live screen";
}

}  // namespace
