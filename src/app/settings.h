#pragma once
// The six on/off settings, their stored names and defaults, and the rule that reads them.
#include <array>
#include <string_view>

#include "ports/setting.h"
#include "ports/settings_port.h"
#include "ui/options_layout.h"

namespace Lmr {

struct SettingSpec {
  Setting setting;
  std::wstring_view valueName;
  bool defaultOn;
  ui::OptionsControlId checkBox;  // the options dialog's box that shows and edits it
};

// In the order they are loaded and stored.
extern const std::array<SettingSpec, 6> settingSpecs;

const SettingSpec& settingSpec(Setting setting);

// A stored value is on when its text form is exactly "1"; an absent one takes the default.
bool settingIsOn(const SettingsRead& read, bool defaultOn);

}  // namespace Lmr
