#pragma once
// A borderless child panel filled with one colour. Buttons placed on it report to the panel's
// parent as if they stood on the parent itself.
#include <windows.h>

#include "ports/argb.h"
#include "ui/main_window_layout.h"
#include "win32/handles.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {

class ColourPanel {
 public:
  ColourPanel() = default;
  ColourPanel(const ColourPanel&) = delete;
  ColourPanel& operator=(const ColourPanel&) = delete;

  void create(HWND parent, const ui::Box& box, int id, Argb colour);
  HWND handle() const { return window_; }
  Argb colour() const { return colour_; }
  void setColour(Argb colour);

  // Called by the panel's procedure (see window_routing.h).
  void attachWindow(HWND window) { window_.attach(window); }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  RoutedWindow window_;
  Argb colour_ = 0;
  Brush brush_;
};

// A colour as GDI takes it.
inline COLORREF colourRef(Argb colour) { return RGB(redOf(colour), greenOf(colour), blueOf(colour)); }
// The system's control-face colour, opaque.
Argb faceColour();

}  // namespace Lmr::win32
