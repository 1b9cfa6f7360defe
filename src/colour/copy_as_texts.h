#pragma once
// The texts "Copy as" puts on the clipboard for a converted colour. They follow CSS, whose
// numbers always have '.', whatever the user's locale.
#include <string>

#include "colour/converted_colour.h"

namespace Lmr {

struct CopyAsTexts {
  std::wstring hex;  // "#D75D1F", the hex readout's form, of the nearest sRGB colour
  std::wstring rgb;  // "rgb(215,93,31)", the rgb readout's form, of the nearest sRGB colour
  std::wstring displayP3;  // "color(display-p3 0.7843 0.3922 0.1961)"
  std::wstring oklch;  // "oklch(62.33% 0.1690 43.24)"
  bool outsideSrgb;  // the hex and rgb texts are of a clipped colour
};

CopyAsTexts copyAsTextsOf(const ConvertedColour& colour);

// Four decimals each, not clipped; a value that rounds to zero is written without a sign.
std::wstring displayP3Text(const Vec3& displayP3);

// Lightness in percent with two decimals, chroma with four, hue in degrees with two, in
// [0, 360). A chroma below 0.0005 is written 0.0000 with hue 0.00: a grey's computed chroma is
// never exactly 0, and its hue is noise.
std::wstring oklchText(const Oklch& oklch);

}  // namespace Lmr
