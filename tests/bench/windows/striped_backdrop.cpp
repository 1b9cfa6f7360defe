#include "striped_backdrop.h"

namespace bench {
namespace {

LRESULT CALLBACK backdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const bool striped = GetWindowLongPtrW(window, GWLP_USERDATA) != 0;
  for (int x = 0; x < 500; x += 10) {
    HBRUSH brush = CreateSolidBrush(striped ? RGB(x / 2, 255 - x / 2, (x * 7) & 0xFF) : RGB(128, 128, 128));
    RECT stripe{x, 0, x + 10, 400};
    FillRect(dc, &stripe, brush);
    DeleteObject(brush);
  }
  EndPaint(window, &paint);
  return 0;
}

}  // namespace

StripedBackdrop::StripedBackdrop() {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = &backdropProc;
  type.hInstance = GetModuleHandleW(nullptr);
  type.lpszClassName = L"LumarinBenchBackdrop";
  RegisterClassExW(&type);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, type.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                            500, 400, nullptr, nullptr, type.hInstance, nullptr);
}

void StripedBackdrop::stripe(bool striped) {
  SetWindowLongPtrW(window_, GWLP_USERDATA, striped);
  InvalidateRect(window_, nullptr, TRUE);
  UpdateWindow(window_);
}

}  // namespace bench
