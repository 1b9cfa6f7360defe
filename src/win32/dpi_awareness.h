#pragma once
// The system's dpi functions, found at run time: each exists only from some version of Windows
// on, and one binary runs on all of them.
#include <windows.h>

#include <optional>

#include "ports/dpi_awareness_port.h"
#include "ui/dpi_layout.h"

namespace Lmr::win32 {

class DpiAwarenessSetter final : public DpiAwarenessPort {
 public:
  DpiStep setPerMonitorV2() override;
  DpiStep setPerMonitor() override;
  DpiStep setSystemAware() override;
  DpiAwareness current() override;
};

// The dpi of the monitor `window` is on; the system's where that cannot be asked.
int dpiOfWindow(HWND window);
// The dpi the system started the session with (what the tray and the icons are sized for).
int systemDpi();
// What a WM_DPICHANGED asks: the new dpi and the suggested rectangle's corner; none when unusable.
std::optional<ui::DpiMove> dpiMoveOf(WPARAM wParam, LPARAM lParam);
// The outer size of a window with a client area of `client`, its frame drawn for `dpi`.
ui::Size frameAround(ui::Size client, DWORD style, DWORD exStyle, int dpi);

}  // namespace Lmr::win32
