#pragma once
// The fields of an ICC profile, read from its bytes. Every field is big-endian and every read is
// checked against the bytes it reads from: a field that does not lie wholly inside reads as
// nothing. Offsets and sizes are taken as 64-bit values, so no 32-bit sum from the file can wrap.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace Lmr {

using IccBytes = std::span<const std::uint8_t>;

// A four-character signature ("desc", "rXYZ") as the 32-bit value the profile stores.
constexpr std::uint32_t iccSignature(std::string_view four) {
  std::uint32_t value = 0;
  for (char c : four) value = value << 8 | static_cast<std::uint8_t>(c);
  return value;
}

std::optional<IccBytes> iccBytesAt(IccBytes bytes, std::uint64_t offset, std::uint64_t size);
std::optional<std::uint16_t> iccU16At(IccBytes bytes, std::uint64_t offset);
std::optional<std::uint32_t> iccU32At(IccBytes bytes, std::uint64_t offset);
// A signed 15.16 fixed-point number.
std::optional<double> iccS15Fixed16At(IccBytes bytes, std::uint64_t offset);

// The header and tag table of a profile. The profile is as long as its header says, bytes after
// that are not its own; a file shorter than that is kept as far as it goes, so that a tag near
// its start (the description) can still be read, but it is not whole.
class IccTagTable {
 public:
  // Nothing when the bytes do not start with a profile header and a tag table that fits.
  static std::optional<IccTagTable> of(IccBytes file);

  IccBytes header() const { return profile_.first(headerSize); }
  bool whole() const { return whole_; }
  // The data of the first tag with this signature (its type signature first), when it lies
  // inside the profile.
  std::optional<IccBytes> tag(std::uint32_t signature) const;
  // The type signature of a tag's data ("curv", "mluc"), 0 when there is none.
  static std::uint32_t typeOf(IccBytes tagData);

  static constexpr std::size_t headerSize = 128;

 private:
  IccTagTable(IccBytes profile, std::uint32_t count, bool whole)
      : profile_(profile), count_(count), whole_(whole) {}

  IccBytes profile_;
  std::uint32_t count_;
  bool whole_;
};

}  // namespace Lmr
