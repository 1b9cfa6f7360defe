#include "colour/copy_as_texts.h"

#include <cmath>

#include "colour/ascii_text.h"
#include "colour/colour_text.h"

namespace Lmr {
namespace {

constexpr double smallestShownChroma = 0.0005;

// The value as written with `decimals` digits, so that -0.00004 is written 0.0000, not -0.0000.
double roundedTo(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double rounded = std::round(value * scale) / scale;
  return rounded == 0.0 ? 0.0 : rounded;
}

// Hue rounded first, so that 359.996 degrees is written 0.00 rather than 360.00.
double shownHue(double hue) {
  const double rounded = roundedTo(hue, 2);
  return rounded >= 360.0 ? 0.0 : rounded;
}

}  // namespace

std::wstring displayP3Text(const Vec3& displayP3) {
  AsciiText text;
  text << "color(display-p3";
  for (double channel : displayP3) (text << " ").fixed(roundedTo(channel, 4), 4);
  text << ")";
  return text.wide();
}

std::wstring oklchText(const Oklch& oklch) {
  const bool grey = !(oklch.chroma >= smallestShownChroma);
  AsciiText text;
  text << "oklch(";
  text.fixed(roundedTo(oklch.lightness * 100.0, 2), 2) << "% ";
  text.fixed(grey ? 0.0 : roundedTo(oklch.chroma, 4), 4) << " ";
  text.fixed(grey ? 0.0 : shownHue(oklch.hue), 2) << ")";
  return text.wide();
}

CopyAsTexts copyAsTextsOf(const ConvertedColour& colour) {
  const Argb nearest = nearestSrgbColour(colour);
  return {hexText(nearest), rgbText(nearest), displayP3Text(colour.displayP3), oklchText(colour.oklch),
          isOutsideSrgb(colour)};
}

}  // namespace Lmr
