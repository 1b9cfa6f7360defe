#include "colour/converted_colour.h"

#include <algorithm>
#include <cmath>

namespace Lmr {
namespace {

double levelFraction(std::uint8_t level) { return level / 255.0; }

Vec3 linearSrgbOfSrgb(Argb colour) {
  return {srgbDecoded(levelFraction(redOf(colour))), srgbDecoded(levelFraction(greenOf(colour))),
          srgbDecoded(levelFraction(blueOf(colour)))};
}

Vec3 linearSrgbThrough(const MatrixProfile& profile, Argb colour) {
  const Vec3 device = {profile.levels[0][redOf(colour)], profile.levels[1][greenOf(colour)],
                       profile.levels[2][blueOf(colour)]};
  return times(xyzD65ToLinearSrgb(), times(pcsToXyzD65(), times(profile.toPcs, device)));
}

Vec3 encodedSrgb(const Vec3& linear) { return {srgbEncoded(linear[0]), srgbEncoded(linear[1]), srgbEncoded(linear[2])}; }

// A NaN, which no supported profile gives, would read as 0 rather than reach the integer cast.
std::uint8_t nearestLevel(double channel) {
  if (!(channel > 0.0)) return 0;
  if (channel >= 1.0) return 255;
  return static_cast<std::uint8_t>(std::lround(channel * 255.0));
}

}  // namespace

ConvertedColour convertedColour(Argb colour, const MatrixProfile* profile) {
  const Vec3 linear = profile ? linearSrgbThrough(*profile, colour) : linearSrgbOfSrgb(colour);
  return {encodedSrgb(linear), encodedSrgb(times(linearSrgbToLinearDisplayP3(), linear)),
          oklchOf(oklabOfLinearSrgb(linear))};
}

bool isOutsideSrgb(const ConvertedColour& colour) {
  constexpr double halfStep = 0.5 / 255.0;
  return std::any_of(colour.srgb.begin(), colour.srgb.end(),
                     [](double channel) { return channel < -halfStep || channel > 1.0 + halfStep; });
}

Argb nearestSrgbColour(const ConvertedColour& colour) {
  return opaqueArgb(nearestLevel(colour.srgb[0]), nearestLevel(colour.srgb[1]), nearestLevel(colour.srgb[2]));
}

}  // namespace Lmr
