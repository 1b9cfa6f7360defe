#pragma once
// Bytes of ICC profiles for the tests: the display profiles Debian's argyll-ref and colord-data
// ship (tools/install_deps.sh installs them), and tags written here. A missing profile file fails
// the test that reads it, so a machine without those packages cannot pass by skipping.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace Lmr::test {

using Bytes = std::vector<std::uint8_t>;

inline const std::string argyllProfiles = "/usr/share/color/argyll/ref/";
inline const std::string colordProfiles = "/usr/share/color/icc/colord/";

inline Bytes profileFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) ADD_FAILURE() << path << " is missing: install argyll-ref and colord-data";
  return Bytes(std::istreambuf_iterator<char>(file), {});
}

inline void appendU16(Bytes& bytes, std::uint32_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
  bytes.push_back(static_cast<std::uint8_t>(value));
}

inline void appendU32(Bytes& bytes, std::uint32_t value) {
  appendU16(bytes, value >> 16);
  appendU16(bytes, value & 0xFFFF);
}

inline void appendText(Bytes& bytes, std::string_view text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

inline void putU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  Bytes field;
  appendU32(field, value);
  std::copy(field.begin(), field.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

inline std::uint32_t s15Fixed16(double value) {
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(value * 65536.0)));
}

// A tag's data: its type signature, four reserved bytes, then what follows.
inline Bytes tagOfType(std::string_view type) {
  Bytes tag;
  appendText(tag, type);
  appendU32(tag, 0);
  return tag;
}

}  // namespace Lmr::test
