#pragma once
// What a screen reader asks of a control of the main window: the system's own description of the
// control, with the name, description and (for the controls that show a colour) value taken from
// the program's table of control help.
#include <windows.h>

#include "ports/control_id.h"

namespace Lmr::win32 {

// The answer to WM_GETOBJECT for the control's client area (0 when none can be made).
LRESULT accessibleObjectOf(HWND control, ui::ControlId id, WPARAM wParam);

}  // namespace Lmr::win32
