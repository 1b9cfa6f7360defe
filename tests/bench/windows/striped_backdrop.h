#pragma once
// A backdrop under the pointer at the screen's top-left, 500 x 400: one grey, or ten-pixel
// stripes of their own colours (so the readouts change as the pointer crosses them).
#include <windows.h>

namespace bench {

class StripedBackdrop {
 public:
  StripedBackdrop();
  StripedBackdrop(const StripedBackdrop&) = delete;
  StripedBackdrop& operator=(const StripedBackdrop&) = delete;
  ~StripedBackdrop() { DestroyWindow(window_); }
  void stripe(bool striped);

 private:
  HWND window_ = nullptr;
};

}  // namespace bench
