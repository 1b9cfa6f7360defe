#include "app/options.h"
#include "app/settings.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "fake_platform.h"

namespace {

using Lmr::Setting;
using Lmr::StoredValue;
using Lmr::testing::FakePlatform;
using Writes = std::vector<std::pair<std::wstring, std::uint32_t>>;

// Notes how many values had been written when the dialog closed.
struct Platform : FakePlatform {
  std::size_t writesAtClose = std::numeric_limits<std::size_t>::max();
  void close() override {
    writesAtClose = writes.size();
    FakePlatform::close();
  }
};

StoredValue dword(std::uint32_t value) { return {StoredValue::Kind::Number, value, {}}; }
StoredValue text(const wchar_t* value) { return {StoredValue::Kind::Text, 0, value}; }

std::vector<bool> checksOf(FakePlatform& fake) {
  std::vector<bool> checks;
  for (const auto& spec : Lmr::settingSpecs) checks.push_back(fake.isChecked(spec.setting));
  return checks;
}

const std::vector<bool> defaults{false, false, false, false, false, true};

TEST(OptionsLoad, AFirstStartCreatesTheKeyWithOnlyItsUnnamedValueAndShowsTheDefaults) {
  Platform fake;
  Lmr::Options options(fake, fake);
  options.load();
  EXPECT_EQ(fake.writes, (Writes{{L"", 1}}));
  EXPECT_EQ(checksOf(fake), defaults);
  EXPECT_EQ(fake.aboutText, L"Huedisk Software 1.00.11");
  EXPECT_EQ(fake.calls, std::vector<std::string>{"build options"});
}

TEST(OptionsLoad, AnExistingKeyGetsNothingWrittenAndItsValuesLoad) {
  struct Case { const char* what; std::map<std::wstring, StoredValue> stored; std::vector<bool> checks; };
  const Case cases[] = {
      {"no values at all", {}, defaults},
      {"only the unnamed value", {{L"", dword(1)}}, defaults},
      {"stored values",
       {{L"minimize_tray", text(L"1")}, {L"close_btn_minimizes", dword(2)}, {L"window_move_pick", dword(1)},
        {L"lines_between_pixels", text(L"01")}, {L"round_hsb", dword(0)}},
       {true, false, false, true, false, false}},
  };
  for (const auto& c : cases) {
    Platform fake;
    fake.keyExists = true;
    fake.stored = c.stored;
    Lmr::Options options(fake, fake);
    options.load();
    EXPECT_TRUE(fake.writes.empty()) << c.what;
    EXPECT_EQ(checksOf(fake), c.checks) << c.what;
  }
}

TEST(OptionsLoad, TheLiveSettingIsTheBoxAsItIsNow) {
  Platform fake;
  Lmr::Options options(fake, fake);
  options.load();
  fake.setChecked(Setting::lines_between_pixels, true);
  fake.setChecked(Setting::round_hsb, false);
  EXPECT_TRUE(options.isOn(Setting::lines_between_pixels));
  EXPECT_FALSE(options.isOn(Setting::round_hsb));
  EXPECT_EQ(fake.writes.size(), 1u) << "a change in the dialog is not stored by itself";
}

TEST(OptionsOk, StoresAllSixInOrderEveryTimeThenCloses) {
  Platform fake;
  Lmr::Options options(fake, fake);
  options.load();
  fake.writes.clear();
  fake.setChecked(Setting::pick_from_snapshot, true);
  options.ok_btn_Click();
  const Writes first{{L"minimize_tray", 0},       {L"close_btn_minimizes", 0}, {L"pick_from_snapshot", 1},
                     {L"window_move_pick", 0},    {L"lines_between_pixels", 0}, {L"round_hsb", 1}};
  EXPECT_EQ(fake.writes, first);
  EXPECT_EQ(fake.writesAtClose, 6u) << "the dialog closes after storing";
  EXPECT_EQ(fake.calls.back(), "options closed");

  fake.writes.clear();
  options.ok_btn_Click();  // nothing changed: all six again
  EXPECT_EQ(fake.writes, first);
}

TEST(OptionsOk, AStoreThatCannotBeWrittenIsReportedAndTheChoicesLastThisRun) {
  Platform fake;
  Lmr::Options options(fake, fake);
  options.load();
  fake.writes.clear();
  fake.unwritable = {L"window_move_pick"};
  fake.setChecked(Setting::minimize_tray, true);
  options.ok_btn_Click();
  EXPECT_EQ(fake.writes.size(), 5u) << "the others are still stored";
  EXPECT_EQ(fake.notices,
            std::vector<std::wstring>{L"Lumarin: Your settings could not be saved. They apply until Lumarin is closed."});
  EXPECT_EQ(std::vector<std::string>(fake.calls.end() - 2, fake.calls.end()),
            (std::vector<std::string>{"options notice", "options closed"}))
      << "the message comes over the dialog, before it closes";
  EXPECT_TRUE(options.isOn(Setting::minimize_tray));

  fake.unwritable.clear();
  fake.notices.clear();
  options.ok_btn_Click();
  EXPECT_TRUE(fake.notices.empty()) << "a store that takes the values says nothing";
}

TEST(OptionsLinks, EachLinkOpensItsPage) {
  Platform fake;
  Lmr::Options options(fake, fake);
  options.load();
  options.check_for_updates_LinkClicked();
  options.contact_support_LinkClicked();
  options.linkLabel1_LinkClicked();
  EXPECT_EQ(fake.openedPages, (std::vector<std::wstring>{L"https://www.huedisk.com/Lumarin/Download/?version=1.00.11",
                                                          L"https://www.huedisk.com/Contact/",
                                                          L"https://www.huedisk.com/Huedisk/"}));
}

}  // namespace
