#include "colour/tone_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "icc_test_bytes.h"

namespace {

using Lmr::test::Bytes;
using Lmr::test::curvTag;
using Lmr::test::paraTag;

double x(int level) { return level / 255.0; }

double srgbDecoded(double e) { return e <= 0.04045 ? e / 12.92 : std::pow((e + 0.055) / 1.055, 2.4); }

struct CurveCase {
  const char* name;
  Bytes tag;
  int level;
  double expected;
};

TEST(ToneCurve, EachKindOfCurveGivesTheLinearLightOfItsFormula) {
  const std::vector<double> srgbParameters = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
  const CurveCase cases[] = {
      {"curv identity", curvTag({}), 51, 0.2},
      {"curv gamma 2.2 in u8Fixed8", curvTag({0x0233}), 128, std::pow(x(128), 563 / 256.0)},
      {"curv table, an entry's own level", curvTag({0, 0xFFFF, 0, 0xFFFF}), 85, 1.0},
      {"curv table, between entries", curvTag({0, 0xFFFF, 0, 0xFFFF}), 128, 1.0 - (128 * 3 / 255.0 - 1.0)},
      {"para 0", paraTag(0, {2.2}), 128, std::pow(x(128), 2.2)},
      {"para 1 below -b/a", paraTag(1, {2, 2, -0.5}), 51, 0.0},
      {"para 1 above -b/a", paraTag(1, {2, 2, -0.5}), 153, 0.49},
      {"para 2 below -b/a", paraTag(2, {2, 2, -0.5, 0.25}), 51, 0.25},
      {"para 2 above -b/a", paraTag(2, {2, 2, -0.5, 0.25}), 153, 0.74},
      {"para 3 (sRGB) linear part", paraTag(3, srgbParameters), 5, srgbDecoded(x(5))},
      {"para 3 (sRGB) power part", paraTag(3, srgbParameters), 200, srgbDecoded(x(200))},
      {"para 4 below d", paraTag(4, {2, 1, 0, 0.5, 0.5, 0.1, 0.05}), 51, 0.15},
      {"para 4 above d", paraTag(4, {2, 1, 0, 0.5, 0.5, 0.1, 0.05}), 204, 0.74},
      {"held at 1 above the range", paraTag(2, {1, 1, 0, 0.5}), 255, 1.0},
  };
  for (const CurveCase& c : cases) {
    const std::optional<Lmr::LinearLevels> levels = Lmr::linearLevelsOf(c.tag);
    ASSERT_TRUE(levels) << c.name;
    EXPECT_NEAR((*levels)[static_cast<std::size_t>(c.level)], c.expected, 1e-4) << c.name;
  }
}

TEST(ToneCurve, CurvesThatCannotBeReadGiveNothing) {
  const std::pair<const char*, Bytes> cases[] = {
      {"empty", {}},
      {"another type", Lmr::test::tagOfType("text")},
      {"curv with fewer entries than its count", curvTag(3, {0, 0xFFFF})},
      {"curv with the largest count", curvTag(0xFFFFFFFF, {0, 0xFFFF})},
      {"para 3 without its last parameter", paraTag(3, {2.4, 1, 0, 1})},
      {"para of an unknown type", paraTag(5, {1, 1, 1, 1, 1, 1, 1, 1})},
      {"para whose negative gamma is infinite at 0", paraTag(0, {-1})},
  };
  for (const auto& [name, tag] : cases) EXPECT_FALSE(Lmr::linearLevelsOf(tag)) << name;
}

}  // namespace
