#pragma once
#include <cstdint>

#include "ports/bgrx_view.h"
#include "ports/geometry.h"

namespace Lmr {

// Screen capture.
class ScreenPort {
 public:
  virtual ~ScreenPort() = default;
  // Captures the width x width square whose pixel (width / 2, width / 2) is `centre`, after
  // pulling `centre` back onto the virtual screen as read at this call (the corrected centre is
  // written back, also when the capture then fails). Pixels of the square outside the virtual
  // screen come out black. False when no capture could be made.
  virtual bool captureRegion(Point32& centre, std::int32_t width) = 0;
  // The last capture, width x width, valid until the next one.
  virtual ConstBgrxView capturedPixels() = 0;
};

}  // namespace Lmr
