#pragma once
// Where the region capture reads the screen: the pick point pulled back onto the virtual screen,
// the square around it, and the part of that square the screen actually covers.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "pick/view_geometry.h"

namespace Lmr {

// The centre corrected into `screen` (the virtual screen's origin and size), one coordinate at a
// time: x below the left edge, y above the top, x past the right edge, y past the bottom. The
// upper limits are the right and bottom edges themselves, one pixel past the last column and row.
Point32 correctCaptureCentre(Point32 centre, const Rect32& screen);

// The width x width square whose pixel (width / 2, width / 2) is `centre`.
Rect32 captureSquare(Point32 centre, std::int32_t width);

// The part of a square that lies on the screen: `source` in screen coordinates and where it
// lands inside the square. Empty when the square misses the screen.
struct CaptureBlit {
  Rect32 source;
  std::int32_t destX = 0;
  std::int32_t destY = 0;

  bool empty() const { return source.Width <= 0 || source.Height <= 0; }
  friend bool operator==(const CaptureBlit&, const CaptureBlit&) = default;
};
CaptureBlit clipToScreen(const Rect32& square, const Rect32& screen);

// All a region capture needs: the corrected centre (to be written back to the pick point), the
// square, and the parts to copy, one from each monitor the square reaches. Parts of the virtual
// screen that no monitor covers (beside a smaller monitor) are not copied: the system may refuse
// a copy that reaches them, and it must not cost the whole square. They, and whatever lies off the
// screen, stay black. With no monitors given, the virtual screen counts as one.
inline constexpr std::size_t mostCaptureBlits = 8;  // more monitors under one square are left black
struct RegionCapturePlan {
  Point32 centre;
  Rect32 square;
  std::array<CaptureBlit, mostCaptureBlits> blits{};
  std::size_t blitCount = 0;

  std::span<const CaptureBlit> parts() const { return {blits.data(), blitCount}; }
  // One copy fills the square: nothing needs blackening first.
  bool oneCopyFillsSquare() const;
};
RegionCapturePlan planRegionCapture(Point32 requested, std::int32_t width, const Rect32& screen,
                                    std::span<const Rect32> monitors = {});

}  // namespace Lmr
