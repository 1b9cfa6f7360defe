#include "colour/colour_text.h"

#include <algorithm>
#include <cmath>

#include "colour/ascii_text.h"

namespace Lmr {
namespace {

std::wstring built(void (*assign)(Argb, std::wstring&), Argb colour) {
  std::wstring text;
  assign(colour, text);
  return text;
}

float channelFraction(std::uint8_t channel) { return static_cast<float>(channel) / 255.0f; }

// Where two channels share the maximum, red wins over green and green over blue.
float hueOf(float r, float g, float b, float max, float min) {
  if (max == min) return 0.0f;
  const float d = max - min;
  float sector;
  if (r == max) {
    sector = (g - b) / d;
  } else if (g == max) {
    sector = 2.0f + (b - r) / d;
  } else {
    sector = 4.0f + (r - g) / d;
  }
  const float hue = sector * 60.0f;
  return hue < 0.0f ? hue + 360.0f : hue;
}

float saturationOf(float max, float min, float lightness) {
  if (max == min) return 0.0f;
  return lightness <= 0.5f ? (max - min) / (max + min) : (max - min) / (2.0f - max - min);
}

float percent(float fraction) { return static_cast<float>(100.0 * static_cast<double>(fraction)); }

// Half up, the sum kept in single precision: 359.5 and above reads 360.
int roundedHalfUp(float value) {
  const float sum = value + 0.5f;
  return static_cast<int>(std::floor(sum));
}

}  // namespace

void assignHexText(Argb colour, std::wstring& text) {
  AsciiText ascii;
  ascii << "#";
  ascii.hexByte(redOf(colour)).hexByte(greenOf(colour)).hexByte(blueOf(colour));
  ascii.assignTo(text);
}

void assignRgbText(Argb colour, std::wstring& text) {
  AsciiText ascii;
  ascii << "rgb(" << int{redOf(colour)} << "," << int{greenOf(colour)} << "," << int{blueOf(colour)}
        << ")";
  ascii.assignTo(text);
}

Hsl hslOf(Argb colour) {
  const float r = channelFraction(redOf(colour));
  const float g = channelFraction(greenOf(colour));
  const float b = channelFraction(blueOf(colour));
  const float max = std::max({r, g, b});
  const float min = std::min({r, g, b});
  const float lightness = (max + min) / 2.0f;
  return {hueOf(r, g, b, max, min), percent(saturationOf(max, min, lightness)), percent(lightness)};
}

void assignHsbText(Argb colour, bool rounded, wchar_t decimalSeparator, std::wstring& text) {
  const Hsl hsl = hslOf(colour);
  AsciiText ascii;
  ascii << "hsb(";
  if (rounded) {
    ascii << roundedHalfUp(hsl.hue) << "," << roundedHalfUp(hsl.saturation) << ","
          << roundedHalfUp(hsl.lightness);
  } else {
    ascii << hsl.hue << "," << hsl.saturation << "," << hsl.lightness;
  }
  ascii << ")";
  ascii.assignTo(text, decimalSeparator);
}

std::wstring hexText(Argb colour) { return built(assignHexText, colour); }

std::wstring rgbText(Argb colour) { return built(assignRgbText, colour); }

std::wstring hsbText(Argb colour, bool rounded, wchar_t decimalSeparator) {
  std::wstring text;
  assignHsbText(colour, rounded, decimalSeparator, text);
  return text;
}

}  // namespace Lmr
