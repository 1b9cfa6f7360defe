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
#include <utility>
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

// A curveType tag: `count` as its entry count, then the entries (a single one is a gamma in
// u8Fixed8, none the identity).
inline Bytes curvTag(std::uint32_t count, const std::vector<std::uint16_t>& entries) {
  Bytes tag = tagOfType("curv");
  appendU32(tag, count);
  for (std::uint16_t entry : entries) appendU16(tag, entry);
  return tag;
}
inline Bytes curvTag(const std::vector<std::uint16_t>& entries) {
  return curvTag(static_cast<std::uint32_t>(entries.size()), entries);
}

// A parametricCurveType tag of that function type and parameters.
inline Bytes paraTag(std::uint16_t type, const std::vector<double>& parameters) {
  Bytes tag = tagOfType("para");
  appendU16(tag, type);
  appendU16(tag, 0);
  for (double p : parameters) appendU32(tag, s15Fixed16(p));
  return tag;
}

// A textDescriptionType tag whose ASCII text claims `count` bytes, without the Unicode and
// ScriptCode parts that follow in a whole one.
inline Bytes asciiDescTag(std::string_view text, std::uint32_t count) {
  Bytes tag = tagOfType("desc");
  appendU32(tag, count);
  appendText(tag, text);
  return tag;
}
inline Bytes asciiDescTag(std::string_view text) {
  return asciiDescTag(text, static_cast<std::uint32_t>(text.size()));
}

// A multiLocalizedUnicodeType tag of (locale, text) records, the texts in UTF-16BE after them.
inline Bytes mlucTag(const std::vector<std::pair<std::string_view, std::u16string_view>>& records) {
  Bytes tag = tagOfType("mluc");
  appendU32(tag, static_cast<std::uint32_t>(records.size()));
  appendU32(tag, 12);
  std::uint32_t textOffset = 16 + 12 * static_cast<std::uint32_t>(records.size());
  for (const auto& [locale, text] : records) {
    appendText(tag, locale);
    appendU32(tag, static_cast<std::uint32_t>(2 * text.size()));
    appendU32(tag, textOffset);
    textOffset += static_cast<std::uint32_t>(2 * text.size());
  }
  for (const auto& record : records) {
    for (char16_t unit : record.second) appendU16(tag, unit);
  }
  return tag;
}

}  // namespace Lmr::test
