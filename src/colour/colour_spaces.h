#pragma once
// The colour spaces the "Copy as" texts are written in, and the steps between them: the profile
// connection space (XYZ, D50) of ICC profiles, XYZ relative to D65, sRGB, Display P3 and OKLab.
#include "colour/colour_matrix.h"

namespace Lmr {

// XYZ (D50) of the profile connection space to XYZ relative to D65 by the Bradford transform,
// as colour engines adapt a display profile for a D65 output space.
const Matrix3& pcsToXyzD65();
const Matrix3& xyzD65ToLinearSrgb();
const Matrix3& linearSrgbToLinearDisplayP3();

// The sRGB transfer curve, which Display P3 shares. Values below 0 mirror those above, and
// values above 1 follow the same curve, so colours outside the space keep their distance.
double srgbDecoded(double encoded);
double srgbEncoded(double linear);

// OKLab of linear sRGB: lightness in [0, 1] for colours inside sRGB, a and b around 0.
Vec3 oklabOfLinearSrgb(const Vec3& linearSrgb);

struct Oklch {
  double lightness;
  double chroma;
  double hue;  // degrees in [0, 360)
};
Oklch oklchOf(const Vec3& oklab);

}  // namespace Lmr
