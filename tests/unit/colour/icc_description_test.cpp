#include "colour/icc_description.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "icc_test_bytes.h"

namespace {

using Lmr::test::asciiDescTag;
using Lmr::test::Bytes;
using Lmr::test::mlucTag;

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
