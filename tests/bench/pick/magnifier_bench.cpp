// The magnifier's view against the plain row-turn-row-turn pipeline, grid lines on and off.
#include <benchmark/benchmark.h>

#include <random>

#include "literal_pipeline.h"
#include "pick/magnifier_view.h"

namespace {

constexpr int benchFishEye = Lmr::initialFishEye;

LmrBench::SquareBitmap noisyCapture() {
  LmrBench::SquareBitmap capture;
  std::mt19937 random(42);
  for (std::uint32_t& word : capture.words) word = random();
  return capture;
}

bool sameColours(const LmrBench::SquareBitmap& a, const LmrBench::SquareBitmap& b) {
  for (std::size_t i = 0; i < a.words.size(); ++i)
    if (((a.words[i] ^ b.words[i]) & 0x00FFFFFFu) != 0) return false;
  return true;
}

void BM_MagnifierView(benchmark::State& state) {
  const bool grid = state.range(0) != 0;
  LmrBench::SquareBitmap capture = noisyCapture(), view;
  const Lmr::FishEyeMap srows = Lmr::computeFishEye(benchFishEye);
  for (auto _ : state) {
    Lmr::renderMagnifierView(capture.view(), view.view(), srows, benchFishEye, grid);
    benchmark::DoNotOptimize(view.words.data());
    benchmark::ClobberMemory();
  }
  LmrBench::SquareBitmap literal;
  LmrBench::LiteralPipeline().render(capture.view(), literal.view(), srows, benchFishEye, grid);
  if (!sameColours(view, literal)) state.SkipWithError("the view differs from the literal pipeline's");
}

void BM_LiteralPipeline(benchmark::State& state) {
  const bool grid = state.range(0) != 0;
  LmrBench::SquareBitmap capture = noisyCapture(), view;
  const Lmr::FishEyeMap srows = Lmr::computeFishEye(benchFishEye);
  LmrBench::LiteralPipeline pipeline;
  for (auto _ : state) {
    pipeline.render(capture.view(), view.view(), srows, benchFishEye, grid);
    benchmark::DoNotOptimize(view.words.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_MagnifierView)->ArgName("grid")->Arg(1)->Arg(0);
BENCHMARK(BM_LiteralPipeline)->ArgName("grid")->Arg(1)->Arg(0);

}  // namespace
