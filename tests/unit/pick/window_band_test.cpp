#include "pick/window_band.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Lmr::Point32;
using Lmr::Rect32;

TEST(WindowBand, StartsThirtyOneBelowTheTopAndIs290Tall) {
  EXPECT_EQ(Lmr::windowBand({100, 50, 400, 600}), (Rect32{100, 81, 400, 290}));
  EXPECT_EQ(Lmr::windowBand({-300, -40, 10, 20}), (Rect32{-300, -9, 10, 290}));
  EXPECT_EQ(Lmr::windowBand({0, INT_MAX - 5, 10, 20}).Y, INT_MAX);
}

struct Probe {
  Point32 point;
  bool inside;
};

TEST(WindowBand, IncludesLeftAndTopEdgesButNotRightAndBottom) {
  const Rect32 window{100, 50, 400, 600};  // band: x 100..499, y 81..370
  const Probe probes[] = {
      {{100, 81}, true},  {{499, 370}, true},  {{300, 200}, true}, {{99, 81}, false},
      {{100, 80}, false}, {{500, 200}, false}, {{300, 371}, false}, {{300, 60}, false},
      {{300, 500}, false},
  };
  for (const Probe& probe : probes) {
    EXPECT_EQ(Lmr::isInWindowBand(window, probe.point), probe.inside) << probe.point.x << "," << probe.point.y;
  }
}

TEST(WindowBand, AnEmptyOrFarOutRectangleHoldsNoWrappedPoints) {
  EXPECT_FALSE(Lmr::containsPoint({10, 10, 0, 5}, {10, 10}));
  EXPECT_TRUE(Lmr::containsPoint({INT_MAX - 1, 0, 10, 10}, {INT_MAX, 0}));
  EXPECT_FALSE(Lmr::containsPoint({INT_MAX - 1, 0, 10, 10}, {INT_MIN, 0}));
}

}  // namespace
