// The main window's messages, its tray menu, minimising and closing, against a recording platform.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "app/lumarin.h"
#include "app/window_life_rules.h"
#include "pick/snapshot.h"
#include "fake_platform.h"

namespace {

using Lmr::CloseOutcome;
using Lmr::CloseReason;
using Lmr::Setting;
using Lmr::testing::FakePlatform;
using Calls = std::vector<std::string>;

class WindowLife : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lumarin.Lumarin_Load());
    fake.calls.clear();
  }
  void message(std::uint32_t number, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
    lumarin.WndProc(number, wParam, lParam);
  }
  void settings(bool closeMinimizes, bool toTray) {
    fake.checks[Setting::close_btn_minimizes] = closeMinimizes;
    fake.checks[Setting::minimize_tray] = toTray;
  }

  FakePlatform fake;
  Lmr::Platform platform = fake.platform();
  Lmr::Lumarin lumarin{platform};
};

TEST(WindowMessages, TheTrayMenuHasItsFourItemsInOrder) {
  const auto items = Lmr::trayMenuItems();
  ASSERT_EQ(items.size(), 4u);
  const std::pair<const wchar_t*, std::uint16_t> expected[] = {
      {L"Show Lumarin", 1024}, {L"Pick Color...", 1025}, {L"Options and About", 1026}, {L"Exit", 1027}};
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].text, expected[i].first);
    EXPECT_EQ(items[i].command, expected[i].second);
  }
}

TEST(WindowMessages, OnlyTheUsersOwnCloseMayBecomeAHideOrAMinimise) {
  using R = CloseReason;
  using O = CloseOutcome;
  const std::tuple<bool, R, bool, bool, O> table[] = {
      {true, R::UserClosing, false, false, O::Close},         {true, R::UserClosing, false, true, O::Close},
      {true, R::UserClosing, true, false, O::Minimize},       {true, R::UserClosing, true, true, O::Hide},
      {true, R::WindowsShutDown, true, true, O::Close},       {true, R::TaskManagerClosing, true, true, O::Close},
      {true, R::FormOwnerClosing, true, false, O::Close},     {true, R::ApplicationExitCall, true, true, O::Close},
      {false, R::UserClosing, true, true, O::CloseWithoutShutdownSteps},
  };
  for (const auto& [ready, reason, minimizes, toTray, outcome] : table)
    EXPECT_EQ(Lmr::closeOutcomeFor(ready, reason, minimizes, toTray), outcome)
        << static_cast<int>(reason) << " " << minimizes << toTray;
}

TEST(WindowMessages, TheSnapshotWindowsMessageTable) {
  using M = Lmr::SnapshotMessage;
  const std::tuple<std::uint32_t, std::uintptr_t, M> table[] = {
      {1, 0, M::Ignore},      {2, 0, M::Ignore},       {15, 0, M::Repaint},      {0x100, 27, M::Quit},
      {0x100, 13, M::Ignore}, {0x201, 0, M::EndPicking}, {0x204, 0, M::EndPicking}, {0x207, 0, M::Default},
      {0x202, 0, M::Default}, {0x20, 0, M::Default},    {0x2E0, 0x600060, M::Ignore},
  };
  for (const auto& [number, wParam, action] : table)
    EXPECT_EQ(Lmr::snapshotMessageAction(number, wParam), action) << number << " " << wParam;
}

TEST_F(WindowLife, TheMessageProcedureDispatchesItsFourMessages) {
  message(15);
  EXPECT_EQ(fake.calls, Calls{"draw last view"});
  fake.calls.clear();
  message(275);
  EXPECT_TRUE(fake.calls.empty()) << "a tick outside pick mode does nothing";
  message(273, 1025);
  EXPECT_TRUE(lumarin.pickMode().is_picking());
  fake.calls.clear();
  message(275);
  EXPECT_EQ(fake.calls, (Calls{"capture"}));
  message(273, (7u << 16) | 1025);  // the low word is the command
  EXPECT_FALSE(lumarin.pickMode().is_picking());
  fake.calls.clear();
  for (const std::uintptr_t command : {1023u, 1028u, 0u}) message(273, command);
  message(0x200);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(WindowLife, TrayInputOpensTheMenuOrBringsTheWindowBack) {
  message(1224, 100, 516);
  EXPECT_EQ(fake.calls, Calls{"menu"});
  EXPECT_EQ(fake.menuCommands, (std::vector<std::uint16_t>{1024, 1025, 1026, 1027}));
  fake.calls.clear();
  message(1224, 100, 513);
  EXPECT_EQ(fake.calls, (Calls{"restore", "activate", "foreground"}));
  fake.calls.clear();
  for (const std::intptr_t other : {514, 515, 517, 518, 519, 512, 520}) message(1224, 100, other);
  EXPECT_TRUE(fake.calls.empty()) << "releases, double clicks, moves and the middle button do nothing";
}

TEST_F(WindowLife, ShowOptionsAndExitCommands) {
  message(273, 1024);
  EXPECT_EQ(fake.calls, (Calls{"restore", "activate"}));
  fake.calls.clear();
  message(273, 1026);
  EXPECT_EQ(fake.calls, Calls{"options shown"});
  fake.calls.clear();
  fake.optionsVisible = true;
  message(273, 1026);
  EXPECT_TRUE(fake.calls.empty()) << "an open dialog is only focused";
  message(273, 1025);
  fake.calls.clear();
  message(273, 1027);
  EXPECT_EQ(fake.calls, (Calls{"remove icon", "quit"})) << "no closing handler, no monitor stop";
  // The monitor is stopped when the program's object ends, before the record it fills does (the
  // fake platform fails the run otherwise).
}

// A later start's "--pick": pick mode starts as the tray menu starts it, and a request while it
// is on changes nothing.
TEST_F(WindowLife, APickRequestStartsPickModeOnlyWhenItIsOff) {
  message(0xC456);
  EXPECT_TRUE(lumarin.pickMode().is_picking());
  fake.calls.clear();
  message(0xC456);
  EXPECT_TRUE(lumarin.pickMode().is_picking());
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(WindowLife, ARestartedTrayGetsTheIconAgain) {
  message(0xC123);
  EXPECT_EQ(fake.calls, Calls{"add icon"});
}

// At sign-in the tray may not be ready: the icon is asked for again on a timer of its own until
// the tray takes it (or a restarted tray does); a program started hidden whose icon never comes
// shows its window rather than run with neither.
TEST(WindowLifeAtSignIn, TheIconIsAskedForAgainUntilTakenElseTheHiddenWindowShows) {
  for (const int refusals : {3, 1000}) {
    FakePlatform fake;
    fake.trayRefusals = refusals;
    Lmr::Platform platform = fake.platform();
    Lmr::Lumarin lumarin{platform};
    ASSERT_TRUE(lumarin.Lumarin_Load());
    ASSERT_EQ(fake.runningTimers.size(), 1u) << "the icon was refused: asked for again";
    const std::uint32_t retry = fake.runningTimers.front();
    fake.calls.clear();
    for (int tick = 0; tick < 60; ++tick) lumarin.WndProc(275, retry, 0);
    const auto count = [&](const char* call) { return std::count(fake.calls.begin(), fake.calls.end(), call); };
    EXPECT_EQ(count("add icon"), refusals == 3 ? 3 : 60);
    EXPECT_EQ(count("stop timer"), 1);
    EXPECT_EQ(count("restore"), refusals == 3 ? 0 : 1) << "with neither icon nor window, the window shows";
    EXPECT_TRUE(fake.runningTimers.empty());
    fake.calls.clear();
    lumarin.WndProc(275, retry, 0);
    EXPECT_EQ(count("add icon"), 0) << "a later timer message is pick mode's";
  }
}

TEST(WindowLifeAtSignIn, ATrayThatStartsMeanwhileTakesTheIconAndEndsTheRetries) {
  FakePlatform fake;
  fake.trayRefusals = 1;
  Lmr::Platform platform = fake.platform();
  Lmr::Lumarin lumarin{platform};
  ASSERT_TRUE(lumarin.Lumarin_Load());
  fake.calls.clear();
  lumarin.WndProc(0xC123, 0, 0);  // the tray's restart message
  EXPECT_EQ(fake.calls, (Calls{"add icon", "stop timer"}));
  EXPECT_TRUE(fake.runningTimers.empty());
}

TEST_F(WindowLife, ClosingFollowsTheSettingsAndTheReason) {
  settings(true, true);
  EXPECT_TRUE(lumarin.Lumarin_FormClosing(CloseReason::UserClosing));
  settings(true, false);
  EXPECT_TRUE(lumarin.Lumarin_FormClosing(CloseReason::UserClosing));
  EXPECT_EQ(fake.calls, (Calls{"hide", "minimize"}));
  fake.calls.clear();
  EXPECT_FALSE(lumarin.Lumarin_FormClosing(CloseReason::WindowsShutDown));
  EXPECT_EQ(fake.calls, (Calls{"end", "remove icon"}));
}

TEST_F(WindowLife, ClosingDuringPickModeClearsItFirst) {
  message(273, 1025);
  fake.calls.clear();
  EXPECT_FALSE(lumarin.Lumarin_FormClosing(CloseReason::UserClosing));
  EXPECT_FALSE(lumarin.pickMode().is_picking());
  EXPECT_EQ(fake.calls, (Calls{"sleep 250", "end", "remove icon"}));
}

TEST(WindowLifeBeforeLoading, AClosingRunsNoStepsAndPaintDrawsNothing) {
  FakePlatform fake;
  Lmr::Platform platform = fake.platform();
  Lmr::Lumarin lumarin{platform};
  fake.checks[Setting::close_btn_minimizes] = fake.checks[Setting::minimize_tray] = true;
  fake.calls.clear();
  EXPECT_FALSE(lumarin.Lumarin_FormClosing(CloseReason::UserClosing));
  lumarin.WndProc(15, 0, 0);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(WindowLife, MinimisingHidesOnlyWithTheTraySetting) {
  fake.clientWide = 0;
  lumarin.Lumarin_Resize();
  EXPECT_TRUE(fake.calls.empty());
  settings(false, true);
  lumarin.Lumarin_Resize();
  EXPECT_EQ(fake.calls, Calls{"hide"});
  fake.calls.clear();
  fake.clientWide = 300;
  lumarin.Lumarin_Resize();
  EXPECT_TRUE(fake.calls.empty()) << "a size change that is not a minimise";
}

TEST_F(WindowLife, TheScreenIsFrozenAtEveryStartWithTheSettingAndTheWindowMadeOnce) {
  fake.checks[Setting::pick_from_snapshot] = true;
  const Calls freeze{"snapshot hide", "snapshot capture", "snapshot show", "snapshot move", "sleep 5", "snapshot draw"};
  message(273, 1025);
  Calls expected{"topmost", "begin", "sleep 0", "timer 32", "snapshot create"};
  expected.insert(expected.end(), freeze.begin(), freeze.end());
  expected.insert(expected.end(), {"restore", "activate", "foreground"});
  EXPECT_EQ(fake.calls, expected);
  EXPECT_EQ(fake.snapshot.placedAt, fake.snapshot.virtualScreen);

  fake.calls.clear();
  lumarin.ProcessCmdKey(0x100, 82);  // R: a fresh picture
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "snapshot create"), 0);
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "snapshot hide"), 2) << "at the end, and before the capture";
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "snapshot draw"), 1);

  fake.snapshot.captures = false;
  lumarin.ProcessCmdKey(0x100, 82);
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "snapshot draw"), 1) << "no picture, nothing drawn";
}

TEST_F(WindowLife, WithoutTheSettingNoSnapshotWindowAndAPressOnItPicks) {
  message(273, 1025);
  message(273, 1025);
  EXPECT_EQ(std::count_if(fake.calls.begin(), fake.calls.end(), [](const std::string& c) { return c.rfind("snapshot", 0) == 0; }), 0);
  lumarin.snapshotPressed();
  EXPECT_FALSE(lumarin.pickMode().is_picking()) << "nothing to end";
  message(273, 1025);
  lumarin.snapshotPressed();
  EXPECT_FALSE(lumarin.pickMode().is_picking());
}

TEST_F(WindowLife, EscapeInTheSnapshotWindowLeavesNoIconBehind) {
  lumarin.quitFromSnapshot();
  EXPECT_EQ(fake.calls, (Calls{"end", "remove icon", "quit"}));
}

}  // namespace
