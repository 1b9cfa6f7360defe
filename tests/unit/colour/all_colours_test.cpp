// Every 24-bit colour, checked against the parsers: what a readout shows must read back as the
// same colour when typed in again.
#include <gtest/gtest.h>

#include <string>

#include "colour/colour_parse.h"
#include "colour/colour_text.h"

namespace {

TEST(AllColours, HexAndRgbTextsReadBackAsTheSameColour) {
  std::wstring hex;
  std::wstring rgb;
  std::uint32_t mismatches = 0;
  for (Lmr::Argb rgbBits = 0; rgbBits <= 0xFFFFFF; ++rgbBits) {
    const Lmr::Argb colour = 0xFF000000u | rgbBits;
    Lmr::assignHexText(colour, hex);
    Lmr::assignRgbText(colour, rgb);
    if (hex.size() != 7 || Lmr::parseHexEntry(hex) != colour || Lmr::parseRgbEntry(rgb) != colour) {
      if (++mismatches <= 5) ADD_FAILURE() << std::hex << colour;
    }
  }
  EXPECT_EQ(mismatches, 0u);
}

TEST(AllColours, HslValuesStayInTheirRanges) {
  std::uint32_t outOfRange = 0;
  for (Lmr::Argb rgbBits = 0; rgbBits <= 0xFFFFFF; ++rgbBits) {
    const Lmr::Hsl hsl = Lmr::hslOf(0xFF000000u | rgbBits);
    const bool inRange = hsl.hue >= 0.0f && hsl.hue < 360.0f && hsl.saturation >= 0.0f &&
                         hsl.saturation <= 100.0f && hsl.lightness >= 0.0f && hsl.lightness <= 100.0f;
    if (!inRange && ++outOfRange <= 5) ADD_FAILURE() << std::hex << rgbBits;
  }
  EXPECT_EQ(outOfRange, 0u);
}

}  // namespace
