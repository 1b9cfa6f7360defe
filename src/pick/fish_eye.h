#pragma once
// The fish-eye map: which captured row (or column) each view row (or column) shows.
#include <array>
#include <cstdint>

#include "pick/view_geometry.h"

namespace Lmr {

inline constexpr int minFishEye = 1;
inline constexpr int maxFishEye = 12;
inline constexpr int initialFishEye = 7;

// One entry per view row; the same table serves the columns. An entry >= 0 is the captured row
// shown there; an entry < 0 is a grid position showing captured row -entry when grid lines are
// off. Positions the map does not reach hold -1.
using FishEyeMap = std::array<std::int32_t, viewWidth>;

// A strength limited to minFishEye..maxFishEye.
int clampFishEye(int fishEye);

// The map for a strength (limited first, so any int gives a finite walk inside the table).
FishEyeMap computeFishEye(int fishEye);

// The black marker lines framing the centre block: the grid positions on either side of it.
struct FishEyeMarkers {
  int lo = 0;
  int hi = 0;
};
FishEyeMarkers fishEyeMarkers(int fishEye);

}  // namespace Lmr
