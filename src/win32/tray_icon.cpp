#include "win32/tray_icon.h"

#include <string>

#include "app/window_life_rules.h"
#include "win32/handles.h"
#include "win32/window_icons.h"

namespace Lmr::win32 {

// The record in its full current size (956 bytes in 32-bit programs, 976 in 64-bit ones).
bool TrayIcon::addIcon() {
  niData = {};
  niData.cbSize = sizeof niData;
  niData.hWnd = owner_.handle();
  niData.uID = trayIconId;
  niData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  niData.uCallbackMessage = trayCallbackMessage;
  // The notification area stays at the system's dpi on every monitor.
  Icon icon = loadIconFile(owner_.iconFile(), GetSystemMetrics(SM_CXSMICON));
  niData.hIcon = orSystemIcon(icon);
  const bool added = Shell_NotifyIconW(NIM_ADD, &niData) != FALSE;
  icon_ = std::move(icon);  // the one added before goes once the tray has this one
  return added;
}

void TrayIcon::removeIcon() {
  NOTIFYICONDATAW remove{};
  remove.cbSize = sizeof remove;
  remove.hWnd = owner_.handle();
  remove.uID = trayIconId;
  Shell_NotifyIconW(NIM_DELETE, &remove);
}

// The owner comes to the foreground first, or a click elsewhere would not close the menu, and
// the message posted after it lets the menu go away properly (the documented way for tray menus).
// While a dialog holds the main window, the dialog comes to the foreground instead: a disabled
// window cannot take it, and the menu would end at once.
void TrayIcon::openMenu(std::span<const TrayMenuItem> items) {
  POINT cursor{};
  GetCursorPos(&cursor);
  Menu menu(CreatePopupMenu());
  for (const TrayMenuItem& item : items)
    AppendMenuW(menu.get(), MF_STRING, item.command, std::wstring(item.text).c_str());
  HWND owner = owner_.handle();
  SetForegroundWindow(GetLastActivePopup(owner));
  TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

std::uint32_t TrayIcon::trayRestartedMessage() { return RegisterWindowMessageW(L"TaskbarCreated"); }

}  // namespace Lmr::win32
