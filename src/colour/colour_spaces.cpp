#include "colour/colour_spaces.h"

#include <cmath>
#include <numbers>

namespace Lmr {
namespace {

struct Chromaticity {
  double x;
  double y;
};

// The D50 white of the profile connection space, exactly as profiles store it (s15Fixed16), so
// that a profile's white comes out as D65's.
constexpr Vec3 pcsWhite = {0.964202880859375, 1.0, 0.8249053955078125};

// The D65 white of sRGB and Display P3, as their definitions give it.
constexpr Chromaticity d65{0.3127, 0.3290};

Vec3 xyzOf(Chromaticity c) { return {c.x / c.y, 1.0, (1.0 - c.x - c.y) / c.y}; }

// Linear RGB to XYZ for a space given by its primaries and white: each primary's XYZ, scaled so
// that RGB (1, 1, 1) gives the white.
Matrix3 rgbToXyz(Chromaticity red, Chromaticity green, Chromaticity blue, Chromaticity white) {
  const Matrix3 primaries = fromColumns(xyzOf(red), xyzOf(green), xyzOf(blue));
  const Vec3 scale = times(*inverseOf(primaries), xyzOf(white));
  return times(primaries, diagonal(scale));
}

const Matrix3& linearSrgbToXyzD65() {
  static const Matrix3 matrix = rgbToXyz({0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}, d65);
  return matrix;
}

const Matrix3& linearDisplayP3ToXyzD65() {
  static const Matrix3 matrix = rgbToXyz({0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}, d65);
  return matrix;
}

// The Bradford cone response.
constexpr Matrix3 bradford = {{{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}}};

Matrix3 bradfordAdaptation(const Vec3& fromWhite, const Vec3& toWhite) {
  const Vec3 from = times(bradford, fromWhite);
  const Vec3 to = times(bradford, toWhite);
  const Vec3 scale = {to[0] / from[0], to[1] / from[1], to[2] / from[2]};
  return times(*inverseOf(bradford), times(diagonal(scale), bradford));
}

// Björn Ottosson's OKLab: linear sRGB to cone responses, and their cube roots to Lab.
constexpr Matrix3 linearSrgbToLms = {{{0.4122214708, 0.5363325363, 0.0514459929},
                                      {0.2119034982, 0.6806995451, 0.1073969566},
                                      {0.0883024619, 0.2817188376, 0.6299787005}}};
constexpr Matrix3 lmsRootsToOklab = {{{0.2104542553, 0.7936177850, -0.0040720468},
                                      {1.9779984951, -2.4285922050, 0.4505937099},
                                      {0.0259040371, 0.7827717662, -0.8086757660}}};

double mirrored(double value, double (*curve)(double)) { return std::copysign(curve(std::abs(value)), value); }

}  // namespace

const Matrix3& pcsToXyzD65() {
  static const Matrix3 matrix = bradfordAdaptation(pcsWhite, xyzOf(d65));
  return matrix;
}

const Matrix3& xyzD65ToLinearSrgb() {
  static const Matrix3 matrix = *inverseOf(linearSrgbToXyzD65());
  return matrix;
}

const Matrix3& linearSrgbToLinearDisplayP3() {
  static const Matrix3 matrix = times(*inverseOf(linearDisplayP3ToXyzD65()), linearSrgbToXyzD65());
  return matrix;
}

double srgbDecoded(double encoded) {
  return mirrored(encoded, [](double e) { return e <= 0.04045 ? e / 12.92 : std::pow((e + 0.055) / 1.055, 2.4); });
}

double srgbEncoded(double linear) {
  return mirrored(linear, [](double l) { return l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055; });
}

Vec3 oklabOfLinearSrgb(const Vec3& linearSrgb) {
  const Vec3 lms = times(linearSrgbToLms, linearSrgb);
  return times(lmsRootsToOklab, Vec3{std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2])});
}

Oklch oklchOf(const Vec3& oklab) {
  const double degrees = std::atan2(oklab[2], oklab[1]) * 180.0 / std::numbers::pi;
  const double hue = degrees < 0.0 ? degrees + 360.0 : degrees;  // a tiny negative angle can give 360
  return {oklab[0], std::hypot(oklab[1], oklab[2]), hue >= 360.0 ? 0.0 : hue};
}

}  // namespace Lmr
