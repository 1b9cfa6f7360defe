#include "app/settings.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Lmr::SettingsRead;
using Lmr::StoredValue;
using Kind = StoredValue::Kind;

SettingsRead number(std::uint64_t value) { return {true, StoredValue{Kind::Number, value, {}}}; }
SettingsRead text(std::wstring value) { return {true, StoredValue{Kind::Text, 0, std::move(value)}}; }
SettingsRead rawBytes() { return {true, StoredValue{Kind::Other, 0, {}}}; }

TEST(SettingReadingRule, OnlyAValueWhoseTextIsExactlyOneIsOn) {
  struct Case { const char* what; SettingsRead read; bool on; };
  const Case cases[] = {
      {"DWORD 1", number(1), true},
      {"QWORD 1", number(1), true},
      {"DWORD 0", number(0), false},
      {"DWORD 2", number(2), false},
      {"QWORD 2^32 + 1 (1 in its low half)", number(0x100000001ull), false},
      {"text 1", text(L"1"), true},
      {"text 01", text(L"01"), false},
      {"text ' 1'", text(L" 1"), false},
      {"text '1 '", text(L"1 "), false},
      {"empty text", text(L""), false},
      {"text true", text(L"true"), false},
      {"binary data", rawBytes(), false},
  };
  for (const auto& c : cases)
    for (const bool defaultOn : {false, true})
      EXPECT_EQ(Lmr::settingIsOn(c.read, defaultOn), c.on) << c.what << ", default " << defaultOn;
}

TEST(SettingReadingRule, AnAbsentValueOrKeyTakesTheDefault) {
  for (const bool defaultOn : {false, true}) {
    EXPECT_EQ(Lmr::settingIsOn({true, std::nullopt}, defaultOn), defaultOn);
    EXPECT_EQ(Lmr::settingIsOn({}, defaultOn), defaultOn);
  }
}

// Each setting is shown by its own check box of the dialog's "Options" group.
TEST(SettingSpecs, EachSettingHasItsOwnCheckBoxInTheOptionsGroup) {
  std::set<Lmr::ui::OptionsControlId> boxes;
  for (const auto& spec : Lmr::settingSpecs) {
    const auto& box = Lmr::ui::optionsControlSpec(spec.checkBox);
    EXPECT_EQ(box.kind, Lmr::ui::OptionsControlKind::CheckBox);
    EXPECT_EQ(box.parent, Lmr::ui::OptionsControlId::groupBox3);
    EXPECT_EQ(std::wstring(box.name.begin(), box.name.end()), spec.valueName) << "the box is named as the value";
    EXPECT_EQ(&Lmr::settingSpec(spec.setting), &spec);
    boxes.insert(spec.checkBox);
  }
  EXPECT_EQ(boxes.size(), Lmr::settingSpecs.size());
}

}  // namespace
