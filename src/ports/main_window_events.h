#pragma once
// What the main window reports: its messages, its closing, moving and sizing, the keys it sees
// first, and the events of its controls, each under the handler name it is wired to.
#include <cstdint>

#include "ports/geometry.h"

namespace Lmr {

enum class CloseReason { None, WindowsShutDown, UserClosing, TaskManagerClosing, FormOwnerClosing, ApplicationExitCall };

class MainWindowEvents {
 public:
  // The window's message procedure: every message but the controls' notifications, as numbers.
  virtual void WndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // The magnifier panel needs painting.
  virtual void paintLastView() = 0;
  // True when the close is cancelled (the window is hidden or minimised instead).
  virtual bool Lumarin_FormClosing(CloseReason reason) = 0;
  virtual void Lumarin_Resize() = 0;
  virtual void Lumarin_Move() = 0;
  // The window has been laid out again for the dpi of the monitor it moved to.
  virtual void Lumarin_DpiChanged() = 0;
  // Every key pressed in the window, before its focused control; true when the key is taken.
  virtual bool ProcessCmdKey(std::uint32_t message, std::int32_t keyData) = 0;

  virtual void btn_pick_MouseDown() = 0;
  virtual void btn_pick_MouseUp() = 0;
  virtual void btn_pick_Click() = 0;
  virtual void pick_zoom_MouseDown(int x, int y) = 0;
  virtual void pick_zoom_MouseMove(int x, int y) = 0;
  virtual void pick_zoom_MouseUp() = 0;
  virtual void fisheye_num_updn_ValueChanged(int value) = 0;
  virtual void options_btn_Click() = 0;
  virtual void color_previous_Click() = 0;
  virtual void color_current_Click() = 0;
  virtual void out_hex_TextChanged() = 0;
  virtual void out_rgb_TextChanged() = 0;
  virtual void out_hex_KeyUp(std::int32_t keyCode) = 0;
  virtual void out_rgb_KeyUp(std::int32_t keyCode) = 0;
  virtual void out_hex_MouseEnter() = 0;
  virtual void out_rgb_MouseEnter() = 0;
  virtual void out_hsl_MouseEnter() = 0;
  virtual void copy_hex_Click() = 0;
  virtual void copy_rgb_Click() = 0;
  virtual void copy_hsb_Click() = 0;
  // A context menu asked for over the current colour's swatch or a copy button (a right button
  // released there, the menu key or Shift+F10 on the button), to open at `at` on the screen.
  virtual void copyAsMenuRequested(Point32 at) = 0;

 protected:
  ~MainWindowEvents() = default;
};

}  // namespace Lmr
