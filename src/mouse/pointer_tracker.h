#pragma once
// Turns what the monitor observes (hook events, polled cursor positions) into writes to the shared
// record. Lives on the monitor's thread only; each field of the record is written whole.
#include "ports/pt_type.h"

namespace Lmr {

struct ScreenPoint {
  int x;
  int y;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// One wheel notch in the platform's units; finer wheels report fractions of it.
inline constexpr int wheelNotch = 120;

class PointerTracker {
 public:
  // `start` is where the pointer is now: the record gets it at once, so a pick that starts with
  // the pointer at rest shows what is under it. From then on only movement is written.
  PointerTracker(pt_type& record, ScreenPoint start);

  void hookSawPointer(ScreenPoint position);
  void cursorPolled(ScreenPoint position);
  // `delta` in wheel units, positive away from the user.
  void wheelTurned(int delta);
  void buttonPressed();
  // Whether the hook reported a move since the last time this was asked.
  bool hookMovedSinceLastLook();

 private:
  void writePosition(ScreenPoint position);

  pt_type& record_;
  ScreenPoint written_;  // the position last written, or the baseline
  ScreenPoint polled_;   // the cursor position last polled, or the baseline
  int wheelRemainder_ = 0;
  bool hookMoved_ = false;
};

}  // namespace Lmr
