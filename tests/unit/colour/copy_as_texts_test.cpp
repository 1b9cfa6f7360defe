#include "colour/copy_as_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "colour/converted_colour.h"
#include "icc_test_bytes.h"

namespace {

using Lmr::opaqueArgb;

TEST(CopyAsTexts, DisplayP3HasFourDecimalsUnclippedAndNoSignOnZero) {
  const std::pair<Lmr::Vec3, std::wstring> cases[] = {
      {{0.78431, 0.39216, 0.19608}, L"color(display-p3 0.7843 0.3922 0.1961)"},
      {{1.0, 0.00004, -0.00004}, L"color(display-p3 1.0000 0.0000 0.0000)"},
      {{-0.12346, 1.23456, 0.99996}, L"color(display-p3 -0.1235 1.2346 1.0000)"},
  };
  for (const auto& [p3, text] : cases) EXPECT_EQ(Lmr::displayP3Text(p3), text);
}

TEST(CopyAsTexts, OklchRoundsAndWritesAGreyWithoutHue) {
  const std::pair<Lmr::Oklch, std::wstring> cases[] = {
      {{0.623315, 0.168977, 43.2413}, L"oklch(62.33% 0.1690 43.24)"},
      {{0.59987, 0.00049, 123.4}, L"oklch(59.99% 0.0000 0.00)"},
      {{0.5, 0.0005, 10.0}, L"oklch(50.00% 0.0005 10.00)"},
      {{0.5, 0.1, 359.996}, L"oklch(50.00% 0.1000 0.00)"},
      {{0.5, 0.1, 359.994}, L"oklch(50.00% 0.1000 359.99)"},
      {{0.0, 0.0, 0.0}, L"oklch(0.00% 0.0000 0.00)"},
  };
  for (const auto& [oklch, text] : cases) EXPECT_EQ(Lmr::oklchText(oklch), text);
}

// Without a profile an sRGB colour is only re-expressed; CSS Color 4 gives sRGB red as
// color(display-p3 0.9175 0.2003 0.1386) and oklch(62.8% 0.2577 29.23).
TEST(CopyAsTexts, AnSrgbColourIsReExpressed) {
  const Lmr::CopyAsTexts red = Lmr::copyAsTextsOf(Lmr::convertedColour(opaqueArgb(255, 0, 0), nullptr));
  EXPECT_EQ(red.hex, L"#FF0000");
  EXPECT_EQ(red.rgb, L"rgb(255,0,0)");
  EXPECT_EQ(red.displayP3, L"color(display-p3 0.9175 0.2003 0.1386)");
  EXPECT_EQ(red.oklch, L"oklch(62.80% 0.2577 29.23)");
  EXPECT_FALSE(red.outsideSrgb);
  const Lmr::CopyAsTexts white = Lmr::copyAsTextsOf(Lmr::convertedColour(opaqueArgb(255, 255, 255), nullptr));
  EXPECT_EQ(white.displayP3, L"color(display-p3 1.0000 1.0000 1.0000)");
  EXPECT_EQ(white.oklch, L"oklch(100.00% 0.0000 0.00)");
  const Lmr::CopyAsTexts grey = Lmr::copyAsTextsOf(Lmr::convertedColour(opaqueArgb(128, 128, 128), nullptr));
  EXPECT_EQ(grey.hex, L"#808080");
  EXPECT_EQ(grey.oklch, L"oklch(59.99% 0.0000 0.00)");
}

struct WorkedFigure {
  std::uint8_t r, g, b;
  const wchar_t* hex;
  bool outsideSrgb;
  Lmr::Vec3 displayP3;
  Lmr::Oklch oklch;
};

// The figures a colour engine gives for pixels of a Display P3 monitor (argyll's DisplayP3.icm).
TEST(CopyAsTexts, WorkedFiguresOnADisplayP3Monitor) {
  const WorkedFigure figures[] = {
      {200, 100, 50, L"#D75D1F", false, {0.7843, 0.3922, 0.1961}, {0.6233, 0.1690, 43.24}},
      {255, 0, 0, L"#FF0000", true, {1, 0, 0}, {0.6486, 0.2995, 28.96}},
      {128, 128, 128, L"#808080", false, {0.5020, 0.5020, 0.5020}, {0.5999, 0, 0}},
  };
  const Lmr::ProfileReading p3 =
      Lmr::readIccProfile(Lmr::test::profileFile(Lmr::test::argyllProfiles + "DisplayP3.icm"));
  ASSERT_TRUE(p3.matrix);
  for (const WorkedFigure& f : figures) {
    const Lmr::ConvertedColour colour = Lmr::convertedColour(opaqueArgb(f.r, f.g, f.b), &*p3.matrix);
    const Lmr::CopyAsTexts texts = Lmr::copyAsTextsOf(colour);
    EXPECT_EQ(texts.hex, f.hex);
    EXPECT_EQ(texts.outsideSrgb, f.outsideSrgb) << f.hex;
    for (std::size_t i = 0; i < 3; ++i) EXPECT_NEAR(colour.displayP3[i], f.displayP3[i], 0.002) << f.hex;
    EXPECT_NEAR(colour.oklch.lightness, f.oklch.lightness, 0.002) << f.hex;
    EXPECT_NEAR(colour.oklch.chroma, f.oklch.chroma, 0.002) << f.hex;
    if (f.oklch.chroma > 0) {
      EXPECT_NEAR(colour.oklch.hue, f.oklch.hue, 0.5) << f.hex;
    }
  }
  EXPECT_EQ(Lmr::copyAsTextsOf(Lmr::convertedColour(opaqueArgb(128, 128, 128), &*p3.matrix)).oklch,
            L"oklch(59.99% 0.0000 0.00)");
}

// Through a profile of sRGB itself no corner of the cube is outside sRGB, although the profile's
// rounding puts some channels a little outside 0 to 1 (argyll's red has blue -0.024 of a step).
TEST(CopyAsTexts, RoundingNoiseOfSrgbProfilesIsNotOutsideSrgb) {
  for (const std::string& file :
       {Lmr::test::argyllProfiles + "sRGB.icm", Lmr::test::colordProfiles + "sRGB.icc"}) {
    const Lmr::ProfileReading reading = Lmr::readIccProfile(Lmr::test::profileFile(file));
    ASSERT_TRUE(reading.matrix) << file;
    for (std::uint32_t corner = 0; corner < 8; ++corner) {
      const Lmr::Argb colour = opaqueArgb(corner & 1 ? 255 : 0, corner & 2 ? 255 : 0, corner & 4 ? 255 : 0);
      EXPECT_FALSE(Lmr::isOutsideSrgb(Lmr::convertedColour(colour, &*reading.matrix))) << file << " " << corner;
    }
  }
}

}  // namespace
