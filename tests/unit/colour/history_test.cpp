// The colour history: what is filed, which entry the dialog opens on, and what comes back.
#include "colour/history.h"

#include <gtest/gtest.h>

#include "colour/colour_history.h"
#include "colour/colour_parse.h"
#include "../app/fake_platform.h"

namespace {

using Lmr::opaqueArgb;
using Lmr::testing::FakePlatform;
using Lmr::ui::ControlId;
using Entries = std::vector<std::wstring>;

TEST(HistoryRules, OnlyHashTextsAndNoRepeatOfTheNewest) {
  const std::tuple<const wchar_t*, std::optional<std::wstring_view>, bool> cases[] = {
      {L"#A31515", std::nullopt, true}, {L"#A31515", L"#A31515", false}, {L"#a31515", L"#A31515", true},
      {L"#12", L"#A31515", true},       {L"A31515", std::nullopt, false}, {L"", std::nullopt, false},
      {L" #A31515", std::nullopt, false},
  };
  for (const auto& [text, newest, filed] : cases) EXPECT_EQ(Lmr::belongsInHistory(text, newest), filed) << text;
}

TEST(HistoryRules, TheDialogOpensOnTheSecondEntry) {
  EXPECT_EQ(Lmr::entryToSelectOnOpening(0), std::nullopt);
  EXPECT_EQ(Lmr::entryToSelectOnOpening(1), 0u);
  EXPECT_EQ(Lmr::entryToSelectOnOpening(2), 1u);
  EXPECT_EQ(Lmr::entryToSelectOnOpening(40), 1u);
}

TEST(HistoryRules, AnEntryReadsAsThreeHexPairsAfterTheHash) {
  const std::pair<const wchar_t*, std::optional<Lmr::Argb>> cases[] = {
      {L"#ff8000", opaqueArgb(255, 128, 0)}, {L"#FF8000", opaqueArgb(255, 128, 0)},
      {L"#0a0B0c and more", opaqueArgb(10, 11, 12)}, {L"#12", std::nullopt}, {L"#12345", std::nullopt},
      {L"#12345G", std::nullopt}, {L"#0x1234", std::nullopt}, {L"123456", std::nullopt}, {L"# 12345", std::nullopt},
  };
  for (const auto& [text, colour] : cases) EXPECT_EQ(Lmr::parseHistoryEntry(text), colour) << text;
}

class ColourHistory : public ::testing::Test {
 protected:
  void SetUp() override { hist_frm.load(); }

  // The hex field shows a colour, as after a pick or typing it.
  void show(const wchar_t* hex) { fake.texts[ControlId::out_hex] = hex; }
  void show(Lmr::Argb colour) {
    fake.swatches[ControlId::color_current] = colour;
    readouts.updateTextHexDisplay();
  }
  Lmr::Argb current() { return fake.swatches[ControlId::color_current]; }

  FakePlatform fake;
  Lmr::ReadyFlag ready{true};
  Lmr::History hist_frm{fake.history};
  Lmr::Readouts readouts{fake, fake, fake, fake, hist_frm};
  Lmr::ColourHistory colourHistory{fake, hist_frm, readouts, ready};
  Lmr::testing::FakeHistoryDialog& dialog = fake.history;
};

TEST_F(ColourHistory, RecordsNewestFirstSkippingOnlyARepeatOfTheNewest) {
  for (const wchar_t* hex : {L"#AA0000", L"#00BB00", L"#AA0000", L"#AA0000", L"#aa0000", L"", L"#12"}) {
    show(hex);
    colourHistory.sendPickedColorToHistory();
  }
  EXPECT_EQ(dialog.entries, (Entries{L"#12", L"#aa0000", L"#AA0000", L"#00BB00", L"#AA0000"}));
}

TEST_F(ColourHistory, FilingCopiesTheCurrentColourToThePreviousSwatch) {
  show(0xFF102030);
  colourHistory.sendPickedColorToHistory();
  EXPECT_EQ(fake.swatches[ControlId::color_previous], 0xFF102030u);
  EXPECT_EQ(dialog.entries, Entries{L"#102030"});
}

TEST_F(ColourHistory, OpeningWithNothingFiledChangesNothing) {
  show(L"");
  const Lmr::Argb before = current();
  colourHistory.color_previous_Click();
  EXPECT_TRUE(dialog.entries.empty());
  EXPECT_EQ(dialog.selected, std::nullopt);
  EXPECT_EQ(current(), before);
}

TEST_F(ColourHistory, SelectBringsBackTheSecondEntryAndTheSwatchesStay) {
  show(0xFFAA0000);
  colourHistory.sendPickedColorToHistory();  // a pick starts with A current ...
  show(0xFF00BB00);                    // ... and ends on B
  dialog.onShown = [&](Lmr::HistoryDialogEvents& history) {
    EXPECT_EQ(dialog.entries, (Entries{L"#00BB00", L"#AA0000"}));
    EXPECT_EQ(dialog.selected, 1u);
    EXPECT_EQ(dialog.preview, 0xFFAA0000u);
    EXPECT_EQ(dialog.prevClr, 0xFF00BB00u) << "the lower swatch holds the current colour";
    history.select_btn_Click();
  };
  colourHistory.color_previous_Click();
  EXPECT_EQ(current(), 0xFFAA0000u);
  EXPECT_EQ(fake.texts[ControlId::out_hex], L"#AA0000");
  EXPECT_EQ(fake.swatches[ControlId::color_previous], 0xFFAA0000u);
}

TEST_F(ColourHistory, CancelAndTheCloseBoxKeepTheCurrentColour) {
  show(0xFFAA0000);
  colourHistory.sendPickedColorToHistory();
  show(0xFF00BB00);
  dialog.onShown = [](Lmr::HistoryDialogEvents& history) { history.cancel_btn_Click(); };
  colourHistory.color_previous_Click();
  EXPECT_EQ(current(), 0xFF00BB00u);
  EXPECT_EQ(fake.calls.back(), "history closed");
}

TEST_F(ColourHistory, OneEntryIsSelectedItselfAndAnUnreadableOneKeepsThePreview) {
  show(L"#12");
  dialog.onShown = [&](Lmr::HistoryDialogEvents& history) {
    EXPECT_EQ(dialog.selected, 0u);
    EXPECT_EQ(dialog.preview, 0xFFF0F0F0u) << "the dialog's own colour until an entry reads";
    history.select_btn_Click();
  };
  colourHistory.color_previous_Click();
  EXPECT_EQ(current(), 0xFFF0F0F0u) << "Select hands back the unchanged preview";
}

TEST_F(ColourHistory, TheSelectionFollowsItsEntryWhenNewerOnesAreFiled) {
  show(L"#000001");
  colourHistory.sendPickedColorToHistory();
  show(L"#000002");
  colourHistory.color_previous_Click();
  ASSERT_EQ(dialog.selected, 1u);
  show(L"#000003");
  dialog.onShown = [&](Lmr::HistoryDialogEvents& history) {
    EXPECT_EQ(dialog.selected, 1u);
    EXPECT_EQ(dialog.preview, 0xFF000002u) << "moved down to 2, back to 1 when shown";
    history.cancel_btn_Click();
  };
  colourHistory.color_previous_Click();
}

TEST_F(ColourHistory, NotOpenedBeforeLoadingHasFinishedOrDuringAToggle) {
  ready.bInitialized = false;
  show(L"#ABCDEF");
  colourHistory.color_previous_Click();
  EXPECT_TRUE(dialog.entries.empty());
  EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "history shown"), 0);
}

}  // namespace
