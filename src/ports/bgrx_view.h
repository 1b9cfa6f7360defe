#pragma once
// Non-owning views of 32-bit pixel buffers laid out as the screen capture gives them: bytes blue,
// green, red and a fourth byte, rows top to bottom, `stride` bytes from one row to the next.
#include <bit>
#include <cstddef>
#include <cstdint>

namespace Lmr {

// A pixel read as one 32-bit word is 0xXXRRGGBB on the little-endian targets the program runs on.
static_assert(std::endian::native == std::endian::little, "pixels are read as 0xXXRRGGBB words");

inline constexpr std::uint32_t opaqueBlack = 0xFF000000u;
inline constexpr std::uint32_t opaqueWhite = 0xFFFFFFFFu;

struct ConstBgrxView {
  const std::uint8_t* pixels = nullptr;  // the top row
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::ptrdiff_t stride = 0;  // bytes

  const std::uint32_t* row(std::int32_t r) const {
    return reinterpret_cast<const std::uint32_t*>(pixels + r * stride);
  }
  std::uint32_t at(std::int32_t column, std::int32_t r) const { return row(r)[column]; }
};

struct BgrxView {
  std::uint8_t* pixels = nullptr;  // the top row
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::ptrdiff_t stride = 0;  // bytes

  std::uint32_t* row(std::int32_t r) const { return reinterpret_cast<std::uint32_t*>(pixels + r * stride); }
  operator ConstBgrxView() const { return {pixels, width, height, stride}; }
};

// True when the view can be read as 32-bit words: pixels present, word-aligned, and rows that
// hold `width` pixels without overlapping.
bool isWordAddressable(const ConstBgrxView& view);

// True for a word-addressable buffer of exactly `side` x `side` pixels.
bool isSquareOf(const ConstBgrxView& view, std::int32_t side);

}  // namespace Lmr
