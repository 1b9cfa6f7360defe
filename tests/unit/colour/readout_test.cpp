#include "colour/readout.h"

#include <gtest/gtest.h>

namespace {

using Lmr::opaqueArgb;
using Lmr::ReadoutField;
using Lmr::TextSelection;

// Virtual-key codes: the ends of each accepted range, their neighbours, and keys typed alongside.
TEST(ColourEntryKey, DigitsHexLettersAndBackspaceSetTheFlagOthersLeaveIt) {
  const std::int32_t entryKeys[] = {'0', '9', 96, 105, 'A', 'F', 8};
  const std::int32_t otherKeys[] = {'/', ':', 95, 106, '@', 'G', 9, 16, 46, 13, 27, 37, 0, -1};
  for (std::int32_t code : entryKeys) {
    EXPECT_TRUE(Lmr::keyboardColorInputAfterKey(false, code)) << code;
  }
  for (std::int32_t code : otherKeys) {
    EXPECT_FALSE(Lmr::keyboardColorInputAfterKey(false, code)) << code;
    EXPECT_TRUE(Lmr::keyboardColorInputAfterKey(true, code)) << code;  // never cleared
  }
}

struct RefreshCase {
  const wchar_t* shownHex;
  const wchar_t* shownRgb;
  std::optional<std::wstring> hex;
  std::optional<std::wstring> rgb;
};

TEST(ReadoutRefresh, HexComparedIgnoringCaseRgbExactly) {
  const RefreshCase cases[] = {
      {L"", L"", L"#FF0000", L"rgb(255,0,0)"},
      {L"#FF0000", L"rgb(255,0,0)", std::nullopt, std::nullopt},
      {L"#ff0000", L"RGB(255,0,0)", std::nullopt, L"rgb(255,0,0)"},
      {L"#Ff0000", L"rgb(255, 0, 0)", std::nullopt, L"rgb(255,0,0)"},
      {L"FF0000", L"rgb(255,0,0", L"#FF0000", L"rgb(255,0,0)"},
      {L"#FF00000", L"rgb(0255,0,0)", L"#FF0000", L"rgb(255,0,0)"},
      {L"#GG0000", L"rgb(255,0,0)", L"#FF0000", std::nullopt},
  };
  for (const RefreshCase& c : cases) {
    const Lmr::ReadoutUpdate update =
        Lmr::readoutUpdateFor(opaqueArgb(255, 0, 0), {c.shownHex, c.shownRgb}, true, L'.');
    EXPECT_EQ(update.hex, c.hex) << c.shownHex;
    EXPECT_EQ(update.rgb, c.rgb) << c.shownRgb;
    EXPECT_EQ(update.hsb, L"hsb(0,100,50)");
  }
}

TEST(ReadoutRefresh, HsbFollowsTheRoundingAndSeparatorOfTheMoment) {
  const Lmr::Argb grey = opaqueArgb(128, 128, 128);
  EXPECT_EQ(Lmr::readoutUpdateFor(grey, {}, true, L',').hsb, L"hsb(0,0,50)");
  EXPECT_EQ(Lmr::readoutUpdateFor(grey, {}, false, L',').hsb, L"hsb(0,0,50,19608)");
}

TEST(HoverSelection, HexDigitsBehindTheHashElseTheWholeText) {
  EXPECT_EQ(Lmr::hoverSelectionFor(ReadoutField::Hex, L"#A31515"), (TextSelection{1, 6}));
  EXPECT_EQ(Lmr::hoverSelectionFor(ReadoutField::Hex, L"#A315"), (TextSelection{1, 4}));
  EXPECT_EQ(Lmr::hoverSelectionFor(ReadoutField::Hex, L"#A31515FF"), (TextSelection{1, 6}));
  EXPECT_EQ(Lmr::hoverSelectionFor(ReadoutField::Hex, L"#"), (TextSelection{1, 0}));
  EXPECT_EQ(Lmr::hoverSelectionFor(ReadoutField::Hex, L""), (TextSelection{0, 0}));
  EXPECT_EQ(Lmr::hoverSelectionFor(ReadoutField::Rgb, L"rgb(1,2,3)"), (TextSelection{0, 10}));
  EXPECT_EQ(Lmr::hoverSelectionFor(ReadoutField::Hsb, L""), (TextSelection{0, 0}));
}

}  // namespace
