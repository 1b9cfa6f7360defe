#include "win32/popup_menu.h"

#include <string>

#include "win32/handles.h"

namespace Lmr::win32 {

// The menu hands back the command of the line chosen instead of sending it to the window, whose
// commands mean other things; 0 is no choice, so line i has the command i + 1. Either mouse
// button chooses, as in every context menu, and the menu opens on the side the system's
// settings say (right-aligned for right-to-left readers).
std::optional<std::size_t> choiceFromPopupMenu(HWND owner, std::span<const MenuLine> lines, Point32 at) {
  const Menu menu(CreatePopupMenu());
  if (!menu) return std::nullopt;
  for (std::size_t line = 0; line < lines.size(); ++line) {
    const UINT kind = lines[line].text.empty() ? MF_SEPARATOR : MF_STRING;
    AppendMenuW(menu.get(), kind | (lines[line].enabled ? MF_ENABLED : MF_GRAYED), line + 1,
                std::wstring(lines[line].text).c_str());
  }
  const UINT side = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  const BOOL command = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | side, at.x, at.y,
                                      0, owner, nullptr);
  if (command <= 0 || static_cast<std::size_t>(command) > lines.size()) return std::nullopt;
  return static_cast<std::size_t>(command - 1);
}

}  // namespace Lmr::win32
