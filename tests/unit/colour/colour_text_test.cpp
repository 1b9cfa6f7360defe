#include "colour/colour_text.h"

#include <gtest/gtest.h>

namespace {

using Lmr::opaqueArgb;

struct Example {
  Lmr::Argb colour;
  const wchar_t* hex;
  const wchar_t* rgb;
  const wchar_t* hsbRounded;
  const wchar_t* hsbUnrounded;
};

const Example examples[] = {
    {opaqueArgb(255, 0, 0), L"#FF0000", L"rgb(255,0,0)", L"hsb(0,100,50)", L"hsb(0,100,50)"},
    {opaqueArgb(255, 255, 255), L"#FFFFFF", L"rgb(255,255,255)", L"hsb(0,0,100)", L"hsb(0,0,100)"},
    {opaqueArgb(0, 0, 0), L"#000000", L"rgb(0,0,0)", L"hsb(0,0,0)", L"hsb(0,0,0)"},
    {opaqueArgb(128, 128, 128), L"#808080", L"rgb(128,128,128)", L"hsb(0,0,50)", L"hsb(0,0,50.19608)"},
    {opaqueArgb(163, 21, 21), L"#A31515", L"rgb(163,21,21)", L"hsb(0,77,36)",
     L"hsb(0,77.17391,36.07843)"},
    {opaqueArgb(51, 153, 204), L"#3399CC", L"rgb(51,153,204)", L"hsb(200,60,50)", L"hsb(200,60,50)"},
    {opaqueArgb(255, 128, 0), L"#FF8000", L"rgb(255,128,0)", L"hsb(30,100,50)",
     L"hsb(30.11765,100,50)"},
    {opaqueArgb(255, 0, 1), L"#FF0001", L"rgb(255,0,1)", L"hsb(360,100,50)",
     L"hsb(359.7647,100,50)"},
};

std::wstring withComma(std::wstring text) {
  for (wchar_t& c : text) {
    if (c == L'.') c = L',';
  }
  return text;
}

TEST(ColourText, WorkedExamples) {
  for (const Example& e : examples) {
    SCOPED_TRACE(testing::Message() << std::hex << e.colour);
    EXPECT_EQ(Lmr::hexText(e.colour), e.hex);
    EXPECT_EQ(Lmr::rgbText(e.colour), e.rgb);
    EXPECT_EQ(Lmr::hsbText(e.colour, true, L'.'), e.hsbRounded);
    EXPECT_EQ(Lmr::hsbText(e.colour, true, L','), e.hsbRounded);
    EXPECT_EQ(Lmr::hsbText(e.colour, false, L'.'), e.hsbUnrounded);
    EXPECT_EQ(Lmr::hsbText(e.colour, false, L','), withComma(e.hsbUnrounded));
  }
}

// Rounding works on single-precision values: a saturation just below 82.5 is stored as 82.5 and
// reads 83; a hue of 0.49999997 reads 1 because the half is added in single precision.
TEST(ColourText, RoundingAddsTheHalfInSinglePrecision) {
  EXPECT_EQ(Lmr::hsbText(opaqueArgb(7, 7, 0x49), true, L'.'), L"hsb(240,83,16)");
  EXPECT_EQ(Lmr::hsbText(opaqueArgb(7, 7, 0x49), false, L'.'), L"hsb(240,82.5,15.68628)");
  EXPECT_EQ(Lmr::hsbText(opaqueArgb(0x7A, 3, 2), true, L'.'), L"hsb(1,97,24)");
}

TEST(ColourText, AlphaIsNeverShown) {
  const Lmr::Argb translucent = 0x12A31515;
  EXPECT_EQ(Lmr::hexText(translucent), L"#A31515");
  EXPECT_EQ(Lmr::rgbText(translucent), L"rgb(163,21,21)");
  EXPECT_EQ(Lmr::hsbText(translucent, true, L'.'), L"hsb(0,77,36)");
}

TEST(ColourText, AssignReplacesWhatTheStringHeld) {
  std::wstring text = L"a much longer text than any readout";
  Lmr::assignHexText(opaqueArgb(1, 2, 3), text);
  EXPECT_EQ(text, L"#010203");
  Lmr::assignHsbText(opaqueArgb(128, 128, 128), false, L'\u066B', text);  // Arabic separator
  EXPECT_EQ(text, L"hsb(0,0,50\u066B19608)");
}

}  // namespace
