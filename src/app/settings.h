#pragma once
// The six on/off settings, their stored names and defaults, and the rule that reads them.
#include <array>
#include <string_view>

#include "app/ports/settings_port.h"
#include "ui/options_layout.h"

namespace Lmr {

enum class Setting {
  minimize_tray,
  close_btn_minimizes,
  pick_from_snapshot,
  window_move_pick,
  lines_between_pixels,
  round_hsb,
};

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
