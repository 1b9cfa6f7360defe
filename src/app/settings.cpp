#include "app/settings.h"

#include <string>

namespace Lmr {

const std::array<SettingSpec, 6> settingSpecs{{
    {Setting::minimize_tray, L"minimize_tray", false, L"Minimize to System Tray"},
    {Setting::close_btn_minimizes, L"close_btn_minimizes", false, L"Close X Minimizes"},
    {Setting::pick_from_snapshot, L"pick_from_snapshot", false, L"Pick from Screenshot (non-interactive mode)"},
    {Setting::window_move_pick, L"window_move_pick", false, L"Pick While Moving Lumarin Window"},
    {Setting::lines_between_pixels, L"lines_between_pixels", false, L"Show lines between pixels"},
    {Setting::round_hsb, L"round_hsb", true, L"Round HSB Values"},
}};

bool settingIsOn(const SettingsRead& read, bool defaultOn) {
  if (!read.value) return defaultOn;
  switch (read.value->kind) {
    case StoredValue::Kind::Number: return read.value->number == 1;
    case StoredValue::Kind::Text: return read.value->text == L"1";
    case StoredValue::Kind::Other: break;
  }
  return false;
}

}  // namespace Lmr
