#pragma once
#include "pick/bgrx_view.h"
#include "pick/capture_geometry.h"
#include "pick/view_geometry.h"

namespace Lmr {

// Screen capture.
class ScreenPort {
 public:
  virtual ~ScreenPort() = default;
  // The virtual screen spanning all monitors, read afresh on every call.
  virtual Rect32 virtualScreen() = 0;
  // Captures the view-sized square around the pick point into the capture buffer: the part of the
  // screen `blit` names lands at its destination, the rest of the square is black. False when no
  // capture could be made.
  virtual bool captureRegion(const CaptureBlit& blit) = 0;
  // The last capture, viewWidth x viewWidth.
  virtual ConstBgrxView capturedPixels() = 0;
};

}  // namespace Lmr
