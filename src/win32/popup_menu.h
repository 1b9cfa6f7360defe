#pragma once
// A popup menu of a window, shown until the user chooses from it or dismisses it.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>

#include "ports/main_window_port.h"

namespace Lmr::win32 {

// The index of the line chosen, none when the menu was dismissed.
std::optional<std::size_t> choiceFromPopupMenu(HWND owner, std::span<const MenuLine> lines, Point32 at);

}  // namespace Lmr::win32
