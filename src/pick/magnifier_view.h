#pragma once
// The magnifier: the fish-eye view of the captured square, with grid and marker lines, and the
// colour picked at its centre.
#include <cstdint>
#include <optional>

#include "ports/bgrx_view.h"
#include "pick/fish_eye.h"

namespace Lmr {

// Draws the finished view of `capture` into `view`; both must be viewWidth x viewWidth and must
// not overlap. Every written pixel has its fourth byte 0xFF, so the view also reads as opaque
// ARGB. Returns false, writing nothing, when either buffer has another size or cannot be read as
// 32-bit words. `fishEye` places the marker lines and is limited to 1..12 like the map.
bool renderMagnifierView(const ConstBgrxView& capture, const BgrxView& view, const FishEyeMap& srows,
                         int fishEye, bool gridLines);

// The captured pixel at the pick point (halfViewWidth, halfViewWidth) as ARGB with alpha 0xFF,
// whatever its fourth byte holds; none when the capture is not viewWidth x viewWidth.
std::optional<std::uint32_t> pickedColour(const ConstBgrxView& capture);

}  // namespace Lmr
