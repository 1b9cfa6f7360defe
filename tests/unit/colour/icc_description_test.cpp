#include "colour/icc_description.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "icc_test_bytes.h"

namespace {

using Lmr::test::appendText;
using Lmr::test::appendU16;
using Lmr::test::appendU32;
using Lmr::test::Bytes;

Bytes asciiDescTag(std::string_view text, std::uint32_t count) {
  Bytes tag = Lmr::test::tagOfType("desc");
  appendU32(tag, count);
  appendText(tag, text);
  return tag;
}
Bytes asciiDescTag(std::string_view text) {
  return asciiDescTag(text, static_cast<std::uint32_t>(text.size()));
}

// A multiLocalizedUnicodeType tag of (locale, text) records, the texts in UTF-16BE after them.
Bytes mlucTag(const std::vector<std::pair<std::string_view, std::u16string_view>>& records) {
  Bytes tag = Lmr::test::tagOfType("mluc");
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

TEST(ProfileDescription, TheTextAMenuLineCanShow) {
  const std::pair<Bytes, std::wstring> cases[] = {
      {asciiDescTag(std::string("Panel\0junk", 10)), L"Panel"},
      {asciiDescTag("  Tab\there\x01 "), L"Tab here"},
      {asciiDescTag("Caf\xE9"), L"Caf?"},
      {asciiDescTag(std::string(200, 'x')), std::wstring(77, L'x') + L"..."},
      {asciiDescTag("Cut short", 50), L""},
      {mlucTag({{"deDE", u"Anzeige"}, {"enUS", u"Display"}}), L"Display"},
      {mlucTag({{"frFR", u"\u00C9cran"}, {"deDE", u"Anzeige"}}), L"\u00C9cran"},
      {mlucTag({}), L""},
      {Lmr::test::tagOfType("text"), L""},
  };
  for (const auto& [tag, expected] : cases) EXPECT_EQ(Lmr::profileDescriptionOf(tag), expected);
}

}  // namespace
