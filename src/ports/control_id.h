#pragma once
// The main window's controls by name. The identifiers double as the Windows child-window
// identifiers, so the test driver can find each control of a running window by them.
namespace Lmr::ui {

enum class ControlId : int {
  label1 = 1001, out_hex, copy_hex,
  label2, out_rgb, copy_rgb,
  label3, out_hsl, copy_hsb,
  pick_zoom, color_current, color_previous, pick_ver_bg_line,
  fisheye_num_updn, btn_pick, pick_hz_bg_line, options_btn,
};

}  // namespace Lmr::ui
