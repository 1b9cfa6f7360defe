// Pick mode in the running program, driven the way a user picks: the real pointer moved and
// pressed through the X server over the driver's test pattern, keys in the main window.
#include <oleacc.h>
#include <gtest/gtest.h>

#include <array>
#include <cwchar>

#include "harness.h"
#include "picking_session.h"
#include "ui/control_help.h"

namespace {

using namespace e2e;
using Lmr::ui::ControlId;

// Long enough for several ticks of pick mode, had it gone on.
constexpr auto severalTicks = 300ms;

std::uint32_t at(int x, int y) { return patternAt(x, y, firstPattern); }

// The text of the program's tooltip on show, or "" when none shows.
std::wstring shownTooltip(const Program& program) {
  for (HWND window : program.topLevelWindows())
    if (className(window) == L"tooltips_class32" && IsWindowVisible(window)) return windowText(window);
  return L"";
}

// A control's name or value as a screen reader reads it, through the system's accessibility
// interface from this process.
std::wstring readAloud(HWND control, bool value) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object))))
    return L"(no object)";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  const HRESULT read = value ? object->get_accValue(self, &text) : object->get_accName(self, &text);
  std::wstring result = SUCCEEDED(read) && text ? std::wstring(text) : L"(nothing)";
  SysFreeString(text);
  object->Release();
  return result;
}

// The three numbers of a colour text of the form `pattern`, each within its tolerance of the one
// expected: independent computations of a conversion differ in the last digit.
void expectColourText(const std::wstring& copied, const wchar_t* pattern, const std::array<double, 3>& expected,
                      const std::array<double, 3>& tolerances) {
  std::array<double, 3> read{};
  ASSERT_EQ(std::swscanf(copied.c_str(), pattern, &read[0], &read[1], &read[2]), 3) << copied;
  for (std::size_t i = 0; i < read.size(); ++i) EXPECT_NEAR(read[i], expected[i], tolerances[i]) << copied;
}

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

// The press that picks and its release never reach the window picked from, also when the release
// comes after pick mode has ended, or after a new pick mode has started; outside pick mode the
// same click does.
TEST_F(PickModeRun, PickStartsOnReleaseTheReadoutsFollowThePointerAndAPressPicksTouchingNothingUnderIt) {
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
  POINT patternOrigin{0, 0};
  if (const auto left = leftMonitor()) {  // the click on a monitor left of the primary, at negative x
    patternOrigin = {left->x + 40, left->y + 60};
    ASSERT_TRUE(session().pattern().show(firstPattern, patternOrigin.x, patternOrigin.y));
  }
  const auto pressToPick = [&](POINT spot) {
    return session().outlastClickGrace(spot.x, spot.y, firstPattern, patternOrigin) && realPointer(L"mousedown 1") &&
           session().pickingBecomes(false);
  };
  ASSERT_TRUE(pressToPick({0, 255})) << "the press after the grace ends pick mode";
  ASSERT_TRUE(realPointer(L"mouseup 1"));
  ASSERT_TRUE(pointerTo(120, 120));
  pumpMessagesFor(severalTicks);
  EXPECT_EQ(session().text(ControlId::out_hex), hexOf(at(0, 255))) << "the picked colour stays";
  EXPECT_EQ(session().text(ControlId::out_rgb), L"rgb(0,255," + std::to_wstring(at(0, 255) & 0xFF) + L")");

  start();  // a pick, and the next one started before the button is let go
  ASSERT_TRUE(pressToPick({30, 40}));
  start();
  ASSERT_TRUE(realPointer(L"mouseup 1"));
  ASSERT_TRUE(pointerTo(patternOrigin.x + 70, patternOrigin.y + 20));
  EXPECT_TRUE(session().hexShows(at(70, 20))) << "the new pick mode follows the pointer";
  session().pressKey(VK_ESCAPE);
  ASSERT_TRUE(session().pickingBecomes(false));
  pumpMessagesFor(severalTicks);
  EXPECT_EQ(session().pattern().heard(), MouseMessages{}) << "the window picked from heard nothing";

  ASSERT_TRUE(realPointer(L"click 1"));
  EXPECT_TRUE(pollUntil([&] { return session().pattern().heard() == MouseMessages{1, 1, 0}; }, 3s))
      << "outside pick mode the click reaches it: " << session().pattern().heard();
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

// One key from anywhere: a later start with "--pick" (a shortcut's key, Win+number on the taskbar)
// hands pick mode to the running program, also hidden in the tray, and ends at once; asked again
// while picking, it changes nothing.
TEST_F(PickModeRun, ALaterStartWithPickHandsPickModeToTheRunningProgram) {
  ShowWindow(session().window(), SW_HIDE);
  ASSERT_TRUE(pollUntil([&] { return !IsWindowVisible(session().window()); }, 3s));
  // Clear of Wine's tray window, which comes up over the pattern's corner once the window hides.
  ASSERT_TRUE(pointerTo(60, 150));
  Program request(folder_, L"--pick");
  EXPECT_EQ(request.waitForExit(1s), 0u);
  EXPECT_TRUE(session().pickingBecomes(true));
  EXPECT_TRUE(IsWindowVisible(session().window()));
  EXPECT_TRUE(session().hexShows(at(60, 150)));
  ASSERT_TRUE(pointerTo(200, 210));
  EXPECT_TRUE(session().hexShows(at(200, 210))) << "the readouts follow the pointer";

  Program again(folder_, L"--pick");
  EXPECT_EQ(again.waitForExit(1s), 0u);
  pumpMessagesFor(severalTicks);
  EXPECT_TRUE(session().picking()) << "a request while picking leaves pick mode on";
  session().pressKey(VK_ESCAPE);
  EXPECT_TRUE(session().pickingBecomes(false));
}

// The wheel sets the strength without scrolling what lies under the pointer; outside pick mode
// it scrolls as ever.
TEST_F(PickModeRun, TheWheelOverThePatternChangesTheStrengthAndNotThePattern) {
  start();
  ASSERT_TRUE(pointerTo(60, 60));
  ASSERT_TRUE(realPointer(L"click 4"));
  EXPECT_TRUE(pollUntil([&] { return session().text(ControlId::fisheye_num_updn) == L"8"; }, 3s));
  ASSERT_TRUE(realPointer(L"click 5 click 5 click 5"));
  EXPECT_TRUE(pollUntil([&] { return session().text(ControlId::fisheye_num_updn) == L"5"; }, 3s))
      << windowText(session().control(ControlId::fisheye_num_updn));
  EXPECT_TRUE(session().picking()) << "wheel steps are no click";
  EXPECT_EQ(session().pattern().heard(), MouseMessages{});

  session().pressKey(VK_ESCAPE);
  ASSERT_TRUE(session().pickingBecomes(false));
  ASSERT_TRUE(realPointer(L"click 5"));
  EXPECT_TRUE(pollUntil([&] { return session().pattern().heard().wheelTurns == 1; }, 3s))
      << "outside pick mode the wheel reaches it: " << session().pattern().heard();
  EXPECT_EQ(session().text(ControlId::fisheye_num_updn), L"5");
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

// Hovering a control explains it, but no tooltip covers the screen while it is picked from; a
// screen reader hears each copy button's name and the colour just picked.
TEST_F(PickModeRun, TooltipsExplainTheControlsOutsidePickModeAndAReaderHearsThePick) {
  const auto tipOf = [](ControlId id) { return std::wstring(Lmr::ui::controlHelp(id).tooltip); };
  const POINT copyHex = session().centreOf(ControlId::copy_hex), copyRgb = session().centreOf(ControlId::copy_rgb);
  ASSERT_TRUE(pointerTo(copyHex.x, copyHex.y));
  EXPECT_TRUE(pollUntil([&] { return shownTooltip(session().program()) == tipOf(ControlId::copy_hex); }, 5s))
      << shownTooltip(session().program());

  start();
  EXPECT_TRUE(pollUntil([&] { return shownTooltip(session().program()).empty(); }, 3s)) << "pick mode hides it";
  ASSERT_TRUE(pointerTo(copyRgb.x, copyRgb.y));
  pumpMessagesFor(1500ms);
  EXPECT_EQ(shownTooltip(session().program()), L"") << "none while picking";
  ASSERT_TRUE(pointerTo(100, 100));
  ASSERT_TRUE(session().hexShows(at(100, 100)));
  session().pressKey(VK_ESCAPE);
  ASSERT_TRUE(session().pickingBecomes(false));

  for (const auto& [id, name] : {std::pair{ControlId::copy_hex, L"Copy hex"}, std::pair{ControlId::copy_rgb, L"Copy RGB"},
                                std::pair{ControlId::copy_hsb, L"Copy HSB"}})
    EXPECT_EQ(readAloud(session().control(id), false), name);
  EXPECT_EQ(readAloud(session().control(ControlId::color_current), true), hexOf(at(100, 100)));
  EXPECT_EQ(readAloud(session().control(ControlId::pick_zoom), true), hexOf(at(100, 100)));

  ASSERT_TRUE(pointerTo(copyRgb.x, copyRgb.y + 1));
  EXPECT_TRUE(pollUntil([&] { return shownTooltip(session().program()) == tipOf(ControlId::copy_rgb); }, 5s))
      << "tooltips are back after pick mode: " << shownTooltip(session().program());
}

// On a Display P3 monitor a pixel's values are not its sRGB colour: "Copy as" takes a pick
// through the monitor's profile, while the readouts keep the screen's own values; with no
// profile it copies those.
TEST_F(PickModeRun, CopyAsTakesAPickThroughTheMonitorsProfile) {
  struct Expected {
    std::uint32_t device;
    const wchar_t *hex, *rgb;
    std::array<double, 3> displayP3, oklch;
  };
  const Expected picks[] = {
      {0xC86432, L"#D75D1F", L"rgb(215,93,31)", {0.7843, 0.3922, 0.1961}, {62.33, 0.1690, 43.24}},
      {0xFF0000, L"#FF0000", L"rgb(255,0,0)", {1, 0, 0}, {64.86, 0.2995, 28.96}},
      {0x808080, L"#808080", L"rgb(128,128,128)", {0.5020, 0.5020, 0.5020}, {59.99, 0, 0}},
  };
  const std::array<double, 3> p3Steps{0.002, 0.002, 0.002}, oklchSteps{0.2, 0.002, 0.5};
  constexpr int x = 120, y = 90;
  ASSERT_TRUE(setScreenProfile(L"/usr/share/color/argyll/ref/DisplayP3.icm"));
  for (const Expected& pick : picks) {
    SCOPED_TRACE(testing::PrintToString(hexOf(pick.device)));
    const std::uint32_t variant = variantShowing(pick.device, x, y);
    ASSERT_TRUE(session().pattern().show(variant));
    ASSERT_TRUE(session().pickPatternAt(x, y, variant));
    EXPECT_EQ(session().text(ControlId::out_hex), hexOf(pick.device));
    EXPECT_EQ(session().copyAs('H'), pick.hex);
    EXPECT_EQ(session().copyAs('R'), pick.rgb);
    expectColourText(session().copyAs('P'), L"color(display-p3 %lf %lf %lf)", pick.displayP3, p3Steps);
    expectColourText(session().copyAs('O'), L"oklch(%lf%% %lf %lf)", pick.oklch, oklchSteps);
  }

  ASSERT_TRUE(setScreenProfile(std::nullopt));
  ASSERT_TRUE(session().pattern().show(variantShowing(0xC86432, x, y)));
  ASSERT_TRUE(session().pickPatternAt(x, y, variantShowing(0xC86432, x, y)));
  EXPECT_EQ(session().copyAs('H'), session().text(ControlId::out_hex));
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
