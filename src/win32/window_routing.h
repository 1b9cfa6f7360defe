#pragma once
// Routes a window's messages to the object that made it. The object passes itself as the last
// argument of CreateWindowExW; it is told its handle as soon as the window exists.
#include <windows.h>

namespace Lmr::win32 {

// `Owner` provides attachWindow(HWND) and handleMessage(UINT, WPARAM, LPARAM).
template <class Owner>
LRESULT CALLBACK routeToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->attachWindow(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return owner ? owner->handleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

// Registers a window class with the control-face background whose windows route to `Owner`.
template <class Owner>
void registerRoutedClass(HINSTANCE instance, const wchar_t* className) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &routeToOwner<Owner>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

}  // namespace Lmr::win32
