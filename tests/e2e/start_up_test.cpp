// Start-up of the real program: switches, the single instance, required files, the load step.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "harness.h"

namespace {

using namespace e2e;

class StartUp : public testing::Test {
 protected:
  void SetUp() override { deleteSettingsKey(); }
  void TearDown() override { deleteSettingsKey(); }

  // Starts the program with `arguments` and expects its window; closes it again, exit code 0.
  void expectNormalStart(const std::wstring& arguments) {
    Program program(folder, arguments);
    HWND window = program.waitForMainWindow();
    ASSERT_NE(window, nullptr) << "no window for: " << std::string(arguments.begin(), arguments.end());
    closeWindow(window);
    EXPECT_EQ(program.waitForExit(), 0u);
  }

  // Expects a message box with `message`, no main window, and exit code 0 after its OK.
  void expectFatalMessage(const std::wstring& message) {
    Program program(folder);
    HWND box = program.waitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box), L"Lumarin");
    EXPECT_EQ(messageBoxText(box), message);
    EXPECT_EQ(program.waitForMainWindow(0ms), nullptr);
    pressOk(box);
    EXPECT_EQ(program.waitForExit(), 0u);
  }

  ScratchFolder folder;
};

TEST_F(StartUp, SilentInstallEndsAtOnceAndTouchesNoSettings) {
  {
    Program program(folder, L"--silent-install");
    EXPECT_EQ(program.waitForExit(), 0u);
  }
  EXPECT_FALSE(settingsKeyExists());

  writeSettingsDword(L"round_hsb", 0);
  Program program(folder, L"--silent-install");
  EXPECT_EQ(program.waitForExit(), 0u);
  EXPECT_EQ(readSettingsDword(L"round_hsb"), 0u);
}

TEST_F(StartUp, UninstallDeletesTheSettingsKeyWhateverFollows) {
  for (const std::wstring arguments : {L"--uninstall", L"--uninstall --silent-install extra"}) {
    writeSettingsDword(L"minimize_tray", 1);
    Program program(folder, arguments);
    EXPECT_EQ(program.waitForExit(), 0u);
    EXPECT_FALSE(settingsKeyExists());
  }
  Program again(folder, L"--uninstall");  // no key: nothing to delete, same ending
  EXPECT_EQ(again.waitForExit(), 0u);
}

TEST_F(StartUp, OtherArgumentsStartTheProgramNormally) {
  writeSettingsDword(L"minimize_tray", 1);
  for (const std::wstring arguments : {L"--Uninstall", L"x --uninstall", L"--junk --silent-install"})
    expectNormalStart(arguments);
  EXPECT_EQ(readSettingsDword(L"minimize_tray"), 1u);
}

// Started at sign-in, the program waits in the tray with its window hidden.
TEST_F(StartUp, ASecondStartShowsAFirstInstanceWaitingInTheTrayAndEnds) {
  Program first(folder, L"--tray");
  HWND window = first.waitForHiddenMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(pollUntil(trayShowsAnIcon, 5s)) << "the icon is in the tray";
  pumpMessagesFor(500ms);
  EXPECT_FALSE(IsWindowVisible(window));

  Program second(folder);
  EXPECT_EQ(second.waitForExit(), 0u);
  EXPECT_TRUE(pollUntil([&] { return IsWindowVisible(window) != FALSE; }, 5s));
  EXPECT_FALSE(IsIconic(window));
  closeWindow(window);
  EXPECT_EQ(first.waitForExit(), 0u);
}

// With none running, "--pick" starts the program and pick mode once it has loaded.
TEST_F(StartUp, APickStartWithNoneRunningStartsInPickMode) {
  Program program(folder, L"--pick");
  HWND window = program.waitForMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(pollUntil([&] { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 3s));
  postKeyPress(window, VK_ESCAPE);
  EXPECT_TRUE(pollUntil([&] { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }, 3s));
  closeWindow(window);
  EXPECT_EQ(program.waitForExit(), 0u);
}

// A folder window of another program titled "Lumarin" is not what a second start restores.
TEST_F(StartUp, ASecondStartRestoresOurWindowNotAnotherOneOfTheSameTitle) {
  WNDCLASSEXW folderClass{};
  folderClass.cbSize = sizeof folderClass;
  folderClass.lpfnWndProc = DefWindowProcW;
  folderClass.hInstance = GetModuleHandleW(nullptr);
  folderClass.lpszClassName = L"LumarinE2EFolderWindow";
  RegisterClassExW(&folderClass);
  Program first(folder);
  HWND window = first.waitForMainWindow();
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_HIDE);
  ASSERT_TRUE(pollUntil([&] { return !IsWindowVisible(window); }, 5s));
  // Made after ours, so a search by title alone meets it first.
  HWND folderWindow = CreateWindowExW(0, folderClass.lpszClassName, L"Lumarin", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                      nullptr, nullptr, folderClass.hInstance, nullptr);
  ASSERT_EQ(FindWindowW(nullptr, L"Lumarin"), folderWindow);

  Program second(folder);
  EXPECT_EQ(second.waitForExit(), 0u);
  EXPECT_TRUE(pollUntil([&] { return IsWindowVisible(window) != FALSE; }, 5s));
  pumpMessagesFor(200ms);
  EXPECT_FALSE(IsWindowVisible(folderWindow)) << "the other window stays as it was";
  DestroyWindow(folderWindow);
  closeWindow(window);
  EXPECT_EQ(first.waitForExit(), 0u);
}

// Ten starts in the same instant: one runs with one main window, every other ends with 0.
TEST_F(StartUp, TenSimultaneousStartsLeaveOneInstance) {
  std::vector<std::unique_ptr<Program>> starts;
  for (int i = 0; i < 10; ++i) starts.push_back(std::make_unique<Program>(folder));
  std::size_t ended = 0;
  pollUntil(
      [&] {
        ended = 0;
        for (const auto& start : starts) ended += !start->running();
        return ended == starts.size() - 1;
      },
      30s);
  EXPECT_EQ(ended, starts.size() - 1);
  Program* survivor = nullptr;
  for (const auto& start : starts) {
    if (start->running()) {
      survivor = start.get();
    } else {
      EXPECT_EQ(start->waitForExit(0s), 0u);
    }
  }
  ASSERT_NE(survivor, nullptr);
  HWND window = survivor->waitForMainWindow();
  ASSERT_NE(window, nullptr);
  std::size_t mainWindows = 0;
  for (const auto& start : starts)
    for (HWND each : start->topLevelWindows()) mainWindows += className(each) == L"LumarinMainWindow";
  EXPECT_EQ(mainWindows, 1u);
  closeWindow(window);
  EXPECT_EQ(survivor->waitForExit(), 0u);
}

// The settings key after starts that delete it and one that makes it, all at once: absent, or
// whole as a start makes it (its marker, with all six settings or none), never a part of them.
bool settingsKeyIsWhole() {
  if (!settingsKeyExists()) return true;
  const std::vector<std::wstring> names = settingsValueNames();
  const bool marked = std::find(names.begin(), names.end(), L"") != names.end() && readSettingsDword(L"") == 1u;
  return marked && (names.size() == 1 || names.size() == 7);
}

TEST_F(StartUp, UninstallsAtOnceWithAStartBetweenLeaveTheKeyWholeOrGone) {
  for (int round = 0; round < 3; ++round) {
    writeSettingsDword(L"", 1);
    for (const wchar_t* name : {L"minimize_tray", L"close_btn_minimizes", L"pick_from_snapshot", L"window_move_pick",
                                L"lines_between_pixels", L"round_hsb"})
      writeSettingsDword(name, 1);
    std::vector<std::unique_ptr<Program>> uninstalls;
    for (int i = 0; i < 5; ++i) uninstalls.push_back(std::make_unique<Program>(folder, L"--uninstall"));
    Program normal(folder);
    for (int i = 0; i < 5; ++i) uninstalls.push_back(std::make_unique<Program>(folder, L"--uninstall"));
    for (const auto& uninstall : uninstalls) EXPECT_EQ(uninstall->waitForExit(), 0u) << "round " << round;
    HWND window = normal.waitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(settingsKeyIsWhole()) << "round " << round << ": " << settingsValueNames().size() << " values";
    closeWindow(window);
    EXPECT_EQ(normal.waitForExit(), 0u);
    EXPECT_TRUE(settingsKeyIsWhole()) << "round " << round;
  }
}

TEST_F(StartUp, EachMissingFileIsNamedAndEndsTheProgram) {
  for (const std::wstring name : {L"app.ico", L"default.png", L"crosshair.png", L"LumarinMouse.dll"}) {
    ScratchFolder incomplete;
    incomplete.remove(name);
    Program program(incomplete);
    HWND box = program.waitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageBoxText(box), L"ERROR Resource file not found: " + name);
    pressOk(box);
    EXPECT_EQ(program.waitForExit(), 0u);
  }
}

TEST_F(StartUp, OnlyTheFirstMissingFileIsNamed) {
  folder.remove(L"default.png");
  folder.remove(L"LumarinMouse.dll");
  expectFatalMessage(L"ERROR Resource file not found: default.png");
}

TEST_F(StartUp, ALibraryThatCannotBeLoadedGivesItsMessage) {
  folder.overwrite(L"LumarinMouse.dll", "this is not a library");
  expectFatalMessage(L"Fatal Error: Could not load LumarinMouse.dll");
}

// Also when started through a link in a folder of its own, as winget's command alias is: the
// files are beside the program file the link leads to.
TEST_F(StartUp, FindsItsFilesFromAnyWorkingFolderAndThroughALink) {
  ASSERT_TRUE(folder.link(L"links\\lumarin.exe", L"Lumarin.exe"));
  for (const wchar_t* programFile : {L"Lumarin.exe", L"links\\lumarin.exe"}) {
    Program program(folder, L"", L"C:\\", programFile);
    HWND window = program.waitForMainWindow();
    ASSERT_NE(window, nullptr) << "started as " << std::string(programFile, programFile + wcslen(programFile));
    EXPECT_EQ(windowText(window), L"Lumarin");
    closeWindow(window);
    EXPECT_EQ(program.waitForExit(), 0u);
  }
}

TEST_F(StartUp, TheWindowIsNotTopmostOnceLoaded) {
  Program program(folder);
  HWND window = program.waitForMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  closeWindow(window);
  EXPECT_EQ(program.waitForExit(), 0u);
}

// (Wine answers WM_GETICON only within the window's own process, so the icon that stands in for
// an unreadable file cannot be read back from here.)
TEST_F(StartUp, UnreadablePicturesLeaveTheProgramRunning) {
  folder.overwrite(L"app.ico", "not an icon");
  folder.overwrite(L"default.png", "not a picture");
  Program program(folder);
  HWND window = program.waitForMainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(program.running());
  closeWindow(window);
  EXPECT_EQ(program.waitForExit(), 0u);
}

}  // namespace
