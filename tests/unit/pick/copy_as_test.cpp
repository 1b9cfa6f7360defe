// "Copy as" over a recording platform: which profile a colour goes through, by where it came
// from, and what a choice in the menu copies.
#include "colour/copy_as.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pick_engine.h"
#include "../colour/icc_test_bytes.h"

namespace {

using Lmr::Point32;
using Lmr::ProfileFile;
using Lmr::testing::FakePlatform;
using Lmr::ui::ControlId;
using Lines = std::vector<std::wstring>;

const std::wstring p3Path = L"C:\\colour\\DisplayP3.icm";
constexpr Point32 onTheLeftMonitor{-500, 300}, onThePrimary{900, 700};
constexpr Point32 menuPlace{150, 460};
constexpr std::size_t profileLine = 0, separator = 1, hexItem = 2, p3Item = 4, oklchItem = 5;

const Lines p3Menu{L"-Monitor profile: DisplayP3 color profile",
                   L"-",
                   L"&Hex: #D75D1F",
                   L"&RGB: rgb(215,93,31)",
                   L"Display &P3: color(display-p3 0.7843 0.3922 0.1961)",
                   L"&OKLCH: oklch(62.33% 0.1690 43.24)"};

class CopyAs : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.captureWorks = true;
    fake.screen = {-1920, 0, 3840, 1080};
    fake.leftProfile = ProfileFile{p3Path, 1000, 2936};
    fake.profileBytes[p3Path] = Lmr::test::profileFile(Lmr::test::argyllProfiles + "DisplayP3.icm");
  }

  // A magnifier update that takes the screen's pixel (200,100,50) at `point`.
  void pickAt(Point32 point) {
    fake.captured[std::size_t(Lmr::halfViewWidth) * Lmr::viewWidth + Lmr::halfViewWidth] = 0xFFC86432;
    engine.mpt.moveTo(point);
    engine.magnifier.updatePickPreview();
  }
  // The menu opened and the item chosen: what went on the clipboard, "" for nothing.
  std::wstring choose(std::optional<std::size_t> item) {
    fake.popupChoice = item;
    const std::size_t copiedBefore = fake.clipboardTexts.size();
    engine.copyAs.copyAsMenuRequested(menuPlace);
    EXPECT_EQ(fake.popupAt, menuPlace);
    return fake.clipboardTexts.size() > copiedBefore ? fake.clipboardTexts.back() : L"";
  }
  std::wstring shownProfile() {
    choose(std::nullopt);
    return fake.popupLines.at(profileLine);
  }

  FakePlatform fake;
  Lmr::testing::PickEngine engine{fake};
};

TEST_F(CopyAs, AScreenColourGoesThroughTheProfileOfTheMonitorItWasPickedOn) {
  pickAt(onTheLeftMonitor);
  EXPECT_EQ(fake.texts[ControlId::out_hex], L"#C86432") << "the readouts show the screen's own values";
  EXPECT_EQ(choose(hexItem), L"#D75D1F");
  EXPECT_EQ(fake.popupLines, p3Menu);
  EXPECT_EQ(choose(oklchItem), L"oklch(62.33% 0.1690 43.24)");
  for (const std::optional<std::size_t> nothing : {std::optional<std::size_t>{}, std::optional{profileLine},
                                                   std::optional{separator}, std::optional{oklchItem + 1}})
    EXPECT_EQ(choose(nothing), L"");

  pickAt(onThePrimary);
  EXPECT_EQ(choose(hexItem), L"#C86432");
  EXPECT_EQ(fake.popupLines.at(profileLine), L"-Monitor profile: none (sRGB)");
}

// A field is read again on every key release there (Tab passing through it too), and the chooser
// and a cancelled history hand back the colour shown: a pick stays the screen's.
TEST_F(CopyAs, NewColoursTypedChosenOrTakenBackAreSrgbAndNoProfileIsLookedUpForThem) {
  const std::wstring srgbLine = L"-Monitor profile: not applied (an sRGB colour)";
  pickAt(onTheLeftMonitor);
  engine.readouts.out_rgb_KeyUp(9);
  fake.chooserAnswer = 0xFFC86432;
  engine.readouts.color_current_Click();
  engine.colourHistory.sendPickedColorToHistory();
  fake.history.onShown = [](Lmr::HistoryDialogEvents& history) { history.cancel_btn_Click(); };
  engine.colourHistory.color_previous_Click();
  EXPECT_EQ(choose(hexItem), L"#D75D1F") << "the colour shown handed back";

  fake.texts[ControlId::out_hex] = L"#C86433";
  engine.readouts.out_hex_KeyUp('3');
  const int lookups = fake.profileLookups;
  EXPECT_EQ(choose(hexItem), L"#C86433") << "typed";
  EXPECT_EQ(shownProfile(), srgbLine);

  fake.chooserAnswer = 0xFFFF0000;
  engine.readouts.color_current_Click();
  EXPECT_EQ(choose(p3Item), L"color(display-p3 0.9175 0.2003 0.1386)") << "chosen";
  EXPECT_EQ(shownProfile(), srgbLine);

  engine.colourHistory.sendPickedColorToHistory();  // a pick starts from the red ...
  pickAt(onTheLeftMonitor);                          // ... and takes the screen's pixel
  fake.history.onShown = [](Lmr::HistoryDialogEvents& history) { history.select_btn_Click(); };
  engine.colourHistory.color_previous_Click();  // the red comes back
  EXPECT_EQ(choose(hexItem), L"#FF0000") << "from the history";
  EXPECT_EQ(shownProfile(), srgbLine);
  EXPECT_EQ(fake.profileLookups, lookups) << "none for an sRGB colour";
}

// A file that cannot be read, or is too long to be a profile, leaves the menu working: the
// screen's own values are copied, as sRGB.
TEST_F(CopyAs, AProfileIsReadOnceWhileItsFileStaysAndOneThatCannotBeReadIsNamedByItsFile) {
  pickAt(onTheLeftMonitor);
  for (int opened = 0; opened < 3; ++opened) choose(std::nullopt);
  fake.leftProfile->lastWritten = 2000;
  choose(std::nullopt);
  fake.leftProfile->size = 2937;
  EXPECT_EQ(choose(hexItem), L"#D75D1F");
  EXPECT_EQ(fake.profileReads.size(), 3u);

  const std::wstring unreadable = L"-Monitor profile: Panel.icc (not supported: the screen's own values)";
  fake.leftProfile = ProfileFile{L"C:\\colour\\Panel.icc", 1, 10};
  EXPECT_EQ(choose(hexItem), L"#C86432");
  EXPECT_EQ(fake.popupLines.at(profileLine), unreadable);
  fake.profileBytes[fake.leftProfile->path] = std::vector<std::uint8_t>(Lmr::largestProfileFile + 1, 0);
  fake.leftProfile->lastWritten = 2;
  EXPECT_EQ(choose(hexItem), L"#C86432");
  EXPECT_EQ(fake.popupLines.at(profileLine), unreadable) << "too long to be a profile";
}

}  // namespace
