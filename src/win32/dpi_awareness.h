#pragma once
// The system's dpi functions, found at run time: each exists only from some version of Windows
// on, and one binary runs on all of them.
#include <windows.h>

#include <functional>
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
// What the frame the system draws around `window` adds to its client area at `dpi`.
ui::Size frameOf(HWND window, int dpi);
// A size the system measures (SM_CXICON, ...) as it is at `dpi`.
int systemMetricForDpi(int metric, int dpi);
// Answers WM_GETDPISCALEDSIZE with the size `sizeAt` gives for its dpi: TRUE with the size
// written; FALSE, so that the system scales the window linearly, when the dpi says nothing usable.
LRESULT answerScaledSize(WPARAM wParam, LPARAM lParam, const std::function<ui::Size(int dpi)>& sizeAt);

}  // namespace Lmr::win32
