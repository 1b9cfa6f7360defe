// Any bytes as a monitor's ICC profile. Checked on every input: nothing crashes or trips a
// sanitizer; a description has no control character and is never longer than a menu line may
// be; a supported profile gives finite values for each pixel tried, and its hex text reads back
// as the nearest sRGB colour; the menu says when the profile is not supported.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "colour/colour_parse.h"
#include "colour/converted_colour.h"
#include "colour/copy_as_menu.h"
#include "colour/icc_description.h"
#include "colour/icc_profile.h"
#include "fuzz_input.h"

namespace {

using Lmr::Argb;
using Lmr::fuzz::require;

void requireShowable(const std::wstring& description) {
  require(description.size() <= Lmr::longestProfileDescription);
  for (wchar_t c : description) require(c >= L' ' && c != 0x7F);
}

void requireFinite(const Lmr::ConvertedColour& colour) {
  for (double channel : colour.srgb) require(std::isfinite(channel));
  for (double channel : colour.displayP3) require(std::isfinite(channel));
  require(std::isfinite(colour.oklch.lightness) && std::isfinite(colour.oklch.chroma));
  require(colour.oklch.hue >= 0.0 && colour.oklch.hue < 360.0);
}

void checkPixel(const Lmr::ProfileReading& reading, Argb pixel) {
  const Lmr::CopyAsMenu menu = Lmr::copyAsMenuFor(&reading, pixel, true);
  if (!reading.matrix) {
    require(menu.profileLine.ends_with(L" (not supported: the screen's own values)"));
    return;
  }
  const Lmr::ConvertedColour colour = Lmr::convertedColour(pixel, &*reading.matrix);
  requireFinite(colour);
  require(Lmr::parseHexEntry(menu.items[0].clipboardText) == Lmr::nearestSrgbColour(colour));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Lmr::ProfileReading reading = Lmr::readIccProfile(std::span(data, size));
  requireShowable(reading.description);
  // Every colorant at the curves' top, and one alone.
  for (Argb pixel : {0xFFFFFFFFu, 0xFFFF0000u}) checkPixel(reading, pixel);
  return 0;
}
