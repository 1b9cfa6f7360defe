#include "pick/magnifier_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr int side = Lmr::viewWidth;
constexpr int h = Lmr::halfViewWidth;
constexpr std::uint32_t white = 0xFFFFFF, black = 0x000000;

// A pixel buffer with spare words at the end of each row, so stride mistakes show.
struct Buffer {
  int width, height, wordsPerRow;
  std::vector<std::uint32_t> words;

  Buffer(int w, int ht, std::uint32_t fill, int padding = 8)
      : width(w), height(ht), wordsPerRow(w + padding), words(std::size_t(wordsPerRow) * ht, fill) {}
  std::uint32_t& at(int x, int y) { return words[std::size_t(y) * wordsPerRow + x]; }
  Lmr::BgrxView view() {
    return {reinterpret_cast<std::uint8_t*>(words.data()), width, height, std::ptrdiff_t(wordsPerRow) * 4};
  }
};

// Blue holds the column, green the row, red a constant and the fourth byte junk, so every
// captured pixel names its own place and none reads as white or black.
constexpr std::uint32_t junkByte = 0x37000000, redPart = 0x5A0000;
std::uint32_t colourAt(int column, int row) { return redPart | std::uint32_t(row) << 8 | std::uint32_t(column); }

Buffer selfDescribingCapture() {
  Buffer capture(side, side, 0);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) capture.at(x, y) = junkByte | colourAt(x, y);
  return capture;
}

// The finished view pixel, rule by rule in the order the view is defined.
std::uint32_t expectedPixel(int x, int y, const Lmr::FishEyeMap& srows, int fishEye, bool grid) {
  const int lo = h - fishEye - 1, hi = h + fishEye + 1;
  if (x == lo || x == hi) return black;
  if (grid && srows[x] < 0) return white;
  if (y == lo || y == hi) return black;
  if (grid && srows[y] < 0) return white;
  return colourAt(std::abs(srows[x]), std::abs(srows[y]));
}

struct Case {
  int fishEye;
  bool grid;
};

std::vector<Case> everyStrengthWithAndWithoutGrid() {
  std::vector<Case> cases;
  for (int f = Lmr::minFishEye; f <= Lmr::maxFishEye; ++f) cases.insert(cases.end(), {{f, true}, {f, false}});
  return cases;
}

class MagnifierView : public ::testing::TestWithParam<Case> {};

TEST_P(MagnifierView, EveryPixelFollowsThePrecedenceOfLines) {
  const auto [fishEye, grid] = GetParam();
  Buffer capture = selfDescribingCapture();
  Buffer view(side, side, 0x12345678);
  const Lmr::FishEyeMap srows = Lmr::computeFishEye(fishEye);
  ASSERT_TRUE(Lmr::renderMagnifierView(capture.view(), view.view(), srows, fishEye, grid));
  int wrong = 0;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const std::uint32_t got = view.at(x, y);
      const std::uint32_t want = 0xFF000000 | expectedPixel(x, y, srows, fishEye, grid);
      if (got != want && ++wrong <= 5) ADD_FAILURE() << "at " << x << "," << y << std::hex << " got " << got << " want " << want;
    }
    for (int spare = side; spare < view.wordsPerRow; ++spare) EXPECT_EQ(view.at(spare, y), 0x12345678u);
  }
  EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(AllStrengths, MagnifierView, ::testing::ValuesIn(everyStrengthWithAndWithoutGrid()),
                         [](const auto& info) {
                           return "Strength" + std::to_string(info.param.fishEye) + (info.param.grid ? "Grid" : "NoGrid");
                         });

// Tables no strength produces follow the same rules: entries at random, and runs of random
// length over rising columns, now and then broken by one or two line positions.
Lmr::FishEyeMap randomTable(std::mt19937& random) {
  Lmr::FishEyeMap srows;
  for (std::int32_t& entry : srows) entry = std::uniform_int_distribution<int>(-side + 1, side - 1)(random);
  return srows;
}

Lmr::FishEyeMap randomRunsTable(std::mt19937& random) {
  Lmr::FishEyeMap srows;
  std::uniform_int_distribution<int> length(1, 5), lines(0, 2);
  int column = std::uniform_int_distribution<int>(0, 60)(random);
  for (int x = 0; x < side;) {
    for (int n = length(random); n > 0 && x < side; --n) srows[x++] = column;
    for (int n = lines(random); n > 0 && x < side; --n) srows[x++] = -column;
    column = std::min(column + 1, side - 1);
  }
  return srows;
}

TEST(MagnifierViewEdges, AnyTableFollowsTheSameRules) {
  std::mt19937 random(7);
  Buffer capture = selfDescribingCapture();
  Buffer view(side, side, 0);
  for (int round = 0; round < 60; ++round) {
    const Lmr::FishEyeMap srows = round % 3 == 0 ? randomTable(random) : randomRunsTable(random);
    const int fishEye = 1 + round % 12;
    const bool grid = round % 2 == 0;
    ASSERT_TRUE(Lmr::renderMagnifierView(capture.view(), view.view(), srows, fishEye, grid));
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x)
        ASSERT_EQ(view.at(x, y), 0xFF000000 | expectedPixel(x, y, srows, fishEye, grid)) << round << ": " << x << "," << y;
  }
}

TEST(MagnifierViewEdges, UnreachedFirstPositionIsGridOrShowsCapturedOne) {
  Buffer capture = selfDescribingCapture();
  Buffer view(side, side, 0);
  const Lmr::FishEyeMap srows = Lmr::computeFishEye(2);
  ASSERT_TRUE(Lmr::renderMagnifierView(capture.view(), view.view(), srows, 2, true));
  EXPECT_EQ(view.at(0, 50), 0xFFFFFFFFu);
  EXPECT_EQ(view.at(50, 0), 0xFFFFFFFFu);
  ASSERT_TRUE(Lmr::renderMagnifierView(capture.view(), view.view(), srows, 2, false));
  EXPECT_EQ(view.at(0, 0), 0xFF000000 | colourAt(1, 1));
  EXPECT_EQ(view.at(h, 0), 0xFF000000 | colourAt(h, 1));
}

TEST(MagnifierViewEdges, BuffersOfAnotherShapeAreRefusedUntouched) {
  Buffer capture = selfDescribingCapture();
  const Lmr::FishEyeMap srows = Lmr::computeFishEye(7);
  Buffer view(side, side, 0x12345678);
  Buffer small(side - 1, side, 0);
  Lmr::BgrxView overlapping = view.view();
  overlapping.stride = 4 * (side - 1);
  Lmr::BgrxView misaligned = view.view();
  misaligned.pixels += 1;
  const Lmr::BgrxView refused[] = {small.view(), overlapping, misaligned, Lmr::BgrxView{}};
  for (const Lmr::BgrxView& target : refused) EXPECT_FALSE(Lmr::renderMagnifierView(capture.view(), target, srows, 7, true));
  EXPECT_FALSE(Lmr::renderMagnifierView(small.view(), view.view(), srows, 7, true));
  for (std::uint32_t word : view.words) ASSERT_EQ(word, 0x12345678u);
}

TEST(PickedColour, IsTheCentrePixelOpaqueWhateverItsFourthByte) {
  Buffer capture = selfDescribingCapture();
  for (std::uint32_t fourth : {0x00000000u, 0x01000000u, 0x7F000000u, 0xFF000000u}) {
    capture.at(h, h) = fourth | 0x123456;
    EXPECT_EQ(Lmr::pickedColour(capture.view()), 0xFF123456u) << std::hex << fourth;
  }
  Buffer small(side, side - 1, 0);
  EXPECT_EQ(Lmr::pickedColour(small.view()), std::nullopt);
}

}  // namespace
