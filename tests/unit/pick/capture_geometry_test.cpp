#include "pick/capture_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using Lmr::CaptureBlit;
using Lmr::Point32;
using Lmr::Rect32;

constexpr Rect32 singleScreen{0, 0, 1920, 1080};
constexpr Rect32 leftAndPrimary{-1920, 0, 3840, 1080};

struct Correction {
  Point32 requested, corrected;
};

TEST(CaptureCentre, IsPulledBackToTheEdgesOfASingleScreen) {
  const Correction cases[] = {
      {{2000, 1200}, {1920, 1080}}, {{-5, 10}, {0, 10}},         {{960, 540}, {960, 540}},
      {{0, 0}, {0, 0}},             {{1920, 1080}, {1920, 1080}}, {{1921, -1}, {1920, 0}},
      {{INT_MIN, INT_MAX}, {0, 1080}},
  };
  for (const Correction& c : cases) {
    EXPECT_EQ(Lmr::correctCaptureCentre(c.requested, singleScreen), c.corrected)
        << c.requested.x << "," << c.requested.y;
  }
}

TEST(CaptureCentre, AcceptsEveryColumnOfAScreenLeftOfThePrimary) {
  for (int x = -1920; x <= 1920; ++x) {
    const Point32 point{x, 500};
    ASSERT_EQ(Lmr::correctCaptureCentre(point, leftAndPrimary), point) << x;
  }
  EXPECT_EQ(Lmr::correctCaptureCentre({-1921, 500}, leftAndPrimary), (Point32{-1920, 500}));
  EXPECT_EQ(Lmr::correctCaptureCentre({1921, 500}, leftAndPrimary), (Point32{1920, 500}));
}

TEST(CaptureCentre, EdgesFarOutDoNotWrapAround) {
  const Rect32 huge{INT_MAX - 10, 0, 100, 100};
  EXPECT_EQ(Lmr::correctCaptureCentre({INT_MAX, 5}, huge), (Point32{INT_MAX, 5}));
  EXPECT_EQ(Lmr::captureSquare({INT_MIN, INT_MAX}, 200), (Rect32{INT_MIN, INT_MAX - 100, 200, 200}));
}

TEST(CaptureSquare, PutsTheCentreAtHalfTheWidth) {
  EXPECT_EQ(Lmr::captureSquare({960, 540}, 200), (Rect32{860, 440, 200, 200}));
  EXPECT_EQ(Lmr::captureSquare({0, 0}, 200), (Rect32{-100, -100, 200, 200}));
  EXPECT_EQ(Lmr::captureSquare({10, 10}, 7), (Rect32{7, 7, 7, 7}));
}

struct Clip {
  Point32 centre;
  Rect32 screen;
  CaptureBlit blit;
};

TEST(CaptureBlit, CopiesOnlyThePartOfTheSquareOnTheScreen) {
  const Clip cases[] = {
      {{960, 540}, singleScreen, {{860, 440, 200, 200}, 0, 0}},
      {{0, 540}, singleScreen, {{0, 440, 100, 200}, 100, 0}},
      {{960, 0}, singleScreen, {{860, 0, 200, 100}, 0, 100}},
      {{0, 0}, singleScreen, {{0, 0, 100, 100}, 100, 100}},
      {{1919, 1079}, singleScreen, {{1819, 979, 101, 101}, 0, 0}},
      {{1920, 1080}, singleScreen, {{1820, 980, 100, 100}, 0, 0}},
      {{-1920, 1080}, leftAndPrimary, {{-1920, 980, 100, 100}, 100, 0}},
      {{0, 540}, leftAndPrimary, {{-100, 440, 200, 200}, 0, 0}},
      {{15, 10}, Rect32{0, 0, 30, 20}, {{0, 0, 30, 20}, 85, 90}},
  };
  for (const Clip& c : cases) {
    const Lmr::RegionCapturePlan plan = Lmr::planRegionCapture(c.centre, 200, c.screen);
    EXPECT_EQ(plan.centre, c.centre);
    ASSERT_EQ(plan.blitCount, 1u);
    EXPECT_EQ(plan.blits[0], c.blit) << c.centre.x << "," << c.centre.y;
  }
}

TEST(CaptureBlit, IsEmptyWhenTheSquareMissesTheScreen) {
  EXPECT_TRUE(Lmr::clipToScreen({1920, 0, 200, 200}, singleScreen).empty());
  EXPECT_TRUE(Lmr::clipToScreen({-200, 500, 200, 200}, singleScreen).empty());
  EXPECT_TRUE(Lmr::clipToScreen({0, 1080, 200, 200}, singleScreen).empty());
  EXPECT_TRUE(Lmr::clipToScreen({0, 0, 200, 200}, Rect32{0, 0, 0, 0}).empty());
  EXPECT_TRUE(Lmr::clipToScreen({0, 0, 0, 0}, singleScreen).empty());
  EXPECT_TRUE(Lmr::clipToScreen({INT_MAX - 5, 0, 200, 200}, Rect32{INT_MIN, 0, 200, 200}).empty());
}

TEST(RegionCapturePlan, CorrectsTheCentreBeforePlacingTheSquare) {
  const Lmr::RegionCapturePlan plan = Lmr::planRegionCapture({2000, 1200}, 200, singleScreen);
  EXPECT_EQ(plan.centre, (Point32{1920, 1080}));
  EXPECT_EQ(plan.square, (Rect32{1820, 980, 200, 200}));
  EXPECT_EQ(plan.blits[0], (CaptureBlit{{1820, 980, 100, 100}, 0, 0}));
}

// Below a 1024 x 768 primary, right of a 1280 x 1024 monitor, is a corner no monitor covers.
TEST(RegionCapturePlan, CopiesFromEachMonitorAndLeavesTheUncoveredCornerBlack) {
  const Rect32 screen{-1280, 0, 2304, 1024}, monitors[] = {{0, 0, 1024, 768}, {-1280, 0, 1280, 1024}};
  const auto plan = Lmr::planRegionCapture({0, 768}, 200, screen, monitors);
  EXPECT_EQ(std::vector(plan.parts().begin(), plan.parts().end()),
            (std::vector<CaptureBlit>{{{0, 668, 100, 100}, 100, 0}, {{-100, 668, 100, 200}, 0, 0}}));
  EXPECT_EQ(Lmr::planRegionCapture({500, 900}, 200, screen, monitors).blitCount, 0u) << "black, not a failure";
  EXPECT_TRUE(Lmr::planRegionCapture({-640, 500}, 200, screen, monitors).oneCopyFillsSquare());
}

}  // namespace
