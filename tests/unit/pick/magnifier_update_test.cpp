// One magnifier update of the main window, against a recording platform.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

#include "pick/magnifier.h"

#include "colour/colour_text.h"
#include "pick/magnifier_view.h"
#include "../app/fake_platform.h"

namespace {

using Lmr::Point32;
using Lmr::testing::FakePlatform;
using Lmr::ui::ControlId;
using Calls = std::vector<std::string>;

constexpr int h = Lmr::halfViewWidth;
constexpr Lmr::Argb shownBefore = 0xFF123456;

// Every captured pixel names its place, with junk in the fourth byte.
std::uint32_t capturedAt(int column, int row) {
  return 0x5C000000u | 0x800000u | std::uint32_t(row) << 8 | std::uint32_t(column);
}

class MagnifierUpdate : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int row = 0; row < Lmr::viewWidth; ++row)
      for (int column = 0; column < Lmr::viewWidth; ++column) captured(column, row) = capturedAt(column, row);
    fake.captureWorks = true;
    hist_frm.load();
    magnifier.load(L"default.png");
    fake.swatches[ControlId::color_current] = shownBefore;
    readouts.setPickColour(shownBefore);
    pickAt({640, 700});
    fake.calls.clear();
  }

  std::uint32_t& captured(int column, int row) { return fake.captured[std::size_t(row) * Lmr::viewWidth + column]; }
  std::uint32_t viewAt(int column, int row) const { return fake.view[std::size_t(row) * Lmr::viewWidth + column]; }
  void pickAt(Point32 point) { mpt.moveTo(point); }
  Point32 pickPoint() { return mpt.point(); }

  void expectNothingShown() {
    EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "present view"), 0);
    EXPECT_EQ(readouts.g_pick_clr(), shownBefore);
    EXPECT_EQ(fake.swatches[ControlId::color_current], shownBefore);
    EXPECT_TRUE(fake.textWrites.empty());
  }

  FakePlatform fake;
  Lmr::ReadyFlag ready{true};
  Lmr::History hist_frm{fake.history};
  Lmr::PickPoint mpt;
  Lmr::Readouts readouts{fake, fake, fake, fake, hist_frm};
  bool clickEnds = false;  // pick mode's answer at the start of an update
  Lmr::Magnifier magnifier{fake, fake, fake, fake, ready, mpt, readouts, [this] { return clickEnds; }};
};

TEST_F(MagnifierUpdate, CapturesRendersPresentsThenShowsTheColour) {
  fake.onPresent = [&] {
    EXPECT_EQ(fake.swatches[ControlId::color_current], shownBefore);
    EXPECT_TRUE(fake.textWrites.empty());
  };
  magnifier.updatePickPreview();
  EXPECT_EQ(fake.calls, (Calls{"capture", "present view"}));
  EXPECT_EQ(fake.captureCentres, (std::vector<Point32>{{640, 700}}));
  const Lmr::Argb expected = 0xFF000000u | (capturedAt(h, h) & 0x00FFFFFFu);
  EXPECT_EQ(fake.swatches[ControlId::color_current], expected);
  EXPECT_EQ(fake.texts[ControlId::out_hex], Lmr::hexText(expected));
}

// A listener hears of the current colour once per update that changes it, after the readouts
// show it, and never of one that leaves it, nor of a skipped one.
TEST_F(MagnifierUpdate, TheValueChangeIsAnnouncedOnlyWhenTheColourChanges) {
  using Changes = std::vector<ControlId>;
  captured(h, h) = shownBefore;
  magnifier.updatePickPreview();
  EXPECT_TRUE(fake.valueChanges.empty()) << "the colour shown before";
  captured(h, h) = 0xFF204060;
  for (int update = 0; update < 3; ++update) magnifier.updatePickPreview();
  EXPECT_EQ(fake.valueChanges, Changes{ControlId::color_current});
  EXPECT_EQ(fake.texts[ControlId::out_hex], L"#204060");
  captured(h, h) = 0xFF204061;
  magnifier.updatePickPreview();
  fake.captureWorks = false;
  magnifier.updatePickPreview();
  EXPECT_EQ(fake.valueChanges, (Changes{ControlId::color_current, ControlId::color_current}));
}

TEST_F(MagnifierUpdate, ADpiChangePlacesTheViewInTheResizedPanelAndShowsItThere) {
  fake.panelWidth = 598;  // at 288 dpi
  magnifier.dpiChanged();
  EXPECT_EQ(std::tuple(magnifier.dpi_draw_x(), fake.drawnOffset, fake.calls), std::tuple(199, 199, Calls{"draw last view"}));
}

TEST_F(MagnifierUpdate, ThePickedColourIsOpaqueWhateverTheFourthByteHolds) {
  captured(h, h) = 0x00A1B2C3;
  magnifier.updatePickPreview();
  EXPECT_EQ(readouts.g_pick_clr(), 0xFFA1B2C3u);
  captured(h, h) = 0x7FA1B2C4;
  magnifier.updatePickPreview();
  EXPECT_EQ(readouts.g_pick_clr(), 0xFFA1B2C4u);
}

TEST_F(MagnifierUpdate, TheViewIsTheRenderersViewOfTheCaptureWithTheGridSetting) {
  fake.checks[Lmr::Setting::lines_between_pixels] = true;
  magnifier.updatePickPreview();
  std::vector<std::uint32_t> expected(fake.view.size());
  Lmr::renderMagnifierView(fake.capturedPixels(),
                           {reinterpret_cast<std::uint8_t*>(expected.data()), Lmr::viewWidth, Lmr::viewWidth,
                            Lmr::viewWidth * 4},
                           Lmr::computeFishEye(Lmr::initialFishEye), Lmr::initialFishEye, true);
  EXPECT_EQ(fake.view, expected);
  EXPECT_EQ(viewAt(h, 84) & 0x00FFFFFFu, 0xFFFFFFu) << "a grid row at strength 7";
}

TEST_F(MagnifierUpdate, ClearsTheKeyboardEntryFlagEvenWhenAClickEndsTheUpdate) {
  readouts.setKbdInputModeFromKeyCode('A');
  magnifier.updatePickPreview();
  EXPECT_FALSE(readouts.typingColour());

  readouts.setKbdInputModeFromKeyCode('A');
  clickEnds = true;
  magnifier.updatePickPreview();
  EXPECT_FALSE(readouts.typingColour());
}

TEST_F(MagnifierUpdate, AClickThatEndsTheUpdateComesBeforeAnyCapture) {
  clickEnds = true;
  mpt.record().clicked = 1;
  magnifier.updatePickPreview();
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(mpt.record().clicked, 1) << "the flag is pick mode's to clear";
  expectNothingShown();

  clickEnds = false;
  magnifier.updatePickPreview();
  EXPECT_EQ(fake.calls, (Calls{"capture", "present view"}));
}

class MagnifierBand : public MagnifierUpdate, public ::testing::WithParamInterface<std::pair<Point32, bool>> {};

// The window at (100, 200), 314 wide: its band covers x 100..413 and y 231..520.
TEST_P(MagnifierBand, APointInTheBandLeavesViewAndReadoutsAlone) {
  fake.window = {100, 200, 314, 580};
  const auto [point, inBand] = GetParam();
  pickAt(point);
  magnifier.updatePickPreview();
  if (inBand) {
    EXPECT_TRUE(fake.calls.empty());
    expectNothingShown();
  } else {
    EXPECT_EQ(fake.calls, (Calls{"capture", "present view"}));
  }
}

INSTANTIATE_TEST_SUITE_P(Edges, MagnifierBand,
                         ::testing::Values(std::pair{Point32{100, 231}, true}, std::pair{Point32{413, 231}, true},
                                           std::pair{Point32{100, 520}, true}, std::pair{Point32{413, 520}, true},
                                           std::pair{Point32{99, 231}, false}, std::pair{Point32{100, 230}, false},
                                           std::pair{Point32{414, 231}, false}, std::pair{Point32{100, 521}, false},
                                           std::pair{Point32{200, 200}, false}));

TEST_F(MagnifierUpdate, AFailedCaptureShowsNothing) {
  fake.captureWorks = false;
  magnifier.updatePickPreview();
  EXPECT_EQ(fake.calls, Calls{"capture"});
  expectNothingShown();
}

TEST_F(MagnifierUpdate, ThePickPointFollowsTheCorrectedCentreAlsoWhenTheCaptureFailsButNotOverAMove) {
  pickAt({-5, 2000});
  magnifier.updatePickPreview();
  EXPECT_EQ(fake.captureCentres.back(), (Point32{-5, 2000}));
  EXPECT_EQ(pickPoint(), (Point32{0, 1080}));

  fake.captureWorks = false;
  pickAt({2500, -3});
  magnifier.updatePickPreview();
  EXPECT_EQ(pickPoint(), (Point32{1920, 0}));

  // The pointer moved while the screen was read: the move stands, on the axes it changed.
  fake.captureWorks = true;
  for (const auto& [seen, movedTo, kept] : {std::tuple{Point32{640, 700}, Point32{650, 710}, Point32{650, 710}},
                                            {Point32{-5, 2000}, Point32{-5, 60}, Point32{0, 60}}}) {
    pickAt(seen);
    fake.whileCapturing = [&, to = movedTo] { pickAt(to); };
    magnifier.updatePickPreview();
    EXPECT_EQ(pickPoint(), kept) << movedTo.x << "," << movedTo.y;
  }
}

TEST_F(MagnifierUpdate, NewFishEyeLimitsTheStrengthAndShowsItInTheField) {
  for (const auto& [asked, kept] : {std::pair{0, 1}, {13, 12}, {-40, 1}, {INT_MIN, 1}, {INT_MAX, 12}, {4, 4}}) {
    magnifier.newFishEye(asked);
    EXPECT_EQ(magnifier.fishEye(), kept) << asked;
    EXPECT_EQ(fake.fishEyeShown, kept) << asked;
    EXPECT_EQ(magnifier.srows(), Lmr::computeFishEye(kept)) << asked;
  }
}

TEST_F(MagnifierUpdate, AStrengthChangeRendersAgainFromThePickPoint) {
  pickAt({30, 900});
  magnifier.fisheye_num_updn_ValueChanged(3);
  EXPECT_EQ(fake.captureCentres, (std::vector<Point32>{{30, 900}}));
  EXPECT_EQ(fake.calls, (Calls{"capture", "present view"}));
  const int markerHi = h + 3 + 1;
  EXPECT_EQ(viewAt(markerHi, 10), 0xFF000000u) << "the marker lines of strength 3";
  EXPECT_EQ(viewAt(h, h), 0xFF000000u | (capturedAt(h, h) & 0x00FFFFFFu));
}

}  // namespace
