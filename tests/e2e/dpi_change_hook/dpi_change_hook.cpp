// Loaded into the program's process by the driver's hook on its message loop: the driver's request
// becomes WM_DPICHANGED sent there, counted in a property of the window that the driver reads.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK dpiChangeHook(int code, WPARAM removal, LPARAM message) {
  static const UINT request = RegisterWindowMessageW(L"LumarinE2eDpiChange");
  auto* posted = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE && posted->message == request) {
    const int x = static_cast<short>(LOWORD(posted->lParam)), y = static_cast<short>(HIWORD(posted->lParam));
    RECT suggested{x, y, x + HIWORD(posted->wParam), y + HIWORD(posted->wParam)};  // in the program's memory
    SendMessageW(posted->hwnd, WM_DPICHANGED, MAKEWPARAM(LOWORD(posted->wParam), LOWORD(posted->wParam)),
                 reinterpret_cast<LPARAM>(&suggested));
    SetPropW(posted->hwnd, L"LumarinE2eDpiChanges", static_cast<char*>(GetPropW(posted->hwnd, L"LumarinE2eDpiChanges")) + 1);
    posted->message = WM_NULL;  // the program never sees the request itself
  }
  return CallNextHookEx(nullptr, code, removal, message);
}
