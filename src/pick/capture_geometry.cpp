#include "pick/capture_geometry.h"

#include <algorithm>
#include <limits>

namespace Lmr {
namespace {

// Edges are summed in 64 bits so that no screen or point near the int32 limits wraps around.
std::int32_t saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::int64_t farEdge(std::int32_t start, std::int32_t size) { return std::int64_t{start} + size; }

struct Span {
  std::int64_t begin = 0;
  std::int64_t end = 0;
};

Span overlap(std::int32_t start, std::int32_t size, std::int32_t screenStart, std::int32_t screenSize) {
  return {std::max<std::int64_t>(start, screenStart),
          std::min(farEdge(start, size), farEdge(screenStart, screenSize))};
}

}  // namespace

Point32 correctCaptureCentre(Point32 centre, const Rect32& screen) {
  std::int64_t x = centre.x;
  std::int64_t y = centre.y;
  if (x < screen.X) x = screen.X;
  if (y < screen.Y) y = screen.Y;
  if (x > farEdge(screen.X, screen.Width)) x = farEdge(screen.X, screen.Width);
  if (y > farEdge(screen.Y, screen.Height)) y = farEdge(screen.Y, screen.Height);
  return {saturate(x), saturate(y)};
}

Rect32 captureSquare(Point32 centre, std::int32_t width) {
  const std::int32_t half = width / 2;
  return {saturate(std::int64_t{centre.x} - half), saturate(std::int64_t{centre.y} - half), width, width};
}

CaptureBlit clipToScreen(const Rect32& square, const Rect32& screen) {
  const Span columns = overlap(square.X, square.Width, screen.X, screen.Width);
  const Span rows = overlap(square.Y, square.Height, screen.Y, screen.Height);
  if (columns.end <= columns.begin || rows.end <= rows.begin) return {};
  const Rect32 source{saturate(columns.begin), saturate(rows.begin), saturate(columns.end - columns.begin),
                      saturate(rows.end - rows.begin)};
  return {source, saturate(columns.begin - square.X), saturate(rows.begin - square.Y)};
}

bool RegionCapturePlan::oneCopyFillsSquare() const {
  return blitCount == 1 && blits[0].destX == 0 && blits[0].destY == 0 && blits[0].source.Width == square.Width &&
         blits[0].source.Height == square.Height;
}

RegionCapturePlan planRegionCapture(Point32 requested, std::int32_t width, const Rect32& screen,
                                    std::span<const Rect32> monitors) {
  RegionCapturePlan plan{correctCaptureCentre(requested, screen), {}, {}, 0};
  plan.square = captureSquare(plan.centre, width);
  const std::span<const Rect32> sources = monitors.empty() ? std::span<const Rect32>(&screen, 1) : monitors;
  for (const Rect32& monitor : sources) {
    const CaptureBlit part = clipToScreen(plan.square, monitor);
    if (!part.empty() && plan.blitCount < plan.blits.size()) plan.blits[plan.blitCount++] = part;
  }
  return plan;
}

}  // namespace Lmr
