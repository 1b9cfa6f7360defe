#pragma once
// The three text forms of a colour shown in the readouts and put on the clipboard. Alpha is never
// shown. The assign* forms write into an existing string so a caller can reuse its buffer.
#include <string>

#include "ports/argb.h"

namespace Lmr {

// "#RRGGBB", upper-case digits.
std::wstring hexText(Argb colour);
void assignHexText(Argb colour, std::wstring& text);

// "rgb(r,g,b)", decimal without leading zeros or spaces.
std::wstring rgbText(Argb colour);
void assignRgbText(Argb colour, std::wstring& text);

// The HSL model in single precision: hue in degrees [0, 360), saturation and lightness in
// percent. Greys have hue 0 and saturation 0.
struct Hsl {
  float hue;
  float saturation;
  float lightness;
};
Hsl hslOf(Argb colour);

// "hsb(h,s,l)" of the HSL values. Rounded: whole numbers, halves up, so a hue of 359.5 or more
// reads 360. Unrounded: at most seven significant digits, no trailing zeros, `decimalSeparator`
// between the whole and the fractional part (the user's locale gives it).
std::wstring hsbText(Argb colour, bool rounded, wchar_t decimalSeparator);
void assignHsbText(Argb colour, bool rounded, wchar_t decimalSeparator, std::wstring& text);

}  // namespace Lmr
