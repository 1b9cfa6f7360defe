#include "pick/magnifier_view.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

// SSE2 is part of every x86-64 target; elsewhere (or with LUMARIN_NO_SIMD) plain code draws all.
#if !defined(LUMARIN_NO_SIMD) && (defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64))
#include <emmintrin.h>
#define LMR_MAGNIFIER_SSE2 1
#endif

namespace Lmr {
namespace {

#ifdef LMR_MAGNIFIER_SSE2
constexpr bool drawsUnitGroups = true;
#else
constexpr bool drawsUnitGroups = false;
#endif

constexpr std::uint32_t colourBits = 0x00FFFFFFu;

// What one view row (or column) shows, by the precedence of marker over grid over capture.
// Values >= 0 are the captured row (or column).
constexpr int markerLine = -1;
constexpr int gridLine = -2;
using Kinds = std::array<int, viewWidth>;

int capturedIndex(std::int32_t entry) {
  if (entry == std::numeric_limits<std::int32_t>::min()) return viewWidth - 1;
  const std::int32_t index = entry < 0 ? -entry : entry;
  return index < viewWidth ? index : viewWidth - 1;
}

int lineKind(int position, const FishEyeMap& srows, const FishEyeMarkers& markers, bool gridLines) {
  if (position == markers.lo || position == markers.hi) return markerLine;
  if (gridLines && srows[position] < 0) return gridLine;
  return capturedIndex(srows[position]);
}

std::uint32_t lineColour(int kind) { return kind == gridLine ? opaqueWhite : opaqueBlack; }

// A captured row made opaque, with white and black after it, so that every view column is one
// look-up: the captured column it shows, or the colour of its vertical line.
constexpr int whiteSource = viewWidth;
constexpr int blackSource = viewWidth + 1;
using SourceRow = std::array<std::uint32_t, viewWidth + 2>;
using ColumnLookup = std::array<int, viewWidth>;

void fillLookup(ColumnLookup& lookup, const Kinds& kinds) {
  for (int x = 0; x < viewWidth; ++x) {
    const int kind = kinds[x];
    lookup[x] = kind >= 0 ? kind : kind == gridLine ? whiteSource : blackSource;
  }
}

// Away from the centre every captured column takes three view columns: two and a white grid
// line, or three with grid lines off, for rising captured columns. Four such units make twelve
// pixels, drawn as three quads shuffled from four source pixels. The rest of the row goes pixel
// by pixel through the lookup.
constexpr int unitPixels = 3;
constexpr int unitsPerGroup = 4;

enum class UnitShape { none, twoAndGrid, three };

UnitShape unitShapeAt(const Kinds& kinds, int x) {
  if (x + unitPixels > viewWidth || kinds[x] < 0 || kinds[x + 1] != kinds[x]) return UnitShape::none;
  if (kinds[x + 2] == gridLine) return UnitShape::twoAndGrid;
  return kinds[x + 2] == kinds[x] ? UnitShape::three : UnitShape::none;
}

// A piece of the row: columns [first, first + width) through the lookup, or `groups` groups of
// four units of one shape starting at captured column `source`.
struct Segment {
  int first;
  int width;
  int groups;
  int source;
  UnitShape shape;
};

struct RowPlan {
  ColumnLookup lookup;
  int lowestSource = viewWidth;  // the captured columns the row shows
  int highestSource = -1;
  std::array<Segment, viewWidth> segments;  // filled up to `count` only: clearing costs time
  int count = 0;
};

// How many units of the shape at `x` follow one another over rising captured columns.
int unitsFrom(const Kinds& kinds, int x) {
  const UnitShape shape = unitShapeAt(kinds, x);
  if (shape == UnitShape::none) return 0;
  int units = 1;
  while (unitShapeAt(kinds, x + units * unitPixels) == shape && kinds[x + units * unitPixels] == kinds[x] + units) {
    ++units;
  }
  return units;
}

void addLookupColumn(RowPlan& plan, int x) {
  if (plan.count > 0) {
    Segment& last = plan.segments[plan.count - 1];
    if (last.groups == 0 && last.first + last.width == x) {
      ++last.width;
      return;
    }
  }
  plan.segments[plan.count++] = {x, 1, 0, 0, UnitShape::none};
}

// Returns the column after what it planned.
int planSegmentAt(RowPlan& plan, const Kinds& kinds, int x) {
  const int groups = drawsUnitGroups ? unitsFrom(kinds, x) / unitsPerGroup : 0;
  if (groups > 0) {
    plan.segments[plan.count++] = {x, groups * unitsPerGroup * unitPixels, groups, kinds[x], unitShapeAt(kinds, x)};
    return x + groups * unitsPerGroup * unitPixels;
  }
  addLookupColumn(plan, x);
  return x + 1;
}

void planRow(RowPlan& plan, const Kinds& kinds) {
  fillLookup(plan.lookup, kinds);
  for (int kind : kinds) {
    if (kind < 0) continue;
    plan.lowestSource = std::min(plan.lowestSource, kind);
    plan.highestSource = std::max(plan.highestSource, kind);
  }
  for (int x = 0; x < viewWidth;) x = planSegmentAt(plan, kinds, x);
}

void loadSourceRow(SourceRow& row, const std::uint32_t* captured, const RowPlan& plan) {
  for (int x = plan.lowestSource; x <= plan.highestSource; ++x) row[x] = captured[x] | opaqueBlack;
}

void drawThroughLookup(std::uint32_t* out, const SourceRow& source, const ColumnLookup& lookup, const Segment& segment) {
  const int end = segment.first + segment.width;
  for (int x = segment.first; x < end; ++x) out[x] = source[lookup[x]];
}

#ifdef LMR_MAGNIFIER_SSE2
// Reads the captured row itself: a quad read from the just-written source row would stall on
// the scalar stores that wrote it.
void drawUnitGroups(std::uint32_t* out, const std::uint32_t* captured, const Segment& segment) {
  // With two pixels and a grid line, pixels 2, 5, 8 and 11 of a group are white.
  const bool twoAndGrid = segment.shape == UnitShape::twoAndGrid;
  const __m128i white0 = twoAndGrid ? _mm_setr_epi32(0, 0, -1, 0) : _mm_setzero_si128();
  const __m128i white1 = twoAndGrid ? _mm_setr_epi32(0, -1, 0, 0) : _mm_setzero_si128();
  const __m128i white2 = twoAndGrid ? _mm_setr_epi32(-1, 0, 0, -1) : _mm_setzero_si128();
  const __m128i black = _mm_set1_epi32(static_cast<int>(opaqueBlack));
  const std::uint32_t* from = captured + segment.source;
  std::uint32_t* at = out + segment.first;
  for (int group = 0; group < segment.groups; ++group, from += unitsPerGroup, at += unitsPerGroup * unitPixels) {
    const __m128i four = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from)), black);
    __m128i* quads = reinterpret_cast<__m128i*>(at);
    _mm_storeu_si128(quads, _mm_or_si128(_mm_shuffle_epi32(four, _MM_SHUFFLE(1, 0, 0, 0)), white0));
    _mm_storeu_si128(quads + 1, _mm_or_si128(_mm_shuffle_epi32(four, _MM_SHUFFLE(2, 2, 1, 1)), white1));
    _mm_storeu_si128(quads + 2, _mm_or_si128(_mm_shuffle_epi32(four, _MM_SHUFFLE(3, 3, 3, 2)), white2));
  }
}
#endif

// `source` is `captured` loaded by loadSourceRow.
void expandRow(std::uint32_t* out, [[maybe_unused]] const std::uint32_t* captured, const SourceRow& source,
               const RowPlan& plan) {
  for (int n = 0; n < plan.count; ++n) {
    const Segment& segment = plan.segments[n];
#ifdef LMR_MAGNIFIER_SSE2
    if (segment.groups > 0) {
      drawUnitGroups(out, captured, segment);
      continue;
    }
#endif
    drawThroughLookup(out, source, plan.lookup, segment);
  }
}

using Row = std::array<std::uint32_t, viewWidth>;

// Draws the view top to bottom. Only the first row of each block of equal rows is expanded; the
// rest are copied from the row above, still in the cache. Line rows are copied from line rows
// prepared first.
class ViewPainter {
 public:
  ViewPainter(const ConstBgrxView& capture, const BgrxView& view, const FishEyeMap& srows, int fishEye, bool gridLines)
      : capture_(capture), view_(view) {
    const FishEyeMarkers markers = fishEyeMarkers(fishEye);
    for (int position = 0; position < viewWidth; ++position) kinds_[position] = lineKind(position, srows, markers, gridLines);
    planRow(plan_, kinds_);
    source_[whiteSource] = opaqueWhite;
    source_[blackSource] = opaqueBlack;
    prepareLineRow(markerRow_, opaqueBlack);
    if (gridLines) prepareLineRow(gridRow_, opaqueWhite);
  }

  void paint() {
    for (int y = 0; y < viewWidth; ++y) paintRow(y);
  }

 private:
  // A horizontal line of `colour`, crossed by the vertical lines.
  void prepareLineRow(Row& row, std::uint32_t colour) const {
    for (int x = 0; x < viewWidth; ++x) row[x] = kinds_[x] < 0 ? lineColour(kinds_[x]) : colour;
  }

  void paintRow(int y) {
    const int kind = kinds_[y];
    if (kind == markerLine) {
      copyRow(y, markerRow_.data());
    } else if (kind == gridLine) {
      copyRow(y, gridRow_.data());
    } else if (y > 0 && kinds_[y - 1] == kind) {
      copyRow(y, view_.row(y - 1));
    } else {
      loadSourceRow(source_, capture_.row(kind), plan_);
      expandRow(view_.row(y), capture_.row(kind), source_, plan_);
    }
  }

  // The width is known to be viewWidth here, but a run-time size lets the library's memcpy pick
  // its vector copy instead of an inlined string move, which is slower for rows this short.
  void copyRow(int y, const std::uint32_t* from) const {
    std::memcpy(view_.row(y), from, std::size_t(view_.width) * sizeof(std::uint32_t));
  }

  ConstBgrxView capture_;
  BgrxView view_;
  Kinds kinds_;
  RowPlan plan_;
  SourceRow source_;
  Row markerRow_, gridRow_;
};

}  // namespace

bool renderMagnifierView(const ConstBgrxView& capture, const BgrxView& view, const FishEyeMap& srows,
                         int fishEye, bool gridLines) {
  if (!isSquareOf(capture, viewWidth) || !isSquareOf(view, viewWidth)) return false;
  ViewPainter(capture, view, srows, fishEye, gridLines).paint();
  return true;
}

std::optional<std::uint32_t> pickedColour(const ConstBgrxView& capture) {
  if (!isSquareOf(capture, viewWidth)) return std::nullopt;
  return (capture.at(halfViewWidth, halfViewWidth) & colourBits) | opaqueBlack;
}

}  // namespace Lmr
