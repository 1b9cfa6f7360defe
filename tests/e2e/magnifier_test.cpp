// The magnifier in the running program: a change of the fish-eye strength captures the screen
// around the pick point, shows the enlarged view in the panel and the picked colour in the
// readouts. The driver shows a test pattern of its own at the screen's top-left, where the pick
// point starts.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "colour/colour_text.h"
#include "harness.h"
#include "pattern_window.h"
#include "pick/fish_eye.h"
#include "pick/magnifier_view.h"
#include "ui/main_window_layout.h"

namespace {

using namespace e2e;
using Lmr::ui::ControlId;

constexpr int upDownArrowsId = 1100;
constexpr int side = Lmr::viewWidth;

// The capture of the square around the pick point (0, 0): the pattern where it lies on the
// screen, black elsewhere.
std::vector<std::uint32_t> expectedCapture(std::uint32_t variant) {
  std::vector<std::uint32_t> capture(std::size_t(side) * side, 0);
  for (int y = Lmr::halfViewWidth; y < side; ++y)
    for (int x = Lmr::halfViewWidth; x < side; ++x)
      capture[std::size_t(y) * side + x] = patternAt(x - Lmr::halfViewWidth, y - Lmr::halfViewWidth, variant);
  return capture;
}

std::vector<std::uint32_t> expectedView(int fishEye, std::uint32_t variant) {
  std::vector<std::uint32_t> capture = expectedCapture(variant), view(capture.size());
  const auto bytes = [](std::vector<std::uint32_t>& words) { return reinterpret_cast<std::uint8_t*>(words.data()); };
  Lmr::renderMagnifierView({bytes(capture), side, side, side * 4}, {bytes(view), side, side, side * 4},
                           Lmr::computeFishEye(fishEye), fishEye, false);
  for (auto& pixel : view) pixel &= colourMask;
  return view;
}

class Magnifier : public testing::Test {
 protected:
  void SetUp() override {
    deleteSettingsKey();
    program_.emplace(folder_);
    window_ = program_->waitForMainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(moveMainWindowTo(600, 300)) << "out of the pattern's way";
    ASSERT_TRUE(pattern_.show(firstPattern));
    idleView_ = panelPixels();
  }
  void TearDown() override {
    if (!window_) return;
    closeWindow(window_);
    EXPECT_EQ(program_->waitForExit(), 0u);
  }

  HWND control(ControlId id) const { return GetDlgItem(window_, static_cast<int>(id)); }

  bool moveMainWindowTo(int left, int top) const { return moveWindowTo(window_, left, top); }

  // Through the field's arrows, as a click on them would; the program hears the field change.
  void setStrength(int strength) const {
    SendMessageTimeoutW(GetDlgItem(window_, upDownArrowsId), UDM_SETPOS32, 0, strength, SMTO_ABORTIFHUNG, 5000,
                        nullptr);
  }

  // The view's part that the panel's client area shows, on the screen and as expected.
  RECT visibleView() const {
    HWND panel = control(ControlId::pick_zoom);
    RECT outer, client;
    GetWindowRect(panel, &outer);
    GetClientRect(panel, &client);
    const int offset = Lmr::dpiDrawX(outer.right - outer.left);
    return {offset, offset, std::min<LONG>(offset + side, client.right), std::min<LONG>(offset + side, client.bottom)};
  }
  std::vector<std::uint32_t> panelPixels() const {
    RECT area = visibleView();
    MapWindowPoints(control(ControlId::pick_zoom), nullptr, reinterpret_cast<POINT*>(&area), 2);
    return screenPixels(area);
  }
  std::vector<std::uint32_t> visiblePart(const std::vector<std::uint32_t>& view) const {
    const RECT area = visibleView();
    const int offset = area.left;
    std::vector<std::uint32_t> part;
    for (int y = 0; y < area.bottom - offset; ++y)
      for (int x = 0; x < area.right - offset; ++x) part.push_back(view[std::size_t(y) * side + x]);
    return part;
  }
  bool panelShows(const std::vector<std::uint32_t>& expected) const {
    return pollUntil([&] { return panelPixels() == expected; }, 5s);
  }
  std::size_t differingPixels(const std::vector<std::uint32_t>& expected) const {
    const auto shown = panelPixels();
    if (shown.size() != expected.size()) return expected.size();
    std::size_t differing = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) differing += shown[i] != expected[i];
    return differing;
  }

  std::uint32_t swatchPixel() const {
    RECT swatch;
    GetWindowRect(control(ControlId::color_current), &swatch);
    const LONG midY = (swatch.top + swatch.bottom) / 2;
    return screenPixels({swatch.left + 8, midY, swatch.left + 9, midY + 1}).at(0);
  }

  ScratchFolder folder_;
  std::optional<Program> program_;
  HWND window_ = nullptr;
  PatternWindow pattern_;
  std::vector<std::uint32_t> idleView_;
};

class MagnifierStrength : public Magnifier, public testing::WithParamInterface<int> {};

TEST_P(MagnifierStrength, AStrengthChangeShowsTheEnlargedPatternAroundThePickPoint) {
  const int strength = GetParam();
  if (strength == Lmr::initialFishEye) setStrength(3);  // the field starts at 7: no change, no update
  setStrength(strength);
  EXPECT_EQ(windowText(control(ControlId::fisheye_num_updn)), std::to_wstring(strength));
  const auto expected = visiblePart(expectedView(strength, firstPattern));
  EXPECT_TRUE(panelShows(expected)) << differingPixels(expected) << " of " << expected.size() << " pixels differ";
}

INSTANTIATE_TEST_SUITE_P(MagnifierAt, MagnifierStrength, testing::Values(1, 7, 12, 4));

TEST_F(Magnifier, ThePickedColourIsThePatternAtThePickPoint) {
  setStrength(5);
  const std::uint32_t picked = patternAt(0, 0, firstPattern);
  EXPECT_TRUE(pollUntil([&] { return swatchPixel() == picked; }, 5s)) << std::hex << swatchPixel();
  EXPECT_EQ(windowText(control(ControlId::out_hex)), Lmr::hexText(0xFF000000u | picked));
}

TEST_F(Magnifier, StrengthsOutsideTheFieldsRangeAreRefusedByTheField) {
  setStrength(40);
  EXPECT_EQ(windowText(control(ControlId::fisheye_num_updn)), L"12");
  const auto expected = visiblePart(expectedView(12, firstPattern));
  EXPECT_TRUE(panelShows(expected)) << differingPixels(expected) << " pixels differ";
}

TEST_F(Magnifier, ARepaintShowsTheLastViewNotANewCapture) {
  setStrength(9);
  const auto shown = visiblePart(expectedView(9, firstPattern));
  ASSERT_TRUE(panelShows(shown));

  // The changed pattern first covers the panel, so that uncovering it makes the program repaint.
  RECT panel;
  GetWindowRect(control(ControlId::pick_zoom), &panel);
  ASSERT_TRUE(pattern_.show(secondPattern, panel.left, panel.top));
  ASSERT_TRUE(pattern_.show(secondPattern));
  EXPECT_TRUE(panelShows(shown)) << differingPixels(shown) << " pixels differ";
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(panelShows(shown)) << differingPixels(shown) << " pixels differ";

  setStrength(10);
  const auto fresh = visiblePart(expectedView(10, secondPattern));
  EXPECT_TRUE(panelShows(fresh)) << differingPixels(fresh) << " pixels differ after a new capture";
}

// With the pick point inside the window's band (the window just above and left of it), a strength
// change leaves the view and the readouts as they were.
TEST_F(Magnifier, APickPointInTheWindowsBandLeavesViewAndReadoutsAlone) {
  const std::wstring hexBefore = windowText(control(ControlId::out_hex));
  ASSERT_TRUE(moveMainWindowTo(-20, -60));
  setStrength(3);
  EXPECT_EQ(windowText(control(ControlId::fisheye_num_updn)), L"3");
  EXPECT_EQ(windowText(control(ControlId::out_hex)), hexBefore);

  ASSERT_TRUE(moveMainWindowTo(600, 300));
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(panelShows(idleView_)) << differingPixels(idleView_) << " pixels differ from the idle picture";

  setStrength(2);
  const auto expected = visiblePart(expectedView(2, firstPattern));
  EXPECT_TRUE(panelShows(expected)) << differingPixels(expected) << " pixels differ once out of the band";
}

}  // namespace
