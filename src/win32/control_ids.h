#pragma once
// Child-window identifiers of the main window's controls.
#include <cstddef>

#include "ui/main_window_layout.h"

namespace Lmr::win32 {

// The arrows of the strength field, a second child window beside the number field.
inline constexpr int upDownArrowsId = 1100;

constexpr std::size_t controlIndex(ui::ControlId id) {
  return static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(ui::ControlId::label1));
}

}  // namespace Lmr::win32
