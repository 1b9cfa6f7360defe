// The main message loop and the keys the main window looks at before its focused control does:
// the program's command keys, then Tab.
#include <algorithm>

#include "pick/command_keys.h"
#include "win32/main_window.h"

namespace Lmr::win32 {

using ui::ControlId;

void MainWindow::runMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (handleCommandKey(message) || moveFocusByTab(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A key pressed in the main window or one of its controls.
bool MainWindow::isOwnKeyPress(const MSG& message) const {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  return message.hwnd == window_ || GetParent(message.hwnd) == window_;
}

// Every key pressed in the window goes to the program's command-key handling first, with the
// modifiers held at that moment; true when it took the key.
bool MainWindow::handleCommandKey(const MSG& message) {
  if (!handlers_ || !isOwnKeyPress(message)) return false;
  const std::int32_t keyData = commandKeyData(static_cast<std::int32_t>(message.wParam), GetKeyState(VK_SHIFT) < 0,
                                              GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0);
  return handlers_->ProcessCmdKey(static_cast<std::uint32_t>(message.message), keyData);
}

// The window has no menu and no accelerators: nothing takes a command key, so it always goes on
// to the focused control.
bool MainWindow::defaultCommandKey(std::int32_t) { return false; }

// Tab and Shift+Tab follow the layout's tab order, which differs from the stacking order that
// Windows' own dialog navigation would follow.
bool MainWindow::moveFocusByTab(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (message.hwnd != window_ && GetParent(message.hwnd) != window_) return false;
  const auto order = ui::tabOrder();
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  const HWND focused = GetFocus();
  auto current = std::find_if(order.begin(), order.end(), [&](ControlId id) { return control(id) == focused; });
  std::size_t next = 0;
  if (current != order.end()) {
    const auto at = static_cast<std::size_t>(current - order.begin());
    next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
  } else if (backwards) {
    next = order.size() - 1;
  }
  HWND target = control(order[next]);
  SetFocus(target);
  if (GetWindowLongPtrW(target, GWL_STYLE) & ES_AUTOHSCROLL) SendMessageW(target, EM_SETSEL, 0, -1);
  return true;
}

}  // namespace Lmr::win32
