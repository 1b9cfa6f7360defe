#pragma once
// What the program's two dialogs share: a fixed frame owned by the main window, with its icon,
// laid out in units of the system's message font, shown modally over the main window, its close
// box left to the dialog, and its window ended with the object that made it.
#include <windows.h>

#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/dialog_units.h"
#include "ui/dpi_layout.h"
#include "win32/handles.h"
#include "win32/main_window.h"
#include "win32/modal_dialog.h"
#include "win32/window_icons.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {

class DialogWindow {
 public:
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Called by the window's procedure (see window_routing.h).
  void attachWindow(HWND window) { window_.attach(window); }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  struct Frame {
    const wchar_t* className;
    std::wstring_view title;
    DWORD exStyle;
    ui::Size clientLayout;  // the client area, in layout units
    ui::Size fixedLayout;   // the window's size whatever the client asks for; none when empty
  };

  explicit DialogWindow(const MainWindow& owner) : owner_(owner), modal_(owner) {}
  ~DialogWindow() = default;

  // Makes the hidden window; its controls are the dialog's own. Tab follows `nextInTabOrder`.
  void createFrame(const Frame& frame, ModalDialog::TabStep nextInTabOrder);
  HWND createChild(const wchar_t* className, std::wstring_view text, DWORD style, DWORD exStyle, const ui::Box& box,
                   HWND parent, int id, HFONT font) const;

  // The dialog's own messages; what it does not handle goes to the system.
  virtual LRESULT dialogMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The title bar's close box.
  virtual void closeBox() = 0;

  const MainWindow& owner_;
  RoutedWindow window_;
  Font font_;  // the system's message font, whose cell the layout is scaled by
  ui::Size cell_{};
  ModalDialog modal_;

 private:
  // The dialog on a monitor of another dpi than it was laid out for: every child's box and the
  // client area scaled from the layout as made, never from an earlier scaling, so moving back
  // gives the layout as made; every child's font made again for that dpi; the icons at that dpi's
  // sizes.
  void layOutForDpi(int dpi, std::optional<POINT> topLeft);
  struct Placed {
    HWND child;
    RECT box;  // in its parent's client area, as made
    HFONT madeFont;  // null: the system's own
  };
  void takeMadeLayout();
  void placeChild(const Placed& placed, int dpi, std::map<HFONT, Font>& fonts) const;
  // The window's size at `dpi`, frame included: what a move there gives, and what it is asked.
  ui::Size windowSizeAt(int dpi) const;

  ui::MadeDialog made_{};
  std::vector<Placed> madeLayout_;
  int dpi_ = 0;
  std::map<HFONT, Font> dpiFonts_;  // each made font, at the dpi the dialog is at
  WindowIcons icons_;
};

}  // namespace Lmr::win32
