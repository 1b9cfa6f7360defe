#include "colour/icc_description.h"

#include <algorithm>

namespace Lmr {
namespace {

constexpr std::uint64_t textCountOffset = 8;   // desc: ASCII count, NUL included
constexpr std::uint64_t asciiOffset = 12;
constexpr std::uint64_t recordCountOffset = 8;  // mluc: record count, then record size
constexpr std::uint64_t recordSizeOffset = 12;
constexpr std::uint64_t firstRecord = 16;
constexpr std::uint64_t recordSize = 12;  // language, country, length, offset
constexpr std::uint32_t englishUs = iccSignature("enUS");

bool isControl(wchar_t c) { return c < L' ' || c == 0x7F; }

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::wstring showableProfileName(std::wstring text) {
  text.erase(std::find(text.begin(), text.end(), L'\0'), text.end());
  std::replace_if(text.begin(), text.end(), isControl, L' ');
  text.erase(0, text.find_first_not_of(L' '));
  text.erase(text.find_last_not_of(L' ') + 1);
  if (text.size() <= longestProfileDescription) return text;
  text.resize(longestProfileDescription - 3);
  if (isHighSurrogate(text.back())) text.pop_back();  // not half a character
  return text + L"...";
}

namespace {

std::wstring asciiDescription(IccBytes tag) {
  const std::optional<std::uint32_t> count = iccU32At(tag, textCountOffset);
  if (!count) return {};
  const std::optional<IccBytes> ascii = iccBytesAt(tag, asciiOffset, *count);
  if (!ascii) return {};
  std::wstring text;
  for (std::uint8_t c : *ascii) text += c < 0x80 ? static_cast<wchar_t>(c) : L'?';
  return text;
}

// UTF-16BE code units, kept as they are (a lone surrogate too: the menu draws it as a box).
std::wstring utf16Text(IccBytes bytes) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) text += static_cast<wchar_t>(bytes[i] << 8 | bytes[i + 1]);
  return text;
}

std::optional<std::uint64_t> chosenRecord(IccBytes tag) {
  const std::optional<std::uint32_t> count = iccU32At(tag, recordCountOffset);
  const std::optional<std::uint32_t> size = iccU32At(tag, recordSizeOffset);
  if (!count || *count == 0 || !size || *size < recordSize) return std::nullopt;
  for (std::uint64_t i = 0; i < *count; ++i) {
    const std::uint64_t record = firstRecord + i * *size;
    const std::optional<std::uint32_t> locale = iccU32At(tag, record);
    if (!locale) break;
    if (*locale == englishUs) return record;
  }
  return firstRecord;
}

std::wstring unicodeDescription(IccBytes tag) {
  const std::optional<std::uint64_t> record = chosenRecord(tag);
  if (!record) return {};
  const std::optional<std::uint32_t> length = iccU32At(tag, *record + 4);
  const std::optional<std::uint32_t> offset = iccU32At(tag, *record + 8);
  if (!length || !offset) return {};
  const std::optional<IccBytes> text = iccBytesAt(tag, *offset, *length);
  return text ? utf16Text(*text) : std::wstring{};
}

}  // namespace

std::wstring profileDescriptionOf(IccBytes descTag) {
  const std::uint32_t type = IccTagTable::typeOf(descTag);
  if (type == iccSignature("desc")) return showableProfileName(asciiDescription(descTag));
  if (type == iccSignature("mluc")) return showableProfileName(unicodeDescription(descTag));
  return {};
}

}  // namespace Lmr
