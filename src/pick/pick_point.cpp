#include "pick/pick_point.h"

#include <algorithm>
#include <limits>

namespace Lmr {

std::int32_t movedBy(std::int32_t value, std::int32_t step) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{value} + step,
                                                            std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

void PickPoint::moveBy(std::int32_t dx, std::int32_t dy) {
  const Point32 from = point();
  moveTo({movedBy(from.x, dx), movedBy(from.y, dy)});
}

}  // namespace Lmr
