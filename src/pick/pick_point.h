#pragma once
// The pick point: the record `mpt` that the mouse monitor fills while pick mode is on (the
// pointer's position, gathered wheel steps, a click), and that pick mode and the magnifier move
// and read. The record is made once and kept for the whole run.
#include <cstdint>

#include "ports/geometry.h"
#include "ports/pt_type.h"

namespace Lmr {

class PickPoint {
 public:
  PickPoint() = default;
  PickPoint(const PickPoint&) = delete;
  PickPoint& operator=(const PickPoint&) = delete;

  // The record itself, for the monitor to write into from its own thread.
  pt_type& record() { return mpt; }

  Point32 point() { return {loadField(mpt.x), loadField(mpt.y)}; }
  void moveTo(Point32 point) {
    storeField(mpt.x, point.x);
    storeField(mpt.y, point.y);
  }
  // The capture's correction of the point it was given (`seen`), kept on each axis only where
  // the monitor has not moved the point since: a pointer move made during the capture wins, or
  // the record would hold the old place until the pointer moved again.
  void correctIfUnmoved(Point32 seen, Point32 corrected) {
    replaceFieldIfStill(mpt.x, seen.x, corrected.x);
    replaceFieldIfStill(mpt.y, seen.y, corrected.y);
  }
  // Moved without overflow: the next capture pulls a point pushed past the screen back onto it.
  void moveBy(std::int32_t dx, std::int32_t dy);

  bool clicked() { return loadField(mpt.clicked) != 0; }
  void clearClick() { storeField(mpt.clicked, std::uint8_t{0}); }
  // The wheel steps gathered since the last call, taken and zeroed in one step, so none the
  // monitor adds meanwhile is lost.
  std::int32_t takeWheelSteps() { return Lmr::takeWheelSteps(mpt); }

 private:
  pt_type mpt{};
};

// A coordinate or strength moved by a step, without overflow: the wheel may gather any number of
// steps before the strength is clamped, and the keys may push the point past the screen.
std::int32_t movedBy(std::int32_t value, std::int32_t step);

}  // namespace Lmr
