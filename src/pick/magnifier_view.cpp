#include "pick/magnifier_view.h"

#include <array>
#include <cstring>
#include <limits>

namespace Lmr {
namespace {

constexpr std::uint32_t colourBits = 0x00FFFFFFu;

// What one view row (or column) shows, by the precedence of marker over grid over capture.
// Values >= 0 are the captured row (or column).
constexpr int markerLine = -1;
constexpr int gridLine = -2;

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

// The view row, the same for every row, as runs of one captured column each, in order. A vertical
// line right after a run is that run's closer, drawn with it: (pixel | closerOr) & closerAnd
// gives white for a grid line, black for a marker line, or the run's own pixel when no line
// follows (the next run overwrites it). Lines without a run before them are drawn on their own.
struct ColourRun {
  int first = 0;
  int length = 0;
  int source = 0;
  std::uint32_t closerOr = 0;
  std::uint32_t closerAnd = opaqueWhite;
};

struct LineColumn {
  int x = 0;
  std::uint32_t colour = 0;
};

struct ColumnPlan {
  std::array<ColourRun, viewWidth> runs;
  int runCount = 0;
  int quadRunCount = 0;  // leading runs that can be filled by quads, see fillRunByQuads
  std::array<LineColumn, viewWidth> lonelyLines;
  int lonelyLineCount = 0;
};

ColourRun* lastRunEndingAt(ColumnPlan& plan, int x) {
  if (plan.runCount == 0) return nullptr;
  ColourRun& last = plan.runs[plan.runCount - 1];
  return last.first + last.length == x ? &last : nullptr;
}

void addLineColumn(ColumnPlan& plan, int x, std::uint32_t colour) {
  if (ColourRun* closed = lastRunEndingAt(plan, x)) {
    closed->closerOr = colour;
    closed->closerAnd = colour;
  } else {
    plan.lonelyLines[plan.lonelyLineCount++] = {x, colour};
  }
}

void addCapturedColumn(ColumnPlan& plan, int x, int source) {
  ColourRun* last = lastRunEndingAt(plan, x);
  if (last != nullptr && last->source == source) {
    ++last->length;
  } else {
    plan.runs[plan.runCount++] = {x, 1, source};
  }
}

constexpr int quadPixels = 4;

bool closerFitsInRow(const ColourRun& run) { return run.first + run.length < viewWidth; }

bool quadsFitInRow(const ColourRun& run) {
  const int quads = (run.length + quadPixels - 1) / quadPixels;
  return run.first + quads * quadPixels <= viewWidth && closerFitsInRow(run);
}

void planColumns(ColumnPlan& plan, const FishEyeMap& srows, const FishEyeMarkers& markers, bool gridLines) {
  for (int x = 0; x < viewWidth; ++x) {
    const int kind = lineKind(x, srows, markers, gridLines);
    if (kind < 0) {
      addLineColumn(plan, x, lineColour(kind));
    } else {
      addCapturedColumn(plan, x, kind);
    }
  }
  while (plan.quadRunCount < plan.runCount && quadsFitInRow(plan.runs[plan.quadRunCount])) ++plan.quadRunCount;
}

// Fills four pixels at a time, so it may spill up to three pixels past the run: into its closer
// and the runs after it, which are drawn later from left to right. Only the last runs of a row,
// whose spill would pass the row's end, are filled pixel by pixel.
void fillRunByQuads(std::uint32_t* at, int length, std::uint32_t pixel) {
  const std::uint32_t quad[quadPixels] = {pixel, pixel, pixel, pixel};
  int done = 0;
  do {
    std::memcpy(at + done, quad, sizeof quad);
    done += quadPixels;
  } while (done < length);
}

void fillRunByPixels(std::uint32_t* at, int length, std::uint32_t pixel) {
  for (int done = 0; done < length; ++done) at[done] = pixel;
}

std::uint32_t closerPixel(const ColourRun& run, std::uint32_t pixel) { return (pixel | run.closerOr) & run.closerAnd; }

// A view row to expand and the row it expands: a captured row, or for a horizontal line a row of
// the line's colour, so that the vertical lines still cross it.
struct RowJob {
  std::uint32_t* out = nullptr;
  const std::uint32_t* source = nullptr;
};

// Expands several rows in one walk over the plan, which shares the walk's cost between them.
template <std::size_t count>
void expandRows(const std::array<RowJob, count>& jobs, const ColumnPlan& plan) {
  int n = 0;
  for (; n < plan.quadRunCount; ++n) {
    const ColourRun& run = plan.runs[n];
    for (const RowJob& job : jobs) {
      const std::uint32_t pixel = job.source[run.source] | opaqueBlack;
      fillRunByQuads(job.out + run.first, run.length, pixel);
      job.out[run.first + run.length] = closerPixel(run, pixel);
    }
  }
  for (; n < plan.runCount; ++n) {
    const ColourRun& run = plan.runs[n];
    for (const RowJob& job : jobs) {
      const std::uint32_t pixel = job.source[run.source] | opaqueBlack;
      fillRunByPixels(job.out + run.first, run.length, pixel);
      if (closerFitsInRow(run)) job.out[run.first + run.length] = closerPixel(run, pixel);
    }
  }
  for (const RowJob& job : jobs) {
    for (int line = 0; line < plan.lonelyLineCount; ++line) job.out[plan.lonelyLines[line].x] = plan.lonelyLines[line].colour;
  }
}

using Row = std::array<std::uint32_t, viewWidth>;

// A horizontal line row: a row of the line's colour expanded, so the vertical lines cross it.
void expandLineRow(Row& out, std::uint32_t colour, const ColumnPlan& plan) {
  Row plain;
  plain.fill(colour);
  expandRows(std::array<RowJob, 1>{RowJob{out.data(), plain.data()}}, plan);
}

// Draws the view top to bottom in batches of two captured rows to expand plus the rows after them
// that repeat a row, copied while their originals are still in the cache. Line rows are copied
// from the two prepared line rows.
class ViewPainter {
 public:
  ViewPainter(const ConstBgrxView& capture, const BgrxView& view, const FishEyeMap& srows, int fishEye, bool gridLines)
      : capture_(capture), view_(view), markers_(fishEyeMarkers(fishEye)) {
    for (int y = 0; y < viewWidth; ++y) kinds_[y] = lineKind(y, srows, markers_, gridLines);
    planColumns(columns_, srows, markers_, gridLines);
    expandLineRow(markerRow_, opaqueBlack, columns_);
    expandLineRow(gridRow_, opaqueWhite, columns_);
  }

  void paint() {
    for (int y = 0; y < viewWidth;) y = paintBatch(y);
  }

 private:
  bool isExpanded(int y) const { return kinds_[y] >= 0 && (y == 0 || kinds_[y - 1] != kinds_[y]); }

  // Paints rows from `y` up to the third row that needs expanding, and returns where it stopped.
  int paintBatch(int y) {
    std::array<RowJob, 2> jobs;
    std::size_t count = 0;
    int end = y;
    for (; end < viewWidth; ++end) {
      if (!isExpanded(end)) continue;
      if (count == jobs.size()) break;
      jobs[count++] = {view_.row(end), capture_.row(kinds_[end])};
    }
    if (count == jobs.size()) expandRows(jobs, columns_);
    if (count == 1) expandRows(std::array<RowJob, 1>{jobs[0]}, columns_);
    for (int r = y; r < end; ++r) copyRepeatedRow(r);
    return end;
  }

  void copyRepeatedRow(int y) {
    const int kind = kinds_[y];
    const std::uint32_t* from = kind == markerLine ? markerRow_.data() : kind == gridLine ? gridRow_.data() : nullptr;
    if (from == nullptr && !isExpanded(y)) from = view_.row(y - 1);
    if (from != nullptr) std::memcpy(view_.row(y), from, rowBytes());
  }

  // The width is known to be viewWidth here, but a run-time size lets the library's memcpy pick
  // its vector copy instead of an inlined string move, which is slower for rows this short.
  std::size_t rowBytes() const { return std::size_t(view_.width) * sizeof(std::uint32_t); }

  ConstBgrxView capture_;
  BgrxView view_;
  FishEyeMarkers markers_;
  std::array<int, viewWidth> kinds_;
  ColumnPlan columns_;
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
