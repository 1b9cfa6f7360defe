#pragma once
// A monitor's colour profile read from the bytes of its ICC file, as far as "Copy as" needs it:
// the name it gives itself, and, for a profile of the matrix-and-curves kind that displays are
// described by, the way from a screen pixel to the profile connection space.
//
// The white point (wtpt) and chromatic adaptation (chad) tags are not read: the colorants of a
// display profile, of version 2 as of version 4, are already adapted to the D50 white of the
// connection space, and a relative colorimetric conversion maps that white to the output space's
// own. Those tags would only matter for an absolute conversion, which would tint every colour by
// the panel's native white.
#include <array>
#include <optional>
#include <string>

#include "colour/colour_matrix.h"
#include "colour/icc_bytes.h"
#include "colour/tone_curve.h"

namespace Lmr {

struct MatrixProfile {
  std::array<LinearLevels, 3> levels;  // red, green, blue: each 8-bit level's linear light
  Matrix3 toPcs;  // linear device RGB to XYZ (D50): the red, green and blue colorants as columns
};

struct ProfileReading {
  std::wstring description;  // empty when the profile names itself in no way we can read
  // Empty when the profile is not supported: of another kind (lookup tables only, another
  // colour space, a version other than 2 or 4) or broken (cut short, tags outside the file, a
  // singular matrix, a curve that gives no number). The screen's own values are then taken as
  // sRGB.
  std::optional<MatrixProfile> matrix;
};

ProfileReading readIccProfile(IccBytes file);

}  // namespace Lmr
