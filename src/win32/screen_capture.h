#pragma once
// Screen capture (being written).
#include "app/ports/screen_port.h"

namespace Lmr::win32 {

class ScreenCapture final : public ScreenPort {
 public:
  Rect32 virtualScreen() override { return {0, 0, 1, 1}; }
  bool captureRegion(const CaptureBlit&) override { return false; }
  ConstBgrxView capturedPixels() override { return {}; }
};

}  // namespace Lmr::win32
