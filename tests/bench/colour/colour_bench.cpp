// The readout work of one magnifier tick (three texts from a new colour) and the parsing of typed
// entries, which runs on every key release in a field.
#include <benchmark/benchmark.h>

#include <string>

#include "colour/colour_parse.h"
#include "colour/colour_text.h"
#include "colour/readout.h"

namespace {

// A colour that changes on every call, as the pointer moves over a picture.
Lmr::Argb nextColour(Lmr::Argb& state) {
  state = state * 1664525u + 1013904223u;
  return 0xFF000000u | (state >> 8);
}

void BM_RefreshDecision(benchmark::State& state) {
  const bool round = state.range(0) != 0;
  Lmr::Argb seed = 1;
  std::wstring shownHex = L"#A31515";
  std::wstring shownRgb = L"rgb(163,21,21)";
  for (auto _ : state) {
    Lmr::ReadoutUpdate update = Lmr::readoutUpdateFor(nextColour(seed), {shownHex, shownRgb}, round, L'.');
    if (update.hex) shownHex.swap(*update.hex);
    if (update.rgb) shownRgb.swap(*update.rgb);
    benchmark::DoNotOptimize(update.hsb.data());
  }
}
BENCHMARK(BM_RefreshDecision)->Arg(1)->Arg(0)->ArgName("round");

void BM_ThreeTextsIntoReusedBuffers(benchmark::State& state) {
  Lmr::Argb seed = 1;
  std::wstring hex, rgb, hsb;
  for (auto _ : state) {
    const Lmr::Argb colour = nextColour(seed);
    Lmr::assignHexText(colour, hex);
    Lmr::assignRgbText(colour, rgb);
    Lmr::assignHsbText(colour, false, L'.', hsb);
    benchmark::DoNotOptimize(hsb.data());
  }
}
BENCHMARK(BM_ThreeTextsIntoReusedBuffers);

using Parser = std::optional<Lmr::Argb> (*)(std::wstring_view);

void BM_Parse(benchmark::State& state, Parser parse, const wchar_t* entry) {
  const std::wstring text = entry;
  for (auto _ : state) benchmark::DoNotOptimize(parse(text));
}
BENCHMARK_CAPTURE(BM_Parse, hex_canonical, Lmr::parseHexEntry, L"#A31515");
BENCHMARK_CAPTURE(BM_Parse, hex_lower_no_hash, Lmr::parseHexEntry, L"a31515");
BENCHMARK_CAPTURE(BM_Parse, hex_too_short, Lmr::parseHexEntry, L"#A315");
BENCHMARK_CAPTURE(BM_Parse, rgb_canonical, Lmr::parseRgbEntry, L"rgb(163,21,21)");
BENCHMARK_CAPTURE(BM_Parse, rgb_spaces, Lmr::parseRgbEntry, L"10 20 30");
BENCHMARK_CAPTURE(BM_Parse, rgb_two_runs, Lmr::parseRgbEntry, L"rgb(255,0");

}  // namespace
