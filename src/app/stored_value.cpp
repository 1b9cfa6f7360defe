#include "app/stored_value.h"

namespace Lmr {
namespace {

StoredValue numberFrom(std::span<const std::uint8_t> bytes) {
  StoredValue value{StoredValue::Kind::Number, 0, {}};
  for (std::size_t i = bytes.size(); i-- > 0;) value.number = (value.number << 8) | bytes[i];
  return value;
}

StoredValue textFrom(std::span<const std::uint8_t> bytes) {
  StoredValue value{StoredValue::Kind::Text, 0, {}};
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto unit = static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8);
    if (unit == L'\0') break;
    value.text += unit;
  }
  return value;
}

bool isNumber(std::uint32_t type, std::size_t size) {
  return (type == StoredType::dword && size == 4) || (type == StoredType::qword && size == 8);
}

bool isText(std::uint32_t type) { return type == StoredType::text || type == StoredType::expandableText; }

}  // namespace

StoredValue storedValueFrom(std::uint32_t type, std::span<const std::uint8_t> bytes) {
  if (isNumber(type, bytes.size())) return numberFrom(bytes);
  if (isText(type)) return textFrom(bytes);
  return {};
}

}  // namespace Lmr
