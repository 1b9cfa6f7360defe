#pragma once
// Fixed geometry of the magnifier view.
#include <cstdint>

#include "ports/geometry.h"

namespace Lmr {

inline constexpr int viewWidth = 200;
inline constexpr std::uint32_t uViewWidth = 200;
inline constexpr int halfViewWidth = viewWidth / 2;

// Offset of the view inside the magnifier panel, used for both axes: half the spare width,
// truncated toward zero (so a panel narrower than the view gives 0, not -1).
constexpr int dpiDrawX(int panelWidth) { return static_cast<int>((panelWidth - viewWidth) * 0.5); }

}  // namespace Lmr
