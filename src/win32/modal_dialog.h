#pragma once
// What the program's dialogs have in common: shown modally over the main window, which takes no
// input meanwhile; Tab and Shift+Tab along the dialog's own order; Enter pressing a push button
// only when it has the focus, and Escape doing nothing; the focus kept from one showing to the
// next.
#include <windows.h>

#include <functional>

#include "win32/main_window.h"

namespace Lmr::win32 {

class ModalDialog {
 public:
  // The control Tab moves to from the focused one (any control, or none), forwards or backwards.
  using TabStep = std::function<HWND(HWND focused, bool backwards)>;

  explicit ModalDialog(const MainWindow& owner) : owner_(owner) {}

  void attach(HWND window, TabStep nextInTabOrder);
  bool visible() const { return window_ && IsWindowVisible(window_); }
  // Centred over the owner, shown and served until hidden again; `shown` runs once the dialog is
  // on screen. A dialog already open is only focused.
  void showModal(const std::function<void()>& shown = {});
  // The owner is enabled again (unless it was disabled when the dialog opened) before the dialog
  // goes, so Windows hands the activation back to it.
  void close();
  void focus();
  // The dialog's WM_ACTIVATE: the focus leaves with it and comes back with it.
  void activated(WPARAM wParam);

 private:
  void runModalLoop();
  bool handleDialogKey(const MSG& message);
  void placeOverOwner();
  void rememberFocus();
  void restoreFocus();

  const MainWindow& owner_;
  HWND window_ = nullptr;
  TabStep nextInTabOrder_;
  HWND lastFocused_ = nullptr;
  bool ownerWasEnabled_ = true;
};

}  // namespace Lmr::win32
