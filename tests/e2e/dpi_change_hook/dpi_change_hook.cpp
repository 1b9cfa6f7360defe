// Loaded by the system into the program's process when the driver hooks its message loop: turns
// the driver's request into WM_DPICHANGED sent from inside the process, the suggested rectangle
// in the process's own memory, as the system delivers it.
#include <windows.h>

#include <cstdint>

extern "C" __declspec(dllexport) LRESULT CALLBACK dpiChangeHook(int code, WPARAM removal, LPARAM message) {
  static const UINT request = RegisterWindowMessageW(L"LumarinE2eDpiChange");
  auto* posted = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE && posted->message == request) {
    const WORD dpi = LOWORD(posted->wParam), width = HIWORD(posted->wParam);
    const int x = static_cast<short>(LOWORD(posted->lParam)), y = static_cast<short>(HIWORD(posted->lParam));
    RECT suggested{x, y, x + width, y + width};
    SendMessageW(posted->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    const auto count = reinterpret_cast<std::uintptr_t>(GetPropW(posted->hwnd, L"LumarinE2eDpiChanges"));
    SetPropW(posted->hwnd, L"LumarinE2eDpiChanges", reinterpret_cast<HANDLE>(count + 1));
    posted->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removal, message);
}
