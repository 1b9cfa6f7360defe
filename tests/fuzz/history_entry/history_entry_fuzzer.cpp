// Any text as an entry of the colour history list. Checked on every input: nothing crashes or
// trips a sanitizer, on any UTF-16 (lone surrogates too); an entry is taken exactly when it is
// "#" and three hexadecimal pairs, whatever follows; a taken entry names the colour of its pairs,
// and the colour's own texts read back as that colour, through the history as well.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "colour/colour_parse.h"
#include "colour/colour_text.h"
#include "fuzz_input.h"

namespace {

using Lmr::Argb;
using Lmr::fuzz::require;

bool isHexDigit(wchar_t c) { return std::wstring_view(L"0123456789abcdefABCDEF").find(c) != std::wstring_view::npos; }

bool namesAColour(std::wstring_view entry) {
  if (entry.size() < 7 || entry[0] != L'#') return false;
  for (std::size_t i = 1; i < 7; ++i)
    if (!isHexDigit(entry[i])) return false;
  return true;
}

std::wstring upperCased(std::wstring_view text) {
  std::wstring upper(text);
  for (wchar_t& c : upper)
    if (c >= L'a' && c <= L'f') c = static_cast<wchar_t>(c - L'a' + L'A');
  return upper;
}

void requireReadsBack(Argb colour, std::wstring_view entry) {
  const std::wstring hex = Lmr::hexText(colour);
  require(hex == upperCased(entry.substr(0, 7)));
  require(Lmr::parseHistoryEntry(hex) == colour);
  require(Lmr::parseHistoryEntry(hex + std::wstring(entry.substr(7))) == colour);
  require(Lmr::parseHexEntry(hex) == colour);
  require(Lmr::parseRgbEntry(Lmr::rgbText(colour)) == colour);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring entry = Lmr::fuzz::wideTextFrom(data, size);
  const std::optional<Argb> colour = Lmr::parseHistoryEntry(entry);
  require(colour.has_value() == namesAColour(entry));
  if (colour) {
    require(Lmr::alphaOf(*colour) == 0xFF);
    requireReadsBack(*colour, entry);
  }
  return 0;
}
