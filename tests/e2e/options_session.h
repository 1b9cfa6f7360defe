#pragma once
// The settings key as stored values, and a run of the program with its options dialog at hand:
// shared by the settings cases and the cases of unreadable or unwritable settings.
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "harness.h"
#include "ui/options_layout.h"

namespace e2e {

inline constexpr wchar_t settingsKey[] = L"SOFTWARE\\Lumarin";

struct StoredEntry {
  std::wstring name;
  DWORD type;
  DWORD number;  // for a REG_DWORD
  friend bool operator==(const StoredEntry&, const StoredEntry&) = default;
};
void PrintTo(const StoredEntry& entry, std::ostream* out);

inline StoredEntry dword(const wchar_t* name, DWORD value) { return {name, REG_DWORD, value}; }
std::vector<StoredEntry> sortedByName(std::vector<StoredEntry> entries);
// Every value under the settings key, by name (the registry does not keep the order of writing).
std::vector<StoredEntry> storedValues();
// The six settings as DWORDs with these values, in the order they are stored.
std::vector<StoredEntry> sixStored(const std::vector<DWORD>& values);
void writeSettingsValue(const wchar_t* name, DWORD type, const void* data, DWORD size);
void writeSettingsText(const wchar_t* name, const std::wstring& text);

// The six settings' value names and check boxes, in the order they are stored.
extern const wchar_t* const settingNames[6];
extern const Lmr::ui::OptionsControlId checkBoxes[6];
inline const std::vector<bool> defaultChecks{false, false, false, false, false, true};

// One run of the program with its options dialog at hand; at the end the program is closed and
// must exit with 0.
class Session {
 public:
  explicit Session(const ScratchFolder& folder) : program_(folder), window_(program_.waitForMainWindow()) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session();

  HWND window() const { return window_; }
  HWND dialog() const { return dialog_; }
  Program& program() { return program_; }

  // Presses the main window's "?" button and waits for the dialog.
  HWND openOptions();
  HWND control(Lmr::ui::OptionsControlId id) const;
  // The check boxes' states, in the order the settings are stored.
  std::vector<bool> checks() const;
  void click(Lmr::ui::OptionsControlId id) const { SendMessageW(control(id), BM_CLICK, 0, 0); }
  // Presses OK and waits until the dialog is hidden.
  bool pressOkButton();
  bool closeWithCloseBox();
  bool waitUntilHidden() const;

 private:
  Program program_;
  HWND window_;
  HWND dialog_ = nullptr;
};

}  // namespace e2e
