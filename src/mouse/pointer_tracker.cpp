#include "mouse/pointer_tracker.h"

#include <cstdint>
#include <utility>

namespace Lmr {

PointerTracker::PointerTracker(pt_type& record, ScreenPoint start)
    : record_(record), written_(start), polled_(start) {
  writePosition(start);
}

// Hook and poll each report only a change of their own view: the hook sees a move before the
// cursor is updated, so a poll right after it may still read the old place and must not count
// that as a move back. A report equal to what was last written is no movement either, so the
// program's own changes of x and y (keys, dragging) stay until the pointer really moves.
void PointerTracker::hookSawPointer(ScreenPoint position) {
  hookMoved_ = true;
  if (position != written_) writePosition(position);
}

bool PointerTracker::hookMovedSinceLastLook() { return std::exchange(hookMoved_, false); }

void PointerTracker::cursorPolled(ScreenPoint position) {
  if (position == polled_) return;
  polled_ = position;
  if (position != written_) writePosition(position);
}

void PointerTracker::wheelTurned(int delta) {
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / wheelNotch;
  if (notches == 0) return;
  wheelRemainder_ -= notches * wheelNotch;
  addWheelSteps(record_, notches);
}

void PointerTracker::buttonPressed() { storeField(record_.clicked, std::uint8_t{1}); }

void PointerTracker::writePosition(ScreenPoint position) {
  written_ = position;
  storeField(record_.x, std::int32_t{position.x});
  storeField(record_.y, std::int32_t{position.y});
}

}  // namespace Lmr
