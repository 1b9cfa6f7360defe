#pragma once
// The exports of LumarinMouse.dll, as the program looks them up by name.
#include "ports/pt_type.h"

extern "C" {
// Starts filling `record` with the pointer position, wheel steps and clicks. Called while running,
// it restarts on the new record: the previous record is not written after it returns.
// Until End, a click's press and release and the wheel steps over a window of another process
// are kept from that window; a release whose press was kept is kept even after End.
// Returns 1 on success, 0 if `record` is null (nothing changes then) or the monitor cannot start.
int __stdcall Begin_Monitor_Mouse_Position(pt_type* record);
// Stops the monitor; once it returns the record is no longer written. Harmless when not running.
int __stdcall End_Monitor_Mouse_Position();
// The record last given to Begin_Monitor_Mouse_Position, or null.
pt_type* __stdcall Get_Mouse_Position();
}

namespace Lmr {
using BeginMonitorMousePositionFn = int(__stdcall*)(pt_type*);
using EndMonitorMousePositionFn = int(__stdcall*)();
using GetMousePositionFn = pt_type*(__stdcall*)();
}  // namespace Lmr
