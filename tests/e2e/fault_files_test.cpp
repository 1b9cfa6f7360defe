// Required files that are there but not usable: a folder in a file's place, empty files, and
// mouse libraries that lack some of their three entry points.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "harness.h"
#include "picking_session.h"

namespace {

using namespace e2e;

const std::wstring fileNames[] = {L"app.ico", L"default.png", L"crosshair.png", L"LumarinMouse.dll"};

// A run that must show `message` in a box captioned "Lumarin" and end with 0 after its OK, or,
// for no message, show its main window and end with 0 when closed.
void expectStartEndingIn(const ScratchFolder& folder, const std::wstring& message) {
  Program program(folder);
  if (message.empty()) {
    const HWND window = program.waitForMainWindow();
    ASSERT_NE(window, nullptr);
    closeWindow(window);
  } else {
    const HWND box = program.waitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box) + L": " + messageBoxText(box), L"Lumarin: " + message);
    EXPECT_EQ(program.waitForMainWindow(0ms), nullptr) << "the message comes instead of the window";
    pressOk(box);
  }
  EXPECT_EQ(program.waitForExit(), 0u);
}

class FaultsFiles : public testing::Test {
 protected:
  void SetUp() override { deleteSettingsKey(); }
  void TearDown() override { deleteSettingsKey(); }
};

TEST_F(FaultsFiles, AFolderInPlaceOfARequiredFileCountsAsMissing) {
  for (const auto& name : fileNames) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    ScratchFolder folder;
    folder.remove(name);
    std::filesystem::create_directory(folder.file(name));
    expectStartEndingIn(folder, L"ERROR Resource file not found: " + name);
  }
}

// An empty icon leaves the window, dialogs and tray with the system's icon; an empty idle picture
// leaves the magnifier empty until the first pick; the crosshair is never read.
TEST_F(FaultsFiles, EmptyFilesStartTheProgramExceptAnEmptyMouseLibrary) {
  for (const auto& name : fileNames) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    ScratchFolder folder;
    folder.overwrite(name, "");
    expectStartEndingIn(folder, name == L"LumarinMouse.dll" ? L"Fatal Error: Could not load LumarinMouse.dll" : L"");
  }
}

std::string driverFolderFile(const std::wstring& name) {
  wchar_t driver[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, driver, MAX_PATH);
  std::ifstream in(std::filesystem::path(driver).parent_path() / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A library without an entry point is one that does nothing there: pick mode starts and ends by
// key and by the PICK button, the pick point stays where it was (the pointer is not followed),
// and the program closes with 0 (the session checks it).
TEST_F(FaultsFiles, AMouseLibraryLackingEntryPointsStillPicksAndCloses) {
  for (const std::wstring variant : {L"only_get", L"without_end", L"without_begin", L"none"}) {
    SCOPED_TRACE(std::string(variant.begin(), variant.end()));
    const std::string library = driverFolderFile(L"partial_mouse_" + variant + L".dll");
    ASSERT_FALSE(library.empty());
    ScratchFolder folder;
    folder.overwrite(L"LumarinMouse.dll", library);
    PickingSession session(folder);
    ASSERT_TRUE(session.ready());
    session.pressKey(VK_RETURN);
    ASSERT_TRUE(session.pickingBecomes(true));
    ASSERT_TRUE(pointerTo(30, 40));
    EXPECT_TRUE(session.hexShows(patternAt(0, 0, firstPattern))) << session.text(Lmr::ui::ControlId::out_hex);
    session.pressKey(VK_RETURN);
    ASSERT_TRUE(session.pickingBecomes(false));
    const HWND pick = session.control(Lmr::ui::ControlId::btn_pick);
    clickControl(pick);
    ASSERT_TRUE(session.pickingBecomes(true));
    session.pressKey(VK_RIGHT);
    EXPECT_TRUE(session.hexShows(patternAt(1, 0, firstPattern))) << session.text(Lmr::ui::ControlId::out_hex);
    clickControl(pick);
    ASSERT_TRUE(session.pickingBecomes(false));
  }
}

}  // namespace
