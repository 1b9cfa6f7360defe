#include "colour/icc_bytes.h"

#include <algorithm>

namespace Lmr {
namespace {

constexpr std::uint64_t tagEntrySize = 12;  // signature, offset, size
constexpr std::uint64_t tagCountOffset = IccTagTable::headerSize;
constexpr std::uint64_t firstTagEntry = tagCountOffset + 4;
constexpr std::uint64_t magicOffset = 36;

std::uint32_t bigEndian(IccBytes field) {
  std::uint32_t value = 0;
  for (std::uint8_t byte : field) value = value << 8 | byte;
  return value;
}

}  // namespace

std::optional<IccBytes> iccBytesAt(IccBytes bytes, std::uint64_t offset, std::uint64_t size) {
  if (offset > bytes.size() || size > bytes.size() - offset) return std::nullopt;
  return bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
}

std::optional<std::uint16_t> iccU16At(IccBytes bytes, std::uint64_t offset) {
  const std::optional<IccBytes> field = iccBytesAt(bytes, offset, 2);
  if (!field) return std::nullopt;
  return static_cast<std::uint16_t>(bigEndian(*field));
}

std::optional<std::uint32_t> iccU32At(IccBytes bytes, std::uint64_t offset) {
  const std::optional<IccBytes> field = iccBytesAt(bytes, offset, 4);
  if (!field) return std::nullopt;
  return bigEndian(*field);
}

std::optional<double> iccS15Fixed16At(IccBytes bytes, std::uint64_t offset) {
  const std::optional<std::uint32_t> raw = iccU32At(bytes, offset);
  if (!raw) return std::nullopt;
  // Two's complement by arithmetic, not by a cast that older standards left to the compiler.
  const std::int64_t value = *raw >= 0x80000000u ? std::int64_t{*raw} - 0x100000000 : std::int64_t{*raw};
  return static_cast<double>(value) / 65536.0;
}

std::optional<IccTagTable> IccTagTable::of(IccBytes file) {
  const std::optional<std::uint32_t> declaredSize = iccU32At(file, 0);
  const std::optional<std::uint32_t> magic = iccU32At(file, magicOffset);
  const std::optional<std::uint32_t> count = iccU32At(file, tagCountOffset);
  if (!declaredSize || !magic || !count || *magic != iccSignature("acsp")) return std::nullopt;
  const bool whole = *declaredSize <= file.size();
  const IccBytes profile = file.first(std::min<std::size_t>(*declaredSize, file.size()));
  if (!iccBytesAt(profile, firstTagEntry, std::uint64_t{*count} * tagEntrySize)) return std::nullopt;
  return IccTagTable(profile, *count, whole);
}

std::optional<IccBytes> IccTagTable::tag(std::uint32_t signature) const {
  for (std::uint64_t i = 0; i < count_; ++i) {
    const std::uint64_t entry = firstTagEntry + i * tagEntrySize;
    if (iccU32At(profile_, entry) != signature) continue;
    const std::optional<std::uint32_t> offset = iccU32At(profile_, entry + 4);
    const std::optional<std::uint32_t> size = iccU32At(profile_, entry + 8);
    if (!offset || !size) return std::nullopt;
    return iccBytesAt(profile_, *offset, *size);
  }
  return std::nullopt;
}

std::uint32_t IccTagTable::typeOf(IccBytes tagData) { return iccU32At(tagData, 0).value_or(0); }

}  // namespace Lmr
