#include "win32/control_tips.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

namespace Lmr::win32 {

void ControlTips::create(HWND owner, int maxWidth) {
  owner_ = owner;
  // Always tip: the window need not be the active one for a user to wonder what a button does.
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  setMaxWidth(maxWidth);
}

void ControlTips::setMaxWidth(int maxWidth) { SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, maxWidth); }

void ControlTips::setFont(HFONT font) { SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE); }

// The controls' messages are handed over by their window procedure, not through a subclass the
// tooltip installs: under Wine each message through the common controls' subclass list costs
// server round trips, and the readout fields take dozens per update.
void ControlTips::add(HWND control, std::wstring_view text) {
  std::wstring copy(text);  // the tooltip keeps a copy of its own
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = copy.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ControlTips::relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!active_ || !tooltip_) return;
  const DWORD at = GetMessagePos();
  MSG relayed{control, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {GET_X_LPARAM(at), GET_Y_LPARAM(at)}};
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void ControlTips::setActive(bool on) {
  active_ = on;
  SendMessageW(tooltip_, TTM_ACTIVATE, on, 0);
}

}  // namespace Lmr::win32
