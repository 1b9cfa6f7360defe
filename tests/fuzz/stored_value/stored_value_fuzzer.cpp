// Any settings value as the registry may hand it over: the first byte is its type code, the rest
// its bytes, kept in a buffer of exactly their size so that a read past them trips the address
// sanitizer. Checked on every input: the value is a number only for a DWORD of 4 bytes or a QWORD
// of 8, a text only for the two text types, and that text is the bytes' UTF-16 up to the first
// NUL; a setting is on exactly for DWORD or QWORD 1 and for the text "1" up to its first NUL,
// whatever the default.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/settings.h"
#include "app/stored_value.h"
#include "fuzz_input.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = Lmr::StoredValue::Kind;
using Lmr::fuzz::require;
namespace Type = Lmr::StoredType;

bool isTextType(std::uint32_t type) { return type == Type::text || type == Type::expandableText; }

bool startsWith(const Bytes& bytes, const Bytes& prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// Worked out from the bytes alone: "1" and then a NUL or the end.
bool shouldBeOn(std::uint32_t type, const Bytes& bytes) {
  if (type == Type::dword) return bytes == Bytes{1, 0, 0, 0};
  if (type == Type::qword) return bytes == Bytes{1, 0, 0, 0, 0, 0, 0, 0};
  if (!isTextType(type)) return false;
  return startsWith(bytes, {'1', 0}) && (bytes.size() < 4 || startsWith(bytes, {'1', 0, 0, 0}));
}

Kind kindFor(std::uint32_t type, std::size_t size) {
  if ((type == Type::dword && size == 4) || (type == Type::qword && size == 8)) return Kind::Number;
  return isTextType(type) ? Kind::Text : Kind::Other;
}

void requireTextOfTheBytes(const Lmr::StoredValue& value, const Bytes& bytes) {
  const std::wstring units = Lmr::fuzz::utf16From(bytes);
  require(value.text.find(L'\0') == std::wstring::npos);
  require(units.compare(0, value.text.size(), value.text) == 0);
  require(value.text.size() == units.size() || units[value.text.size()] == L'\0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint32_t type = data[0];
  const Bytes bytes(data + 1, data + size);
  const Lmr::StoredValue value = Lmr::storedValueFrom(type, bytes);
  require(value.kind == kindFor(type, bytes.size()));
  if (value.kind == Kind::Text) requireTextOfTheBytes(value, bytes);
  if (value.kind != Kind::Text) require(value.text.empty());
  for (const bool defaultOn : {false, true})
    require(Lmr::settingIsOn({true, value}, defaultOn) == shouldBeOn(type, bytes));
  return 0;
}
