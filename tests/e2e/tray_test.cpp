// The tray icon and the main window's life in the running program: the icon in Wine's system tray,
// its menu opened with a real right press, each menu command, and what minimising and closing do
// under the two settings and the close reason.
#include <gtest/gtest.h>

#include <optional>

#include "harness.h"
#include "ports/control_id.h"

namespace {

using namespace e2e;

HWND menuOf(const Program& program) {
  for (HWND window : program.topLevelWindows())
    if (IsWindowVisible(window) && className(window) == L"#32768") return window;
  return nullptr;
}

bool topmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class TrayRun : public testing::Test {
 protected:
  void start(bool closeMinimizes = false, bool minimizeToTray = false) {
    deleteSettingsKey();
    writeSettingsDword(L"", 1);
    writeSettingsDword(L"close_btn_minimizes", closeMinimizes);
    writeSettingsDword(L"minimize_tray", minimizeToTray);
    program_.emplace(folder_);
    window_ = program_->waitForMainWindow();
    ASSERT_NE(window_, nullptr);
    SetWindowPos(window_, nullptr, 600, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(pollUntil(trayShowsAnIcon, 5s)) << "the icon is in the tray";
  }
  void TearDown() override {
    if (!program_ || !program_->running()) return;
    PostMessageW(window_, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(program_->waitForExit(), 0u);
  }

  // A real right press on the icon, the first in the tray window. Wine now and then ends the
  // menu's tracking as soon as it has drawn it (seen with another Wine session busy beside this
  // one), so a menu that does not stay is asked for again.
  HWND openMenu() {
    const HWND tray = wineTray();
    RECT client{};
    GetClientRect(tray, &client);
    POINT icon{client.bottom / 2, client.bottom / 2};
    ClientToScreen(tray, &icon);
    if (!pointerTo(icon.x, icon.y)) return nullptr;
    for (int press = 0; press < 3; ++press) {
      if (!realPointer(L"click 3")) return nullptr;
      if (const HWND menu = waitForMenu(1s)) return menu;
    }
    return nullptr;
  }
  HWND waitForMenu(Clock::duration limit = 3s) const {
    HWND menu = nullptr;
    pollUntil([&] { return (menu = menuOf(*program_)) != nullptr; }, limit);
    return menu;
  }
  // One of the menu's four items, counted from the top, chosen with a real click. The menu is
  // opened by the right press as the tray reports it: Wine's tray window takes the real button's
  // release after its menu has gone as the start of its next press, so only the first real press
  // of a run opens the menu reliably.
  void choose(int item) {
    PostMessageW(window_, 1224, 100, WM_RBUTTONDOWN);
    const HWND menu = waitForMenu();
    ASSERT_NE(menu, nullptr) << "the menu opens on a right press";
    RECT frame{};
    GetWindowRect(menu, &frame);
    const int y = frame.top + (frame.bottom - frame.top) * (2 * item + 1) / 8;
    ASSERT_TRUE(pointerTo((frame.left + frame.right) / 2, y));
    ASSERT_TRUE(realPointer(L"click 1"));
    EXPECT_TRUE(pollUntil([&] { return menuOf(*program_) == nullptr; }, 3s));
  }
  bool ends() {
    const auto code = program_->waitForExit();
    return code && *code == 0;
  }

  ScratchFolder folder_;
  std::optional<Program> program_;
  HWND window_ = nullptr;
};

TEST_F(TrayRun, TheMenuShowsPicksOpensTheOptionsAndExits) {
  start();
  const HWND menu = openMenu();
  ASSERT_NE(menu, nullptr);
  RECT frame{};
  GetWindowRect(menu, &frame);
  EXPECT_GT(frame.bottom - frame.top, 4 * GetSystemMetrics(SM_CYMENUSIZE) * 3 / 4) << "four items";
  EXPECT_LT(frame.bottom - frame.top, 5 * GetSystemMetrics(SM_CYMENUSIZE) + 8);
  PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(pollUntil([&] { return menuOf(*program_) == nullptr; }, 3s));

  choose(1);  // "Pick Color..."
  EXPECT_TRUE(pollUntil([&] { return topmost(window_); }, 3s)) << "pick mode started";
  choose(1);
  EXPECT_TRUE(pollUntil([&] { return !topmost(window_); }, 3s)) << "and ended";

  ShowWindow(window_, SW_HIDE);
  ASSERT_TRUE(pollUntil([&] { return !IsWindowVisible(window_); }, 3s));
  choose(0);  // "Show Lumarin"
  EXPECT_TRUE(pollUntil([&] { return IsWindowVisible(window_) != FALSE; }, 3s));

  choose(2);  // "Options and About"
  HWND options = nullptr;
  EXPECT_TRUE(pollUntil([&] { return (options = FindWindowW(L"LumarinOptions", nullptr)) && IsWindowVisible(options); }, 3s));
  PostMessageW(options, WM_CLOSE, 0, 0);
  ASSERT_TRUE(pollUntil([&] { return !IsWindowVisible(options); }, 3s));

  // Over the history dialog, the options leave the main window as they found it: held by the
  // history, which stays the active window.
  clickControl(GetDlgItem(window_, static_cast<int>(Lmr::ui::ControlId::color_previous)));
  HWND history = nullptr;
  ASSERT_TRUE(pollUntil([&] { return (history = FindWindowW(L"LumarinHistory", nullptr)) && IsWindowVisible(history); }, 3s));
  choose(2);
  ASSERT_TRUE(pollUntil([&] { return IsWindowVisible(options) != FALSE; }, 3s));
  PostMessageW(options, WM_CLOSE, 0, 0);
  ASSERT_TRUE(pollUntil([&] { return !IsWindowVisible(options); }, 3s));
  EXPECT_FALSE(IsWindowEnabled(window_)) << "the main window takes no input under the history dialog";
  EXPECT_TRUE(IsWindowVisible(history));

  // Exit with both dialogs open: every window ends before or without its object (the harness
  // fails a run in which Wine reports an exception).
  choose(2);
  ASSERT_TRUE(pollUntil([&] { return IsWindowVisible(options) != FALSE; }, 3s));
  choose(3);  // "Exit"
  EXPECT_TRUE(ends());
  EXPECT_TRUE(pollUntil([] { return !trayShowsAnIcon(); }, 3s)) << "the icon is gone";
}

TEST_F(TrayRun, ALeftPressOnTheIconBringsAHiddenWindowBack) {
  start();
  ShowWindow(window_, SW_HIDE);
  ASSERT_TRUE(pollUntil([&] { return !IsWindowVisible(window_); }, 3s));
  const HWND tray = wineTray();
  RECT client{};
  GetClientRect(tray, &client);
  POINT icon{client.bottom / 2, client.bottom / 2};
  ClientToScreen(tray, &icon);
  ASSERT_TRUE(pointerTo(icon.x, icon.y));
  ASSERT_TRUE(realPointer(L"click 1"));
  EXPECT_TRUE(pollUntil([&] { return IsWindowVisible(window_) != FALSE; }, 3s));
}

struct CloseCase {
  bool closeMinimizes, minimizeToTray;
  enum Outcome { Hidden, Minimised, Closed } outcome;
};

class TrayClose : public TrayRun, public testing::WithParamInterface<CloseCase> {};

TEST_P(TrayClose, TheCloseButtonFollowsTheSettings) {
  const CloseCase row = GetParam();
  start(row.closeMinimizes, row.minimizeToTray);
  closeWindow(window_);  // as the title bar's close button
  switch (row.outcome) {
    case CloseCase::Hidden:
      EXPECT_TRUE(pollUntil([&] { return !IsWindowVisible(window_); }, 3s));
      break;
    case CloseCase::Minimised:
      EXPECT_TRUE(pollUntil([&] { return IsIconic(window_) != FALSE; }, 3s));
      EXPECT_TRUE(IsWindowVisible(window_));
      break;
    case CloseCase::Closed:
      EXPECT_TRUE(ends());
      EXPECT_TRUE(pollUntil([] { return !trayShowsAnIcon(); }, 3s));
      return;
  }
  pumpMessagesFor(300ms);
  EXPECT_TRUE(program_->running());
  EXPECT_TRUE(trayShowsAnIcon());
}

INSTANTIATE_TEST_SUITE_P(Settings, TrayClose,
                         testing::Values(CloseCase{true, true, CloseCase::Hidden},
                                         CloseCase{true, false, CloseCase::Minimised},
                                         CloseCase{false, true, CloseCase::Closed},
                                         CloseCase{false, false, CloseCase::Closed}));

TEST_F(TrayRun, MinimisingHidesTheWindowOnlyWithTheTraySetting) {
  start(false, true);
  PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(pollUntil([&] { return !IsWindowVisible(window_); }, 3s));
  EXPECT_TRUE(program_->running());
}

TEST_F(TrayRun, MinimisingWithoutTheTraySettingStaysMinimised) {
  start(false, false);
  PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(pollUntil([&] { return IsIconic(window_) != FALSE; }, 3s));
  pumpMessagesFor(300ms);
  EXPECT_TRUE(IsWindowVisible(window_));
}

TEST_F(TrayRun, AltF4DuringPickModeEndsTheProgram) {
  start(false, true);
  postKeyPress(window_, VK_RETURN);
  ASSERT_TRUE(pollUntil([&] { return topmost(window_); }, 3s)) << "pick mode is on";
  const UINT scanCode = MapVirtualKeyW(VK_F4, MAPVK_VK_TO_VSC);
  PostMessageW(window_, WM_SYSKEYDOWN, VK_F4, static_cast<LPARAM>(1 | scanCode << 16 | 1u << 29));  // with Alt held
  EXPECT_TRUE(ends());
  EXPECT_TRUE(pollUntil([] { return !trayShowsAnIcon(); }, 3s));
}

TEST_F(TrayRun, AnEndOfSessionOrAnotherProgramsCloseClosesWhateverTheSettings) {
  start(true, true);
  PostMessageW(window_, WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(ends());
  EXPECT_TRUE(pollUntil([] { return !trayShowsAnIcon(); }, 3s));

  program_.emplace(folder_);
  window_ = program_->waitForMainWindow();
  ASSERT_NE(window_, nullptr);
  ASSERT_TRUE(pollUntil(trayShowsAnIcon, 5s));
  PostMessageW(window_, WM_CLOSE, 0, 0);  // not through the title bar: a task manager's close
  EXPECT_TRUE(ends());
  EXPECT_TRUE(pollUntil([] { return !trayShowsAnIcon(); }, 3s));
}

}  // namespace
