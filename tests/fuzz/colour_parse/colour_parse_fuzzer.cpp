// Arbitrary text typed or pasted into the hex and rgb fields. Checked on every input: nothing
// crashes or trips a sanitizer; an entry is rejected exactly when it cannot name a colour; an
// accepted entry names the colour a plain reading of it gives, and whatever the refresh then
// leaves in the field, as well as the colour's own texts, reads back as that same colour.
#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "colour/colour_parse.h"
#include "colour/colour_text.h"
#include "colour/readout.h"
#include "fuzz_input.h"

namespace {

using Lmr::Argb;
using Lmr::fuzz::require;

bool isAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::vector<std::wstring> digitRunsOf(std::wstring_view text) {
  std::vector<std::wstring> runs;
  bool inRun = false;
  for (wchar_t c : text) {
    if (isAsciiDigit(c) && !inRun) runs.emplace_back();
    if (isAsciiDigit(c)) runs.back() += c;
    inRun = isAsciiDigit(c);
  }
  return runs;
}

// 10^8 is a multiple of 256, so only a run's last eight digits decide its value modulo 256.
unsigned modulo256(const std::wstring& run) {
  const std::wstring lastDigits = run.size() > 8 ? run.substr(run.size() - 8) : run;
  return static_cast<unsigned>(std::wcstoul(lastDigits.c_str(), nullptr, 10) % 256);
}

bool isHexDigitPair(std::wstring_view pair) {
  return pair.find_first_not_of(L"0123456789ABCDEFabcdef") == std::wstring_view::npos;
}

void requireReadsBack(Argb colour) {
  require(Lmr::alphaOf(colour) == 0xFF);
  require(Lmr::parseHexEntry(Lmr::hexText(colour)) == colour);
  require(Lmr::parseRgbEntry(Lmr::rgbText(colour)) == colour);
  require(!Lmr::hsbText(colour, false, L',').empty());
}

void checkHexEntry(std::wstring_view entry) {
  const std::optional<Argb> colour = Lmr::parseHexEntry(entry);
  const std::wstring_view digits = entry.substr(!entry.empty() && entry[0] == L'#' ? 1 : 0);
  require(colour.has_value() == (digits.size() == 6));
  if (!colour) return;
  requireReadsBack(*colour);
  const std::uint8_t channels[] = {Lmr::redOf(*colour), Lmr::greenOf(*colour), Lmr::blueOf(*colour)};
  for (std::size_t i = 0; i < 3; ++i) {
    const std::wstring pair(digits.substr(2 * i, 2));
    if (isHexDigitPair(pair)) require(channels[i] == std::wcstoul(pair.c_str(), nullptr, 16));
  }
  const Lmr::ReadoutUpdate update = Lmr::readoutUpdateFor(*colour, {entry, {}}, true, L'.');
  require(Lmr::parseHexEntry(update.hex ? *update.hex : entry) == colour);
}

void checkRgbEntry(std::wstring_view entry) {
  const std::optional<Argb> colour = Lmr::parseRgbEntry(entry);
  const std::vector<std::wstring> runs = digitRunsOf(entry);
  require(colour.has_value() == (runs.size() == 3));
  if (!colour) return;
  requireReadsBack(*colour);
  require(*colour == Lmr::opaqueArgb(static_cast<std::uint8_t>(modulo256(runs[0])),
                                     static_cast<std::uint8_t>(modulo256(runs[1])),
                                     static_cast<std::uint8_t>(modulo256(runs[2]))));
  const Lmr::ReadoutUpdate update = Lmr::readoutUpdateFor(*colour, {{}, entry}, false, L'.');
  require(Lmr::parseRgbEntry(update.rgb ? *update.rgb : entry) == colour);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = Lmr::fuzz::wideTextFrom(data, size);
  checkHexEntry(text);
  checkRgbEntry(text);
  (void)Lmr::hexstr2num(text);
  return 0;
}
