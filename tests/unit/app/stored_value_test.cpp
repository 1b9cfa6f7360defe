// Settings values as the registry hands them over: which bytes read as which value, and so
// whether a setting is on.
#include "app/stored_value.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/settings.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = Lmr::StoredValue::Kind;
namespace Type = Lmr::StoredType;

Lmr::StoredValue valueOf(std::uint32_t type, const Bytes& bytes) { return Lmr::storedValueFrom(type, bytes); }

bool isOn(std::uint32_t type, const Bytes& bytes) {
  return Lmr::settingIsOn({true, valueOf(type, bytes)}, true);
}

TEST(StoredValueReading, NumbersAreLittleEndianDwordsAndQwordsOfTheirExactSize) {
  struct Case { const char* what; std::uint32_t type; Bytes bytes; Kind kind; std::uint64_t number; };
  const Case cases[] = {
      {"DWORD 1", Type::dword, {1, 0, 0, 0}, Kind::Number, 1},
      {"DWORD 0x12345678", Type::dword, {0x78, 0x56, 0x34, 0x12}, Kind::Number, 0x12345678},
      {"QWORD 1", Type::qword, {1, 0, 0, 0, 0, 0, 0, 0}, Kind::Number, 1},
      {"QWORD 2^32 + 1", Type::qword, {1, 0, 0, 0, 1, 0, 0, 0}, Kind::Number, 0x100000001ull},
      {"QWORD all ones", Type::qword, Bytes(8, 0xFF), Kind::Number, ~0ull},
      {"DWORD of 3 bytes", Type::dword, {1, 0, 0}, Kind::Other, 0},
      {"DWORD of 8 bytes", Type::dword, {1, 0, 0, 0, 0, 0, 0, 0}, Kind::Other, 0},
      {"empty DWORD", Type::dword, {}, Kind::Other, 0},
      {"QWORD of 4 bytes", Type::qword, {1, 0, 0, 0}, Kind::Other, 0},
      {"big-endian DWORD 1", Type::dwordBigEndian, {0, 0, 0, 1}, Kind::Other, 0},
      {"binary 1", Type::binary, {1, 0, 0, 0}, Kind::Other, 0},
      {"unknown type 0", 0, {1, 0, 0, 0}, Kind::Other, 0},
      {"unknown type 0xFFFFFFFF", 0xFFFFFFFFu, {1, 0, 0, 0}, Kind::Other, 0},
  };
  for (const auto& c : cases) {
    const Lmr::StoredValue value = valueOf(c.type, c.bytes);
    EXPECT_EQ(value.kind, c.kind) << c.what;
    EXPECT_EQ(value.number, c.number) << c.what;
  }
}

TEST(StoredValueReading, TextsAreUtf16ReadUpToTheFirstNul) {
  struct Case { const char* what; std::uint32_t type; Bytes bytes; std::wstring text; };
  const Case cases[] = {
      {"'1' with its terminator", Type::text, {'1', 0, 0, 0}, L"1"},
      {"'1' without a terminator", Type::text, {'1', 0}, L"1"},
      {"'1' and trailing NULs", Type::text, {'1', 0, 0, 0, 0, 0, 0, 0}, L"1"},
      {"'1' and an odd last byte", Type::text, {'1', 0, 'x'}, L"1"},
      {"a lone byte", Type::text, {'1'}, L""},
      {"no bytes", Type::text, {}, L""},
      {"'1' NUL 'junk'", Type::text, {'1', 0, 0, 0, 'j', 0, 'u', 0, 'n', 0, 'k', 0}, L"1"},
      {"NUL then '1'", Type::text, {0, 0, '1', 0}, L""},
      {"'10'", Type::text, {'1', 0, '0', 0}, L"10"},
      {"expandable '1'", Type::expandableText, {'1', 0, 0, 0}, L"1"},
      {"high byte makes U+0131", Type::text, {'1', 1}, L"\u0131"},
      {"a lone surrogate", Type::text, {0x00, 0xD8}, std::wstring(1, static_cast<wchar_t>(0xD800))},
  };
  for (const auto& c : cases) {
    const Lmr::StoredValue value = valueOf(c.type, c.bytes);
    EXPECT_EQ(value.kind, Kind::Text) << c.what;
    EXPECT_EQ(value.text, c.text) << c.what;
  }
}

TEST(StoredValueReading, OnlyOneAsANumberOrAsTextUpToItsNulTurnsASettingOn) {
  struct Case { const char* what; std::uint32_t type; Bytes bytes; bool on; };
  const Case cases[] = {
      {"DWORD 1", Type::dword, {1, 0, 0, 0}, true},
      {"QWORD 1", Type::qword, {1, 0, 0, 0, 0, 0, 0, 0}, true},
      {"text '1'", Type::text, {'1', 0, 0, 0}, true},
      {"text '1' NUL 'junk'", Type::text, {'1', 0, 0, 0, 'j', 0}, true},
      {"expandable text '1'", Type::expandableText, {'1', 0}, true},
      {"DWORD 0", Type::dword, {0, 0, 0, 0}, false},
      {"DWORD 257", Type::dword, {1, 1, 0, 0}, false},
      {"QWORD 2^32 + 1", Type::qword, {1, 0, 0, 0, 1, 0, 0, 0}, false},
      {"a DWORD 1 too short", Type::dword, {1, 0}, false},
      {"big-endian DWORD 1", Type::dwordBigEndian, {0, 0, 0, 1}, false},
      {"binary 1", Type::binary, {1}, false},
      {"multi-text '1'", Type::multiText, {'1', 0, 0, 0, 0, 0}, false},
      {"text '1' as one byte", Type::text, {'1'}, false},
      {"text ' 1'", Type::text, {' ', 0, '1', 0}, false},
      {"text '11'", Type::text, {'1', 0, '1', 0}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(isOn(c.type, c.bytes), c.on) << c.what;
}

}  // namespace
