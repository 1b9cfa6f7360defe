#include "colour/readout.h"

#include <algorithm>

#include "colour/colour_text.h"

namespace Lmr {
namespace {

bool isBetween(std::int32_t value, std::int32_t low, std::int32_t high) {
  return value >= low && value <= high;
}

constexpr std::int32_t backspaceKey = 8;

wchar_t asciiUpper(wchar_t c) {
  return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// The hex text is "#" and upper-case ASCII hexadecimal digits, and no other character upper-cases
// into one of those, so ASCII folding decides the same as a full upper-casing would.
bool equalsWhenUpperCased(std::wstring_view shown, std::wstring_view canonical) {
  return std::equal(shown.begin(), shown.end(), canonical.begin(), canonical.end(),
                    [](wchar_t a, wchar_t b) { return asciiUpper(a) == b; });
}

constexpr std::size_t hexDigitsStart = 1;  // behind "#"
constexpr std::size_t hexDigitsLength = 6;

}  // namespace

bool isColourEntryKey(std::int32_t keyCode) {
  return isBetween(keyCode, '0', '9') || isBetween(keyCode, 96, 105) ||  // keypad 0-9
         isBetween(keyCode, 'A', 'F') || keyCode == backspaceKey;
}

bool keyboardColorInputAfterKey(bool keyboardColorInput, std::int32_t keyCode) {
  return keyboardColorInput || isColourEntryKey(keyCode);
}

ReadoutUpdate readoutUpdateFor(Argb colour, ShownReadouts shown, bool roundHsb,
                               wchar_t decimalSeparator) {
  ReadoutUpdate update;
  std::wstring hex = hexText(colour);
  if (!equalsWhenUpperCased(shown.hex, hex)) update.hex = std::move(hex);
  std::wstring rgb = rgbText(colour);
  if (shown.rgb != rgb) update.rgb = std::move(rgb);
  assignHsbText(colour, roundHsb, decimalSeparator, update.hsb);
  return update;
}

TextSelection hoverSelectionFor(ReadoutField field, std::wstring_view text) {
  if (field != ReadoutField::Hex) return {0, text.size()};
  const std::size_t start = std::min(hexDigitsStart, text.size());
  return {start, std::min(hexDigitsLength, text.size() - start)};
}

std::optional<std::wstring> textToCopy(std::wstring_view text, TextSelection selection) {
  if (text.empty()) return std::nullopt;
  if (selection.length == 0 || selection.start >= text.size()) return std::wstring(text);
  return std::wstring(text.substr(selection.start, selection.length));
}

}  // namespace Lmr
