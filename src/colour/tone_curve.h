#pragma once
// The tone curve of one channel of a display profile (its rTRC, gTRC or bTRC tag): from a device
// value to linear light. The screen gives 8-bit device values, so a curve is read once into the
// linear light of each of the 256 levels and the conversions only look values up.
#include <array>
#include <optional>

#include "colour/icc_bytes.h"

namespace Lmr {

using LinearLevels = std::array<double, 256>;

// A `curv` tag (no entries: identity; one: a gamma as u8Fixed8; more: a table, interpolated
// linearly) or a `para` tag of function type 0 to 4. A value above 1 or below 0 is held at that
// end, as the curve's range is [0, 1]. Nothing when the tag is of another type, is cut short, or
// gives a value that is not a number or is infinite (a negative gamma at 0).
std::optional<LinearLevels> linearLevelsOf(IccBytes curveTag);

}  // namespace Lmr
