#include "pick/fish_eye.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

using Lmr::computeFishEye;
using Lmr::FishEyeMap;
constexpr int h = Lmr::halfViewWidth;

struct Run {
  int first, last;
  std::int32_t entry;
};

// Positions past the table's ends are left out, as the walk leaves them out.
void fill(FishEyeMap& map, const Run& run) {
  for (int v = std::max(run.first, 0); v <= std::min(run.last, Lmr::viewWidth - 1); ++v) map[v] = run.entry;
}

// The map for strength 7 as its own table states it: the near rings, then from ring 6 outwards
// two pixels and one grid position per captured pixel, up to the edges.
FishEyeMap workedMapForSeven() {
  FishEyeMap map;
  map.fill(-99999);
  const Run nearRings[] = {
      {93, 107, 100}, {92, 92, -100},  {108, 108, -100}, {85, 91, 99},     {109, 115, 101},
      {84, 84, -99},  {116, 116, -101}, {78, 83, 98},    {117, 122, 102},  {77, 77, -98},
      {123, 123, -102}, {72, 76, 97},  {124, 128, 103},  {71, 71, -97},    {129, 129, -103},
      {67, 70, 96},   {130, 133, 104}, {66, 66, -96},    {134, 134, -104}, {63, 65, 95},
      {135, 137, 105}, {62, 62, -95},  {138, 138, -105},
  };
  for (const Run& run : nearRings) fill(map, run);
  for (int t = 6; t <= 26; ++t) {
    const int step = 3 * (t - 6);
    fill(map, {60 - step, 61 - step, h - t});
    fill(map, {139 + step, 140 + step, h + t});
    fill(map, {59 - step, 59 - step, -(h - t)});
    fill(map, {141 + step, 141 + step, -(h + t)});
  }
  return map;
}

TEST(FishEye, StrengthSevenGivesTheWorkedMap) {
  const FishEyeMap map = computeFishEye(7);
  EXPECT_EQ(map, workedMapForSeven());
  EXPECT_EQ(map[0], 74);
  EXPECT_EQ(map[1], 74);
  EXPECT_EQ(map[198], -125);
  EXPECT_EQ(map[199], 126);
}

TEST(FishEye, CentreBlockIsFramedByTheMarkerPositions) {
  for (int strength = Lmr::minFishEye; strength <= Lmr::maxFishEye; ++strength) {
    SCOPED_TRACE(strength);
    const FishEyeMap map = computeFishEye(strength);
    const Lmr::FishEyeMarkers markers = Lmr::fishEyeMarkers(strength);
    EXPECT_EQ(markers.lo, h - strength - 1);
    EXPECT_EQ(markers.hi, h + strength + 1);
    for (int v = markers.lo + 1; v < markers.hi; ++v) EXPECT_EQ(map[v], h) << v;
    EXPECT_EQ(map[markers.lo], -h);
    EXPECT_EQ(map[markers.hi], -h);
  }
  EXPECT_EQ(Lmr::fishEyeMarkers(1).lo, 98);
  EXPECT_EQ(Lmr::fishEyeMarkers(1).hi, 102);
  EXPECT_EQ(Lmr::fishEyeMarkers(12).lo, 87);
  EXPECT_EQ(Lmr::fishEyeMarkers(12).hi, 113);
}

// Every grid position closes the block nearer the centre: it repeats that block's source index.
TEST(FishEye, GridPositionsRepeatTheBlockTheyClose) {
  for (int strength = Lmr::minFishEye; strength <= Lmr::maxFishEye; ++strength) {
    SCOPED_TRACE(strength);
    const FishEyeMap map = computeFishEye(strength);
    for (int v = 1; v < h; ++v) {
      if (map[v] < 0 && map[v] != -1) {
        EXPECT_EQ(-map[v], map[v + 1]) << v;
      }
    }
    for (int v = h + 1; v < Lmr::viewWidth; ++v) {
      if (map[v] < 0) {
        EXPECT_EQ(-map[v], map[v - 1]) << v;
      }
    }
  }
}

struct ShownRange {
  int strength, lowest, highest;
};

TEST(FishEye, ViewShowsTheCapturedRangeOfItsStrength) {
  const ShownRange cases[] = {{1, 67, 133}, {7, 74, 126}, {12, 89, 111}};
  for (const ShownRange& c : cases) {
    const FishEyeMap map = computeFishEye(c.strength);
    int lowest = INT_MAX, highest = INT_MIN;
    for (std::int32_t entry : map) {
      lowest = std::min(lowest, std::abs(entry));
      highest = std::max(highest, std::abs(entry));
    }
    EXPECT_EQ(lowest, c.lowest) << c.strength;
    EXPECT_EQ(highest, c.highest) << c.strength;
  }
}

TEST(FishEye, OnlySomeStrengthsLeaveTheFirstEntryUnreached) {
  for (int strength = Lmr::minFishEye; strength <= Lmr::maxFishEye; ++strength) {
    const bool unreached = strength == 2 || strength == 5 || strength == 8 || strength == 11;
    const FishEyeMap map = computeFishEye(strength);
    EXPECT_EQ(map[0] == -1, unreached) << strength;
    EXPECT_EQ(std::count(map.begin(), map.end(), -1), unreached ? 1 : 0) << strength;
  }
}

TEST(FishEye, StrengthIsLimitedToOneToTwelve) {
  const int inputs[] = {INT_MIN, -3, 0, 1, 7, 12, 13, 1000, INT_MAX};
  const int limited[] = {1, 1, 1, 1, 7, 12, 12, 12, 12};
  for (std::size_t n = 0; n < std::size(inputs); ++n) {
    EXPECT_EQ(Lmr::clampFishEye(inputs[n]), limited[n]) << inputs[n];
    EXPECT_EQ(computeFishEye(inputs[n]), computeFishEye(limited[n])) << inputs[n];
    EXPECT_EQ(Lmr::fishEyeMarkers(inputs[n]).lo, Lmr::fishEyeMarkers(limited[n]).lo) << inputs[n];
  }
}

}  // namespace
