#include "app/settings.h"

#include <stdexcept>
#include <string>

namespace Lmr {

namespace {
using CheckBox = ui::OptionsControlId;
}  // namespace

const std::array<SettingSpec, 6> settingSpecs{{
    {Setting::minimize_tray, L"minimize_tray", false, CheckBox::minimize_tray},
    {Setting::close_btn_minimizes, L"close_btn_minimizes", false, CheckBox::close_btn_minimizes},
    {Setting::pick_from_snapshot, L"pick_from_snapshot", false, CheckBox::pick_from_snapshot},
    {Setting::window_move_pick, L"window_move_pick", false, CheckBox::window_move_pick},
    {Setting::lines_between_pixels, L"lines_between_pixels", false, CheckBox::lines_between_pixels},
    {Setting::round_hsb, L"round_hsb", true, CheckBox::round_hsb},
}};

const SettingSpec& settingSpec(Setting setting) {
  for (const auto& spec : settingSpecs)
    if (spec.setting == setting) return spec;
  throw std::out_of_range("unknown setting");
}

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
