// Loaded into the program's process by the driver's hook on its message loop. The driver's request
// is carried out there, and what it finds is left in properties of the window that the driver
// reads; each request handled counts in one more property. Requests:
// - a dpi change, as Windows makes it: WM_GETDPISCALEDSIZE first, whose answer (unanswered: the
//   driver's square) is the size of the suggested rectangle WM_DPICHANGED then brings;
// - a reading of what only the process itself can read (Wine hands another process neither its
//   icons nor its fonts): the sizes of the window's icons, the height of its tooltips' font and of
//   a control's font;
// - a system colour set by the process (Wine keeps the colours each process read when it started:
//   one set by another process does not reach it).
#include <windows.h>

namespace {

void setFigure(HWND window, const wchar_t* name, LONG_PTR figure) {
  SetPropW(window, name, reinterpret_cast<HANDLE>(figure));
}

LONG_PTR sizeFigure(LONG width, LONG height) { return MAKELONG(width, height); }

void changeDpi(HWND window, WPARAM request, LPARAM at) {
  const UINT dpi = LOWORD(request), width = HIWORD(request);
  SIZE size{static_cast<LONG>(width), static_cast<LONG>(width)};  // in the program's memory
  const bool answered = SendMessageW(window, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)) != FALSE;
  setFigure(window, L"LumarinE2eScaledSize", answered ? sizeFigure(size.cx, size.cy) : 0);
  if (!answered) size = {static_cast<LONG>(width), static_cast<LONG>(width)};
  const int x = static_cast<short>(LOWORD(at)), y = static_cast<short>(HIWORD(at));
  RECT suggested{x, y, x + size.cx, y + size.cy};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

LONG_PTR iconSize(HWND window, WPARAM which) {
  const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  const LONG height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;  // a mask holds two images
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return sizeFigure(bitmap.bmWidth, height);
}

LONG_PTR fontHeight(HWND window) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW description{};
  return font && GetObjectW(font, sizeof description, &description) ? description.lfHeight : 0;
}

// The tooltip window the program's window owns, or null.
HWND tooltipOf(HWND window) {
  struct Search { HWND owner, found; } search{window, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND candidate, LPARAM searching) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(searching);
        wchar_t name[32] = {};
        GetClassNameW(candidate, name, 32);
        if (GetWindow(candidate, GW_OWNER) == s.owner && lstrcmpiW(name, L"tooltips_class32") == 0) s.found = candidate;
        return s.found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void read(HWND window, WPARAM control) {
  setFigure(window, L"LumarinE2eLargeIcon", iconSize(window, ICON_BIG));
  setFigure(window, L"LumarinE2eSmallIcon", iconSize(window, ICON_SMALL));
  const HWND tooltip = tooltipOf(window);
  setFigure(window, L"LumarinE2eTipFont", tooltip ? fontHeight(tooltip) : 0);
  setFigure(window, L"LumarinE2eControlFont", fontHeight(reinterpret_cast<HWND>(control)));
}

// One of the driver's requests carried out; false for any other message.
bool carryOut(const MSG& posted) {
  static const UINT dpiChange = RegisterWindowMessageW(L"LumarinE2eDpiChange");
  static const UINT reading = RegisterWindowMessageW(L"LumarinE2eReading");
  static const UINT systemColour = RegisterWindowMessageW(L"LumarinE2eSystemColour");
  if (posted.message == dpiChange) {
    changeDpi(posted.hwnd, posted.wParam, posted.lParam);
  } else if (posted.message == reading) {
    read(posted.hwnd, posted.wParam);
  } else if (posted.message == systemColour) {
    const int index = static_cast<int>(posted.wParam);
    const auto colour = static_cast<COLORREF>(posted.lParam);
    SetSysColors(1, &index, &colour);
  } else {
    return false;
  }
  return true;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK dpiChangeHook(int code, WPARAM removal, LPARAM message) {
  auto* posted = reinterpret_cast<MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE && carryOut(*posted)) {
    const auto handled = static_cast<char*>(GetPropW(posted->hwnd, L"LumarinE2eRequests"));
    SetPropW(posted->hwnd, L"LumarinE2eRequests", handled + 1);
    posted->message = WM_NULL;  // the program never sees the request itself
  }
  return CallNextHookEx(nullptr, code, removal, message);
}
