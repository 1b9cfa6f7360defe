#include "pick/window_band.h"

#include <algorithm>
#include <limits>

namespace Lmr {

Rect32 windowBand(const Rect32& window) {
  // A window at the very bottom of the coordinate range keeps its top rather than wrapping.
  const std::int64_t top = std::min<std::int64_t>(std::int64_t{window.Y} + windowBandTopOffset,
                                                   std::numeric_limits<std::int32_t>::max());
  return {window.X, static_cast<std::int32_t>(top), window.Width, windowBandHeight};
}

bool containsPoint(const Rect32& rect, Point32 point) {
  return point.x >= rect.X && point.y >= rect.Y && point.x < std::int64_t{rect.X} + rect.Width &&
         point.y < std::int64_t{rect.Y} + rect.Height;
}

bool isInWindowBand(const Rect32& window, Point32 point) { return containsPoint(windowBand(window), point); }

}  // namespace Lmr
