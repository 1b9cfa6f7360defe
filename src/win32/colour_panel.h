#pragma once
// A borderless child panel filled with one colour. Buttons placed on it report to the panel's
// parent as if they stood on the parent itself. Its window hears of a change of the system's
// colours from the window it stands in.
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

  // The panel starts in the system's face colour and follows it until it is given a colour.
  void create(HWND parent, const ui::Box& box, int id);
  HWND handle() const { return window_; }
  Argb colour() const { return colour_; }
  void setColour(Argb colour);

  // Called by the panel's procedure (see window_routing.h).
  void attachWindow(HWND window) { window_.attach(window); }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void paintIn(Argb colour);

  RoutedWindow window_;
  Argb colour_ = 0;
  Brush brush_;
  bool inFaceColour_ = true;
};

// A colour as GDI takes it.
inline COLORREF colourRef(Argb colour) { return RGB(redOf(colour), greenOf(colour), blueOf(colour)); }

}  // namespace Lmr::win32
