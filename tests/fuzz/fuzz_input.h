#pragma once
// What the fuzz targets share: turning the fuzzer's bytes into the texts the program is handed,
// and stopping on a broken property so that libFuzzer reports the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

namespace Lmr::fuzz {

inline void require(bool condition) {
  if (!condition) std::abort();
}

// Pairs of bytes as UTF-16LE code units, any of them (lone surrogates too); an odd last byte is
// left out.
inline std::wstring utf16From(std::span<const std::uint8_t> bytes) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) text += static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8);
  return text;
}

// One character per byte, which lets the fuzzer find ASCII texts quickly; after a leading 0xFF
// byte, UTF-16 code units instead, for any text Windows may hand over.
inline std::wstring wideTextFrom(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (!bytes.empty() && bytes[0] == 0xFF) return utf16From(bytes.subspan(1));
  return std::wstring(bytes.begin(), bytes.end());
}

}  // namespace Lmr::fuzz
