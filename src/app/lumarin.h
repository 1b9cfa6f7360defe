#pragma once
// The main window's behaviour: start-up, the load step, and the handlers its controls are wired to.
#include <cstdint>

#include "app/platform_ports.h"
#include "colour/argb.h"
#include "pick/pt_type.h"
#include "pick/view_geometry.h"

namespace Lmr {

inline constexpr Argb initialPickColour = 0xFFA31515;


class Lumarin {
 public:
  // Single-instance guard, program directory, controls, required files. When it ends early (a
  // running instance was brought forward, or a file is missing) `startedUp()` is false and the
  // process ends with code 0.
  explicit Lumarin(Platform& platform);
  Lumarin(const Lumarin&) = delete;
  Lumarin& operator=(const Lumarin&) = delete;
  ~Lumarin();

  static Lumarin* getInstance();
  static bool writeMissingEmbededResources(ProcessPort& process, bool silent);

  bool startedUp() const { return startedUp_; }
  // The load step, run once before the window is first shown. False when the program must end.
  bool Lumarin_Load();

  // Paint: once loading has finished, the magnifier panel shows the last view again.
  void paintLastView();

  // Window events.
  void Lumarin_FormClosing() {}
  void Lumarin_Resize() {}
  void Lumarin_Move() {}

  // Control events.
  void btn_pick_MouseUp() {}
  void btn_pick_Click() {}
  void color_current_Click() {}
  void color_previous_Click() {}
  void out_hex_TextChanged() {}
  void out_hex_KeyUp(int /*keyCode*/) {}
  void out_hex_MouseEnter() {}
  void out_rgb_TextChanged() {}
  void out_rgb_KeyUp(int /*keyCode*/) {}
  void out_rgb_MouseEnter() {}
  void out_hsl_MouseEnter() {}
  void pick_zoom_MouseDown(int /*x*/, int /*y*/) {}
  void pick_zoom_MouseMove(int /*x*/, int /*y*/) {}
  void pick_zoom_MouseUp() {}
  void options_btn_Click() {}
  void fisheye_num_updn_ValueChanged(int /*value*/) {}
  void copy_hex_Click() {}
  void copy_rgb_Click() {}
  void copy_hsb_Click() {}

  // Process-wide state of the picking engine and the readouts (one main window per process).
  bool is_picking = false;
  bool panning = false;
  bool bInitialized = false;
  bool pick_from_wnd_created = false;
  pt_type mpt{};
  Argb g_pick_clr = 0;
  Rect32 sourceRect{};
  int dpi_draw_x = 0;

 private:
  bool guardSingleInstance();

  Platform& platform_;
  bool startedUp_ = false;

  static bool instanceCreated;
  static Lumarin* selfInstance;
};

}  // namespace Lmr
