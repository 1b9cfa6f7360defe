#include "win32/dpi_awareness.h"

#include "win32/system_library.h"

namespace Lmr::win32 {
namespace {

template <class Function>
Function user32Function(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// shcore holds the per-monitor awareness of Windows 8.1 up to 1607.
template <class Function>
Function shcoreFunction(const char* name) {
  return systemFunction<Function>(L"shcore.dll", name);
}

// The handles and values of the newer headers, spelt out so that older ones build too.
const auto perMonitorV2Context = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4));
constexpr int processPerMonitorDpiAware = 2;
constexpr HRESULT accessDenied = static_cast<HRESULT>(0x80070005L);

using SetContextFn = BOOL(WINAPI*)(HANDLE);
using SetAwarenessFn = HRESULT(WINAPI*)(int);
using GetAwarenessFn = HRESULT(WINAPI*)(HANDLE, int*);
using DpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using WindowContextFn = HANDLE(WINAPI*)(HWND);
using ContextsEqualFn = BOOL(WINAPI*)(HANDLE, HANDLE);
using MetricForDpiFn = int(WINAPI*)(int, UINT);

// The system draws the frame of a per-monitor v2 window for the dpi of its monitor; the frames of
// other windows stay at the system's dpi wherever they stand (per-monitor v1 windows, which is
// how Wine runs every window).
bool systemScalesFrameOf(HWND window) {
  static const auto contextOf = user32Function<WindowContextFn>("GetWindowDpiAwarenessContext");
  static const auto equal = user32Function<ContextsEqualFn>("AreDpiAwarenessContextsEqual");
  return contextOf && equal && equal(contextOf(window), perMonitorV2Context);
}

}  // namespace

// Wine 8 refuses the version-2 context with ERROR_INVALID_PARAMETER; an awareness set by the
// manifest refuses any change with ERROR_ACCESS_DENIED.
DpiStep DpiAwarenessSetter::setPerMonitorV2() {
  const auto set = user32Function<SetContextFn>("SetProcessDpiAwarenessContext");
  if (!set) return DpiStep::Refused;
  if (set(perMonitorV2Context)) return DpiStep::Taken;
  return GetLastError() == ERROR_ACCESS_DENIED ? DpiStep::AlreadySet : DpiStep::Refused;
}

DpiStep DpiAwarenessSetter::setPerMonitor() {
  const auto set = shcoreFunction<SetAwarenessFn>("SetProcessDpiAwareness");
  if (!set) return DpiStep::Refused;
  const HRESULT result = set(processPerMonitorDpiAware);
  if (SUCCEEDED(result)) return DpiStep::Taken;
  return result == accessDenied ? DpiStep::AlreadySet : DpiStep::Refused;
}

DpiStep DpiAwarenessSetter::setSystemAware() { return SetProcessDPIAware() ? DpiStep::Taken : DpiStep::Refused; }

DpiAwareness DpiAwarenessSetter::current() {
  const auto get = shcoreFunction<GetAwarenessFn>("GetProcessDpiAwareness");
  int awareness = 0;
  if (get && SUCCEEDED(get(nullptr, &awareness)))
    return awareness >= processPerMonitorDpiAware ? DpiAwareness::PerMonitor
                                                  : awareness == 1 ? DpiAwareness::System : DpiAwareness::Unaware;
  return IsProcessDPIAware() ? DpiAwareness::System : DpiAwareness::Unaware;
}

int systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int dpiOfWindow(HWND window) {
  static const auto dpiForWindow = user32Function<DpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = dpiForWindow && window ? dpiForWindow(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : systemDpi();
}

std::optional<ui::DpiMove> dpiMoveOf(WPARAM wParam, LPARAM lParam) {
  const auto* suggested = reinterpret_cast<const RECT*>(lParam);
  if (!suggested) return std::nullopt;
  return ui::dpiMoveFrom(LOWORD(wParam), {suggested->left, suggested->top, suggested->right - suggested->left,
                                          suggested->bottom - suggested->top});
}

ui::Size frameOf(HWND window, int dpi) {
  static const auto adjustForDpi = user32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  const int frameDpi = systemScalesFrameOf(window) ? dpi : systemDpi();
  RECT frame{};
  if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(frameDpi)))
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

int systemMetricForDpi(int metric, int dpi) {
  static const auto metricForDpi = user32Function<MetricForDpiFn>("GetSystemMetricsForDpi");
  const int measured = metricForDpi ? metricForDpi(metric, static_cast<UINT>(dpi)) : 0;
  return measured > 0 ? measured : MulDiv(GetSystemMetrics(metric), dpi, systemDpi());
}

LRESULT answerScaledSize(WPARAM wParam, LPARAM lParam, const std::function<ui::Size(int dpi)>& sizeAt) {
  auto* size = reinterpret_cast<SIZE*>(lParam);
  const std::optional<int> dpi = ui::usableDpi(static_cast<long long>(wParam));
  if (!size || !dpi) return FALSE;
  const ui::Size scaled = sizeAt(*dpi);
  *size = {scaled.width, scaled.height};
  return TRUE;
}

}  // namespace Lmr::win32
