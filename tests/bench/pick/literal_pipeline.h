#pragma once
// The yardstick for the magnifier benchmark: the view built the plain way, by whole-row copies
// and fills over the rows, a turn by 90 degrees so that columns become rows, the same pass again,
// and a turn back by 270 degrees.
#include <cstdint>
#include <vector>

#include "ports/bgrx_view.h"
#include "pick/fish_eye.h"

namespace LmrBench {

// A tightly packed viewWidth x viewWidth BGRX bitmap.
struct SquareBitmap {
  std::vector<std::uint32_t> words = std::vector<std::uint32_t>(std::size_t(Lmr::viewWidth) * Lmr::viewWidth);
  Lmr::BgrxView view() {
    return {reinterpret_cast<std::uint8_t*>(words.data()), Lmr::viewWidth, Lmr::viewWidth, Lmr::viewWidth * 4};
  }
};

class LiteralPipeline {
 public:
  // Writes the finished view of `capture` into `view` (both viewWidth x viewWidth).
  void render(const Lmr::ConstBgrxView& capture, const Lmr::BgrxView& view, const Lmr::FishEyeMap& srows,
              int fishEye, bool gridLines);

 private:
  // Working bitmaps, made once so the comparison measures the pixel work only.
  SquareBitmap copy_, rotated_, columns_;
};

}  // namespace LmrBench
