#pragma once
// A colour as the eye sees it: a screen pixel taken through the monitor's profile (relative
// colorimetric, the profile's D50 adapted to D65 by Bradford), expressed in sRGB, Display P3 and
// OKLCH, all in double precision and none of them clipped.
#include "colour/colour_matrix.h"
#include "colour/colour_spaces.h"
#include "colour/icc_profile.h"
#include "ports/argb.h"

namespace Lmr {

struct ConvertedColour {
  Vec3 srgb;  // encoded, 0 to 1 inside sRGB
  Vec3 displayP3;  // encoded with the sRGB curve, 0 to 1 inside Display P3
  Oklch oklch;
};

// `profile` is the monitor's when the colour comes from the screen through a supported profile;
// null when the colour is sRGB already (no profile, one not supported, a colour typed or chosen),
// which is then only re-expressed. Alpha is ignored.
ConvertedColour convertedColour(Argb colour, const MatrixProfile* profile);

// A channel outside sRGB by more than rounding: it would round to a level below 0 or above 255,
// i.e. it lies below -0.5/255 or above 255.5/255. Rounding noise of a colour inside sRGB (a
// profile's white giving 255.0007) stays inside.
bool isOutsideSrgb(const ConvertedColour& colour);

// The nearest sRGB colour of 8 bits a channel: each channel clipped to 0 to 1, then rounded.
Argb nearestSrgbColour(const ConvertedColour& colour);

}  // namespace Lmr
