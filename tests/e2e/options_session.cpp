#include "options_session.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace e2e {

using Lmr::ui::OptionsControlId;

const wchar_t* const settingNames[6] = {L"minimize_tray",    L"close_btn_minimizes",  L"pick_from_snapshot",
                                        L"window_move_pick", L"lines_between_pixels", L"round_hsb"};
const OptionsControlId checkBoxes[6] = {OptionsControlId::minimize_tray,       OptionsControlId::close_btn_minimizes,
                                        OptionsControlId::pick_from_snapshot,  OptionsControlId::window_move_pick,
                                        OptionsControlId::lines_between_pixels, OptionsControlId::round_hsb};

void PrintTo(const StoredEntry& entry, std::ostream* out) {
  *out << "'" << std::string(entry.name.begin(), entry.name.end()) << "' type " << entry.type << " = "
       << entry.number;
}

std::vector<StoredEntry> sortedByName(std::vector<StoredEntry> entries) {
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return entries;
}

std::vector<StoredEntry> storedValues() {
  std::vector<StoredEntry> entries;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, settingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return entries;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256] = {};
    DWORD nameLength = 256, type = 0, number = 0, size = sizeof number;
    const LSTATUS status = RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                         reinterpret_cast<BYTE*>(&number), &size);
    if (status == ERROR_NO_MORE_ITEMS) break;
    entries.push_back({name, type, type == REG_DWORD ? number : 0});
  }
  RegCloseKey(key);
  return sortedByName(entries);
}

std::vector<StoredEntry> sixStored(const std::vector<DWORD>& values) {
  std::vector<StoredEntry> entries;
  for (std::size_t i = 0; i < values.size(); ++i) entries.push_back(dword(settingNames[i], values[i]));
  return sortedByName(entries);
}

void writeSettingsValue(const wchar_t* name, DWORD type, const void* data, DWORD size) {
  RegSetKeyValueW(HKEY_CURRENT_USER, settingsKey, name, type, data, size);
}

void writeSettingsText(const wchar_t* name, const std::wstring& text) {
  writeSettingsValue(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

Session::~Session() {
  if (dialog_ && IsWindowVisible(dialog_)) closeWithCloseBox();
  if (window_) closeWindow(window_);
  EXPECT_EQ(program_.waitForExit(), 0u);
}

HWND Session::openOptions() {
  const HWND button = GetDlgItem(window_, static_cast<int>(Lmr::ui::ControlId::options_btn));
  PostMessageW(button, BM_CLICK, 0, 0);
  pollUntil(
      [&] {
        for (HWND w : program_.topLevelWindows())
          if (className(w) == L"LumarinOptions" && IsWindowVisible(w)) return (dialog_ = w) != nullptr;
        return false;
      },
      5s);
  return dialog_;
}

HWND Session::control(OptionsControlId id) const {
  const auto parent = Lmr::ui::optionsControlSpec(id).parent;
  const HWND holder = parent == OptionsControlId::none ? dialog_ : control(parent);
  return GetDlgItem(holder, static_cast<int>(id));
}

std::vector<bool> Session::checks() const {
  std::vector<bool> states;
  for (const auto id : checkBoxes) states.push_back(SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED);
  return states;
}

bool Session::pressOkButton() {
  PostMessageW(control(OptionsControlId::ok_btn), BM_CLICK, 0, 0);
  return waitUntilHidden();
}

bool Session::closeWithCloseBox() {
  PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  return waitUntilHidden();
}

bool Session::waitUntilHidden() const {
  return pollUntil([&] { return !IsWindowVisible(dialog_) && IsWindowEnabled(window_); }, 5s);
}

}  // namespace e2e
