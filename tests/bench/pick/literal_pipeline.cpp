#include "literal_pipeline.h"

#include <cstdlib>
#include <cstring>

namespace LmrBench {
namespace {

constexpr int n = Lmr::viewWidth;
constexpr int h = Lmr::halfViewWidth;

const std::uint8_t* rowBytes(const Lmr::ConstBgrxView& bitmap, int r) {
  return reinterpret_cast<const std::uint8_t*>(bitmap.row(r));
}
std::uint8_t* rowBytes(const Lmr::BgrxView& bitmap, int r) { return reinterpret_cast<std::uint8_t*>(bitmap.row(r)); }

void copyBitmap(const Lmr::ConstBgrxView& from, const Lmr::BgrxView& to) {
  for (int r = 0; r < n; ++r) std::memcpy(rowBytes(to, r), rowBytes(from, r), std::size_t(to.stride));
}

// Row r of `to` becomes row srows[r] of `from`, a white grid row, or row |srows[r]|; then the
// two marker rows turn black.
void rowPass(const Lmr::ConstBgrxView& from, const Lmr::BgrxView& to, const Lmr::FishEyeMap& srows, int fishEye,
             bool gridLines) {
  const std::size_t bytes = std::size_t(to.stride);
  for (int r = 0; r < n; ++r) {
    const int m = srows[r];
    if (m >= 0) {
      std::memcpy(rowBytes(to, r), rowBytes(from, m), bytes);
    } else if (gridLines) {
      std::memset(rowBytes(to, r), 0xFF, bytes);
    } else {
      std::memcpy(rowBytes(to, r), rowBytes(from, -m), bytes);
    }
  }
  std::memset(rowBytes(to, h + fishEye + 1), 0x00, bytes);
  std::memset(rowBytes(to, h - fishEye - 1), 0x00, bytes);
}

void rotate90Clockwise(const Lmr::ConstBgrxView& from, const Lmr::BgrxView& to) {
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) to.row(r)[c] = from.at(r, n - 1 - c);
}

void rotate270Clockwise(const Lmr::ConstBgrxView& from, const Lmr::BgrxView& to) {
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) to.row(r)[c] = from.at(n - 1 - r, c);
}

}  // namespace

void LiteralPipeline::render(const Lmr::ConstBgrxView& capture, const Lmr::BgrxView& view,
                             const Lmr::FishEyeMap& srows, int fishEye, bool gridLines) {
  copyBitmap(capture, copy_.view());
  rowPass(capture, copy_.view(), srows, fishEye, gridLines);
  rotate90Clockwise(copy_.view(), rotated_.view());
  rowPass(rotated_.view(), columns_.view(), srows, fishEye, gridLines);
  rotate270Clockwise(columns_.view(), view);
}

}  // namespace LmrBench
