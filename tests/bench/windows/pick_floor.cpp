// The floor for pick mode's cost: a bare window whose 32 ms timer does only what every update of
// the magnifier cannot do without, the 200 x 200 screen blit around the pointer into a DIB section
// and the blit of that into the window. Runs until it is closed. With the argument "hook" it also
// runs what a mouse monitor cannot do without: a thread with a low-level mouse hook and a message
// loop, polling the cursor every 32 ms.
#include <windows.h>

namespace {

constexpr int side = 200;

struct Floor {
  HDC screen = nullptr;
  HDC memory = nullptr;
  HDC window = nullptr;
};
Floor floorState;

void tick() {
  POINT pointer{};
  GetCursorPos(&pointer);
  BitBlt(floorState.memory, 0, 0, side, side, floorState.screen, pointer.x - side / 2, pointer.y - side / 2, SRCCOPY);
  GdiFlush();
  BitBlt(floorState.window, 0, 0, side, side, floorState.memory, 0, 0, SRCCOPY);
}

LRESULT CALLBACK mouseHook(int code, WPARAM message, LPARAM event) {
  return CallNextHookEx(nullptr, code, message, event);
}

DWORD WINAPI hookThread(void*) {
  HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, mouseHook, GetModuleHandleW(nullptr), 0);
  for (;;) {
    MsgWaitForMultipleObjectsEx(0, nullptr, 32, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    POINT cursor;
    GetCursorPos(&cursor);
  }
  UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    tick();
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
  SetProcessDPIAware();
  if (arguments && lstrcmpW(arguments, L"hook") == 0) CreateThread(nullptr, 0, &hookThread, nullptr, 0, nullptr);
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = &windowProc;
  type.hInstance = instance;
  type.lpszClassName = L"LumarinPickFloor";
  RegisterClassExW(&type);
  HWND window = CreateWindowExW(0, type.lpszClassName, L"pick floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 300,
                                320, 580, nullptr, nullptr, instance, nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  floorState.screen = GetDC(nullptr);
  floorState.memory = CreateCompatibleDC(nullptr);
  SelectObject(floorState.memory, CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  floorState.window = GetDC(window);
  SetTimer(window, 1, 32, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
