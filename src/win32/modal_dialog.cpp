#include "win32/modal_dialog.h"

#include "ui/dialog_units.h"

namespace Lmr::win32 {
namespace {

RECT workAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor.rcWork;
}

ui::Box boxOf(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

bool isPushButton(HWND control) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  const auto type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
  return lstrcmpiW(name, L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

void ModalDialog::attach(HWND window, TabStep nextInTabOrder) {
  window_ = window;
  nextInTabOrder_ = std::move(nextInTabOrder);
}

void ModalDialog::showModal(const std::function<void()>& shown) {
  if (!window_) return;
  if (visible()) {
    focus();
    return;
  }
  // Opened over another dialog (the options from the tray while the history is open), the owner
  // is already disabled and that dialog active: both are left as they were found.
  HWND owner = owner_.handle();
  const HWND activeBefore = GetActiveWindow();
  ownerWasEnabled_ = IsWindowEnabled(owner) != FALSE;
  placeOverOwner();
  EnableWindow(owner, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  restoreFocus();
  if (shown) shown();
  runModalLoop();
  EnableWindow(owner, ownerWasEnabled_);
  const HWND activeAfter = ownerWasEnabled_ ? owner : activeBefore;
  if (IsWindow(activeAfter)) SetActiveWindow(activeAfter);
}

void ModalDialog::close() {
  if (!visible()) return;
  rememberFocus();
  EnableWindow(owner_.handle(), ownerWasEnabled_);
  ShowWindow(window_, SW_HIDE);
}

void ModalDialog::focus() {
  if (!visible()) return;
  SetForegroundWindow(window_);
  restoreFocus();
}

void ModalDialog::activated(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    rememberFocus();
  } else if (!HIWORD(wParam)) {
    restoreFocus();
  }
}

void ModalDialog::placeOverOwner() {
  RECT owner{}, dialog{};
  GetWindowRect(owner_.handle(), &owner);
  GetWindowRect(window_, &dialog);
  const ui::Box box = boxOf(dialog);
  const ui::Point place =
      ui::centredOver(boxOf(owner), {box.width, box.height}, boxOf(workAreaOf(owner_.handle())));
  SetWindowPos(window_, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Runs until the dialog is hidden (or gone with its owner). A quit request ends it early and is
// passed on to the main loop.
void ModalDialog::runModalLoop() {
  MSG message;
  while (IsWindow(window_) && IsWindowVisible(window_)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (got < 0) return;
    if (handleDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool ModalDialog::handleDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  if (message.wParam == VK_TAB) {
    SetFocus(nextInTabOrder_(GetFocus(), GetKeyState(VK_SHIFT) < 0));
    return true;
  }
  HWND focused = GetFocus();
  if (message.wParam == VK_RETURN && focused && isPushButton(focused)) {
    SendMessageW(focused, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

void ModalDialog::rememberFocus() {
  HWND focused = GetFocus();
  if (focused && IsChild(window_, focused)) lastFocused_ = focused;
}

// The control that had the focus last, or the first in the tab order.
void ModalDialog::restoreFocus() { SetFocus(lastFocused_ ? lastFocused_ : nextInTabOrder_(nullptr, false)); }

}  // namespace Lmr::win32
