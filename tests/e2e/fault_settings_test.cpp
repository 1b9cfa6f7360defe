// Settings the program cannot use as stored: every kind of registry value and oversized ones, and
// a settings key the user may neither read nor change, at start and at OK.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness.h"
#include "options_session.h"

namespace {

using namespace e2e;
using Bytes = std::vector<BYTE>;

Bytes textBytes(const std::wstring& text, bool terminated = true) {
  const auto* begin = reinterpret_cast<const BYTE*>(text.c_str());
  return Bytes(begin, begin + (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
}

template <class Number>
Bytes numberBytes(Number value) {
  const auto* begin = reinterpret_cast<const BYTE*>(&value);
  return Bytes(begin, begin + sizeof value);
}

struct ValueCase {
  const char* what;
  DWORD type;
  Bytes data;
  bool on;
};

// A value is on only when its text form is exactly "1".
const std::vector<ValueCase>& valueCases() {
  static const std::vector<ValueCase> cases{
      {"none", REG_NONE, textBytes(L"1"), false},
      {"text 1", REG_SZ, textBytes(L"1"), true},
      {"text 1 without its end", REG_SZ, textBytes(L"1", false), true},
      {"text 0", REG_SZ, textBytes(L"0"), false},
      {"expandable text 1", REG_EXPAND_SZ, textBytes(L"1"), true},
      {"binary 1", REG_BINARY, Bytes{1, 0, 0, 0}, false},
      {"dword 1", REG_DWORD, numberBytes<DWORD>(1), true},
      {"dword of two bytes", REG_DWORD, Bytes{1, 0}, false},
      {"big-endian dword 1", REG_DWORD_BIG_ENDIAN, Bytes{0, 0, 0, 1}, false},
      {"link", REG_LINK, textBytes(L"1", false), false},
      {"multi text 1", REG_MULTI_SZ, textBytes(std::wstring(L"1\0", 2)), false},
      {"qword 1", REG_QWORD, numberBytes<ULONGLONG>(1), true},
      {"qword 2^32 + 1", REG_QWORD, numberBytes<ULONGLONG>(0x100000001ull), false},
      {"empty text", REG_SZ, Bytes{}, false},  // present, so not the default either
      {"empty dword", REG_DWORD, Bytes{}, false},
      {"1 MB of text ones", REG_SZ, textBytes(std::wstring(512 * 1024 - 1, L'1')), false},
      {"1 MB binary", REG_BINARY, Bytes(1024 * 1024, 1), false},
  };
  return cases;
}

class FaultsSettings : public testing::Test {
 protected:
  void SetUp() override { deleteSettingsKey(); }
  void TearDown() override { deleteSettingsKey(); }
};

TEST_F(FaultsSettings, EveryKindOfValueLoadsAsOnOnlyWhenItReadsOneAndOkStoresDwords) {
  for (const auto& c : valueCases()) {
    SCOPED_TRACE(c.what);
    deleteSettingsKey();
    for (const wchar_t* name : settingNames)
      writeSettingsValue(name, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
    ScratchFolder folder;
    Session session(folder);
    ASSERT_NE(session.openOptions(), nullptr);
    EXPECT_EQ(session.checks(), std::vector<bool>(6, c.on));
    ASSERT_TRUE(session.pressOkButton());
    EXPECT_EQ(storedValues(), sixStored(std::vector<DWORD>(6, c.on ? 1 : 0)));
    EXPECT_TRUE(session.program().running());
    if (!c.on) continue;
    // For this run only, so that the close box ends the program rather than hiding it.
    ASSERT_NE(session.openOptions(), nullptr);
    session.click(Lmr::ui::OptionsControlId::close_btn_minimizes);
    ASSERT_TRUE(session.closeWithCloseBox());
  }
}

// The settings key with a security that grants the user nothing. The driver keeps a handle opened
// before, through which the key's own security comes back at the end.
class DeniedSettingsKey {
 public:
  DeniedSettingsKey() {
    RegCreateKeyExW(HKEY_CURRENT_USER, settingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    DWORD size = 0;
    RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, nullptr, &size);
    original_.resize(size);
    RegGetKeySecurity(key_, DACL_SECURITY_INFORMATION, original_.data(), &size);
    SECURITY_DESCRIPTOR denied{};
    ACL nothingGranted{};
    InitializeSecurityDescriptor(&denied, SECURITY_DESCRIPTOR_REVISION);
    InitializeAcl(&nothingGranted, sizeof nothingGranted, ACL_REVISION);
    SetSecurityDescriptorDacl(&denied, TRUE, &nothingGranted, FALSE);
    status_ = RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, &denied);
  }
  DeniedSettingsKey(const DeniedSettingsKey&) = delete;
  DeniedSettingsKey& operator=(const DeniedSettingsKey&) = delete;
  ~DeniedSettingsKey() {
    RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, original_.data());
    RegCloseKey(key_);
  }
  // Whether the system now refuses the user the key (not every system enforces it).
  bool enforced() const {
    HKEY probe = nullptr;
    const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, settingsKey, 0, KEY_QUERY_VALUE, &probe);
    if (opened == ERROR_SUCCESS) RegCloseKey(probe);
    return status_ == ERROR_SUCCESS && opened == ERROR_ACCESS_DENIED;
  }

 private:
  HKEY key_ = nullptr;
  LSTATUS status_ = ERROR_INVALID_FUNCTION;
  Bytes original_;
};

const std::vector<StoredEntry> userChoices{dword(L"", 1), dword(L"minimize_tray", 1), dword(L"round_hsb", 0)};

// The user's choices stored, then a run of the program with the key denied and its options dialog
// open for `inDialog`; once access is back, the choices must still be stored as they were.
class FaultsDeniedSettings : public FaultsSettings {
 protected:
  void runWithTheKeyDenied(const std::function<void(Session&)>& inDialog) {
    for (const auto& entry : userChoices) writeSettingsDword(entry.name.c_str(), entry.number);
    {
      DeniedSettingsKey denied;
      ASSERT_TRUE(denied.enforced());
      ScratchFolder folder;
      Session session(folder);
      ASSERT_NE(session.openOptions(), nullptr);
      inDialog(session);
    }
    EXPECT_EQ(storedValues(), sortedByName(userChoices));
  }
};

TEST_F(FaultsDeniedSettings, AnUnreadableKeyStartsWithTheDefaultsAndKeepsWhatItHolds) {
  runWithTheKeyDenied([](Session& session) {
    EXPECT_EQ(session.checks(), defaultChecks);
    ASSERT_TRUE(session.closeWithCloseBox());
  });
}

TEST_F(FaultsDeniedSettings, OkOnAKeyThatCannotBeWrittenSaysSoAndKeepsTheChoicesForThisRun) {
  runWithTheKeyDenied([](Session& session) {
    session.click(Lmr::ui::OptionsControlId::lines_between_pixels);
    PostMessageW(session.control(Lmr::ui::OptionsControlId::ok_btn), BM_CLICK, 0, 0);
    const HWND box = session.program().waitForMessageBox(5s);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box), L"Lumarin");
    EXPECT_EQ(messageBoxText(box), L"Your settings could not be saved. They apply until Lumarin is closed.");
    pressOk(box);
    ASSERT_TRUE(session.waitUntilHidden());
    ASSERT_NE(session.openOptions(), nullptr);
    EXPECT_EQ(session.checks(), (std::vector<bool>{false, false, false, false, true, true}));
    ASSERT_TRUE(session.closeWithCloseBox());
  });
}

}  // namespace
