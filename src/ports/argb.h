#pragma once
// A colour as one 32-bit value: alpha in the top byte, then red, green, and blue in the lowest.
#include <cstdint>

namespace Lmr {

using Argb = std::uint32_t;

constexpr Argb opaqueArgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return 0xFF000000u | (Argb{red} << 16) | (Argb{green} << 8) | Argb{blue};
}

constexpr std::uint8_t alphaOf(Argb colour) { return static_cast<std::uint8_t>(colour >> 24); }
constexpr std::uint8_t redOf(Argb colour) { return static_cast<std::uint8_t>(colour >> 16); }
constexpr std::uint8_t greenOf(Argb colour) { return static_cast<std::uint8_t>(colour >> 8); }
constexpr std::uint8_t blueOf(Argb colour) { return static_cast<std::uint8_t>(colour); }

}  // namespace Lmr
