#include "win32/dialog_window.h"

#include <string>

#include "win32/fonts.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

// A fixed frame: no minimise or maximise box, not resizable.
constexpr DWORD dialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

DialogWindow::~DialogWindow() {
  if (window_) DestroyWindow(window_);
}

void DialogWindow::createFrame(const Frame& frame, ModalDialog::TabStep nextInTabOrder) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  font_ = systemMessageFont();
  cell_ = fontCellOf(font_.get());
  registerRoutedClass<DialogWindow>(instance, frame.className);  // a second registration changes nothing
  const ui::Size client = ui::scaleToFont(frame.clientLayout, cell_);
  RECT outer{0, 0, client.width, client.height};
  AdjustWindowRectEx(&outer, dialogStyle, FALSE, frame.exStyle);
  ui::Size size{outer.right - outer.left, outer.bottom - outer.top};
  if (frame.fixedLayout.width > 0) size = ui::scaleToFont(frame.fixedLayout, cell_);
  CreateWindowExW(frame.exStyle, frame.className, std::wstring(frame.title).c_str(), dialogStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, size.width, size.height, owner_.handle(), nullptr, instance, this);
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(owner_.icon()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(owner_.icon()));
  modal_.attach(window_, std::move(nextInTabOrder));
}

HWND DialogWindow::createChild(const wchar_t* className, std::wstring_view text, DWORD style, DWORD exStyle,
                               const ui::Box& box, HWND parent, int id, HFONT font) const {
  HWND child = CreateWindowExW(exStyle, className, std::wstring(text).c_str(),
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, box.x, box.y, box.width, box.height,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                               nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

LRESULT DialogWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      modal_.activated(wParam);
      return 0;
    case WM_CLOSE:
      closeBox();
      return 0;
    default:
      return dialogMessage(message, wParam, lParam);
  }
}

}  // namespace Lmr::win32
