#include "win32/dialog_window.h"

#include <string>

#include "win32/dpi_awareness.h"
#include "win32/fonts.h"
#include "win32/system_colours.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

// A fixed frame: no minimise or maximise box, not resizable.
constexpr DWORD dialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

void DialogWindow::createFrame(const Frame& frame, ModalDialog::TabStep nextInTabOrder) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  dpi_ = systemDpi();
  font_ = systemMessageFont();
  cell_ = fontCellOf(font_.get());
  registerRoutedClass<DialogWindow>(instance, frame.className);  // a second registration changes nothing
  const ui::Size client = ui::scaleToFont(frame.clientLayout, cell_);
  RECT outer{0, 0, client.width, client.height};
  AdjustWindowRectEx(&outer, dialogStyle, FALSE, frame.exStyle);
  const bool fixed = frame.fixedLayout.width > 0;
  const ui::Size size = fixed ? ui::scaleToFont(frame.fixedLayout, cell_)
                              : ui::Size{outer.right - outer.left, outer.bottom - outer.top};
  CreateWindowExW(frame.exStyle, frame.className, std::wstring(frame.title).c_str(), dialogStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, size.width, size.height, owner_.handle(), nullptr, instance, this);
  RECT made{};
  GetClientRect(window_, &made);
  made_ = {{made.right, made.bottom}, size, fixed, dpi_};
  icons_.show(window_, owner_.iconFile(), dpi_);
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
    case WM_SHOWWINDOW:  // opening on a monitor of another dpi
      if (wParam) layOutForDpi(ui::usableDpi(dpiOfWindow(window_)).value_or(dpi_), std::nullopt);
      return dialogMessage(message, wParam, lParam);
    case WM_GETDPISCALEDSIZE:
      return answerScaledSize(wParam, lParam, [this](int dpi) { return windowSizeAt(dpi); });
    case WM_DPICHANGED:
      if (const auto move = dpiMoveOf(wParam, lParam)) layOutForDpi(move->dpi, POINT{move->topLeft.x, move->topLeft.y});
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      spreadColourChange(window_, message, wParam, lParam);
      return dialogMessage(message, wParam, lParam);
    default:
      return dialogMessage(message, wParam, lParam);
  }
}

ui::Size DialogWindow::windowSizeAt(int dpi) const { return ui::dialogWindowSize(made_, dpi, frameOf(window_, dpi)); }

void DialogWindow::layOutForDpi(int dpi, std::optional<POINT> topLeft) {
  if (dpi == dpi_ && !topLeft) return;
  if (madeLayout_.empty()) takeMadeLayout();
  RECT now{};
  GetWindowRect(window_, &now);
  dpi_ = dpi;
  std::map<HFONT, Font> fonts;  // the old ones go only once no child uses them
  for (const Placed& placed : madeLayout_) placeChild(placed, dpi, fonts);
  dpiFonts_.swap(fonts);
  icons_.followDpi(window_, dpi);
  const POINT at = topLeft.value_or(POINT{now.left, now.top});
  const ui::Size size = windowSizeAt(dpi);
  SetWindowPos(window_, nullptr, at.x, at.y, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::takeMadeLayout() {
  EnumChildWindows(
      window_,
      [](HWND child, LPARAM self) {
        auto& dialog = *reinterpret_cast<DialogWindow*>(self);
        RECT box{};
        GetWindowRect(child, &box);
        MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
        dialog.madeLayout_.push_back({child, box, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0))});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
}

// Each made font is made once for `dpi`, into `fonts`.
void DialogWindow::placeChild(const Placed& placed, int dpi, std::map<HFONT, Font>& fonts) const {
  const auto scaled = [&](LONG figure) { return ui::scaleBetweenDpis(figure, dpi, made_.dpi); };
  const RECT& box = placed.box;
  SetWindowPos(placed.child, nullptr, scaled(box.left), scaled(box.top), scaled(box.right) - scaled(box.left),
               scaled(box.bottom) - scaled(box.top), SWP_NOZORDER | SWP_NOACTIVATE);
  if (!placed.madeFont) return;
  HFONT font = placed.madeFont;
  if (dpi != made_.dpi) {
    Font& atDpi = fonts[placed.madeFont];
    if (!atDpi)
      atDpi = placed.madeFont == font_.get() ? systemMessageFont(dpi) : fontScaledFrom(placed.madeFont, dpi, made_.dpi);
    font = atDpi.get();
  }
  SendMessageW(placed.child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace Lmr::win32
