#pragma once
// Every window of the program reaches the object that made it the same way: the object passes
// itself as the last argument of CreateWindowExW, its pointer is stored with the window when the
// window is created (WM_NCCREATE) and cleared with the window's last message (WM_NCDESTROY). From
// then on the window reaches nobody, and its object holds no handle to it.
#include <windows.h>

#include <utility>

namespace Lmr::win32 {

// The window an object made and routes to itself, used as the window's handle. Routing sets it when
// the window is created and clears it with the window's last message. When the object ends first,
// its window ends with it, and is let go of before it is destroyed: the messages of its destruction
// (activation, focus, WM_DESTROY, and the same for its children) then reach only the system, never
// a part of an object that has already ended, whatever order the object's parts end in. Every
// object of the program that has a window holds it this way.
class RoutedWindow {
 public:
  RoutedWindow() = default;
  RoutedWindow(const RoutedWindow&) = delete;
  RoutedWindow& operator=(const RoutedWindow&) = delete;
  ~RoutedWindow() { destroy(); }

  operator HWND() const { return window_; }  // NOLINT(google-explicit-constructor): it is the handle
  // Called by the routing only: the window has been made, or has gone.
  void attach(HWND window) { window_ = window; }
  void destroy() {
    const HWND window = std::exchange(window_, nullptr);
    if (!window) return;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }

 private:
  HWND window_ = nullptr;
};

// `Owner` provides attachWindow(HWND) and the message handler `handle`.
template <class Owner, LRESULT (Owner::*handle)(UINT, WPARAM, LPARAM) = &Owner::handleMessage>
LRESULT CALLBACK routeToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->attachWindow(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!owner) return DefWindowProcW(window, message, wParam, lParam);
  if (message != WM_NCDESTROY) return (owner->*handle)(message, wParam, lParam);
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  owner->attachWindow(nullptr);
  return DefWindowProcW(window, message, wParam, lParam);
}

// The object behind a window made with routeToOwner<Owner>, or null once the window has gone.
template <class Owner>
Owner* ownerOf(HWND window) {
  return window ? reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

// How a class's windows look before they paint: the control face and the arrow unless told.
struct ClassLook {
  UINT style = 0;
  const wchar_t* cursor = IDC_ARROW;
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
};

// Registers a window class whose windows route to `Owner`; a second registration changes nothing.
template <class Owner, LRESULT (Owner::*handle)(UINT, WPARAM, LPARAM) = &Owner::handleMessage>
void registerRoutedClass(HINSTANCE instance, const wchar_t* className, const ClassLook& look = {}) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = look.style;
  windowClass.lpfnWndProc = &routeToOwner<Owner, handle>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, look.cursor);
  windowClass.hbrBackground = look.background;
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

}  // namespace Lmr::win32
