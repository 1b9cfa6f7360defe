#pragma once
// Positions and rectangles in virtual-screen pixels: (0, 0) is the primary monitor's top-left
// pixel, negative left of or above it.
#include <cstdint>

namespace Lmr {

struct Rect32 {
  std::int32_t X = 0, Y = 0, Width = 0, Height = 0;
  friend bool operator==(const Rect32&, const Rect32&) = default;
};

struct Point32 {
  std::int32_t x = 0, y = 0;
  friend bool operator==(const Point32&, const Point32&) = default;
};

}  // namespace Lmr
