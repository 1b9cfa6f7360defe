#include "pattern_window.h"

#include <algorithm>

#include "harness.h"

namespace e2e {

PatternWindow::PatternWindow() : pixels_(std::size_t(patternSide) * patternSide) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = &PatternWindow::windowProc;
  type.hInstance = GetModuleHandleW(nullptr);
  type.lpszClassName = L"LumarinE2EPattern";
  RegisterClassExW(&type);
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, type.lpszClassName, L"pattern",
                            WS_POPUP, 0, 0, patternSide, patternSide, nullptr, nullptr, type.hInstance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PatternWindow::~PatternWindow() { DestroyWindow(window_); }

void PatternWindow::fill(std::uint32_t variant) {
  for (int y = 0; y < patternSide; ++y)
    for (int x = 0; x < patternSide; ++x) pixels_[std::size_t(y) * patternSide + x] = patternAt(x, y, variant);
}

void PatternWindow::repaint(std::uint32_t variant) {
  fill(variant);
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

bool PatternWindow::show(std::uint32_t variant, int left, int top) {
  fill(variant);
  SetWindowPos(window_, HWND_TOPMOST, left, top, patternSide, patternSide, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
  return pollUntil([&] { return onScreenAt(left, top); }, 5s);
}

bool PatternWindow::onScreenAt(int left, int top) const {
  const auto shown = screenPixels({left, top, left + patternSide, top + patternSide});
  return std::equal(shown.begin(), shown.end(), pixels_.begin());
}

void PatternWindow::paint() const {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), patternSide, -patternSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  SetDIBitsToDevice(dc, 0, 0, patternSide, patternSide, 0, 0, 0, patternSide, pixels_.data(), &info, DIB_RGB_COLORS);
  EndPaint(window_, &paint);
}

LRESULT CALLBACK PatternWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PatternWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_PAINT && self) {
    self->paint();
    return 0;
  }
  if (self) self->count(message);
  return DefWindowProcW(window, message, wParam, lParam);
}

void PatternWindow::count(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      ++heard_.presses;
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      ++heard_.releases;
      break;
    case WM_MOUSEWHEEL:
      ++heard_.wheelTurns;
      break;
    default:
      break;
  }
}

std::ostream& operator<<(std::ostream& out, const MouseMessages& heard) {
  return out << heard.presses << " presses, " << heard.releases << " releases, " << heard.wheelTurns << " wheel turns";
}

}  // namespace e2e
