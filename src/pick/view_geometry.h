#pragma once
// Fixed geometry of the magnifier view.
#include <cstdint>

namespace Lmr {

inline constexpr int viewWidth = 200;
inline constexpr std::uint32_t uViewWidth = 200;
inline constexpr int halfViewWidth = viewWidth / 2;

struct Rect32 {
  std::int32_t X = 0, Y = 0, Width = 0, Height = 0;
  friend bool operator==(const Rect32&, const Rect32&) = default;
};

// A position in virtual-screen coordinates.
struct Point32 {
  std::int32_t x = 0, y = 0;
  friend bool operator==(const Point32&, const Point32&) = default;
};

// Offset of the view inside the magnifier panel, used for both axes: half the spare width,
// truncated toward zero (so a panel narrower than the view gives 0, not -1).
constexpr int dpiDrawX(int panelWidth) { return static_cast<int>((panelWidth - viewWidth) * 0.5); }

}  // namespace Lmr
