#pragma once
// The six on/off settings, and the settings as the user has them at this moment.
namespace Lmr {

enum class Setting {
  minimize_tray,
  close_btn_minimizes,
  pick_from_snapshot,
  window_move_pick,
  lines_between_pixels,
  round_hsb,
};

// Settings are never cached: whoever needs one asks at that moment.
class LiveSettings {
 public:
  virtual bool isOn(Setting setting) const = 0;

 protected:
  ~LiveSettings() = default;
};

}  // namespace Lmr
