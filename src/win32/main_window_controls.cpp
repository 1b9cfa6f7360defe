// The main window's controls: each control's messages pass through the window first, which
// forwards the events the program's handlers are wired to and paints the panels.
#include <windowsx.h>

#include "win32/accessible_control.h"
#include "win32/control_ids.h"
#include "win32/main_window.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

using ui::ControlId;
using ui::ControlKind;

LPCWSTR cursorFor(ui::PointerShape shape) {
  switch (shape) {
    case ui::PointerShape::SizeAll: return IDC_SIZEALL;
    case ui::PointerShape::Hand: return IDC_HAND;
    case ui::PointerShape::Cross: return IDC_CROSS;
    case ui::PointerShape::Arrow: break;
  }
  return IDC_ARROW;
}

bool isMouseRelease(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}
bool isMousePress(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

// The controls that show or copy the current colour offer it in other forms.
bool offersCopyAs(ControlId id) {
  return id == ControlId::color_current || id == ControlId::copy_hex || id == ControlId::copy_rgb ||
         id == ControlId::copy_hsb;
}

bool pointerOver(HWND control, LPARAM lParam) {
  RECT client;
  GetClientRect(control, &client);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&client, point) != FALSE;
}

}  // namespace

// The window's procedure goes in front of the control's own, which the control keeps with itself.
// Not through the common controls' subclass list: under Wine every message through it costs
// server round trips (about 0.25 ms a message on these machines), and a readout refresh sends
// dozens.
void MainWindow::routeControlMessages(HWND control) {
  const auto own = SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::controlProc));
  SetWindowLongPtrW(control, GWLP_USERDATA, own);
}

// A control reaches the window's object through its parent, as every window of the program does;
// once the parent has gone, only the control's own procedure runs.
LRESULT CALLBACK MainWindow::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* self = ownerOf<MainWindow>(GetParent(control));
  if (!self) return callControlProc(control, message, wParam, lParam);
  return self->handleControlMessage(control, static_cast<ControlId>(GetDlgCtrlID(control)), message, wParam,
                                    lParam);
}

LRESULT MainWindow::callControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
  return CallWindowProcW(own, control, message, wParam, lParam);
}

LRESULT MainWindow::handleControlMessage(HWND control, ControlId id, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) tips_.relay(control, message, wParam, lParam);
  switch (message) {
    case WM_GETOBJECT:
      if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT object = accessibleObjectOf(control, id, wParam)) return object;
      }
      break;
    case WM_SETCURSOR:
      if (setPointerShape(id)) return TRUE;
      break;
    case WM_ERASEBKGND:
      if (ui::controlSpec(id).kind == ControlKind::Panel) {
        eraseBackground(control, id, reinterpret_cast<HDC>(wParam));
        return TRUE;
      }
      break;
    case WM_PAINT:
      if (ui::controlSpec(id).kind == ControlKind::Panel) return paintPanel(control, id);
      break;
    case WM_MOUSEMOVE:
      forwardMouseEnter(control, id);
      if (id == ControlId::pick_zoom && handlers_)
        handlers_->pick_zoom_MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_MOUSELEAVE:
      if (hoveredControl_ == control) hoveredControl_ = nullptr;
      break;
    case WM_CONTEXTMENU:
      if (!offersCopyAs(id)) break;
      forwardCopyAsMenu(control, lParam);
      return 0;
    case WM_KEYUP:
      if (!handlers_) break;
      if (id == ControlId::out_hex) handlers_->out_hex_KeyUp(static_cast<int>(wParam));
      if (id == ControlId::out_rgb) handlers_->out_rgb_KeyUp(static_cast<int>(wParam));
      break;
    default:
      break;
  }
  if (isMousePress(message)) {
    if (id == ControlId::pick_zoom) SetCapture(control);
    forwardMousePress(id, lParam);
  }
  const LRESULT result = callControlProc(control, message, wParam, lParam);
  if (isMouseRelease(message)) forwardMouseRelease(control, id, message, lParam);
  return result;
}

void MainWindow::forwardMousePress(ControlId id, LPARAM lParam) {
  if (!handlers_) return;
  if (id == ControlId::pick_zoom) handlers_->pick_zoom_MouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  if (id == ControlId::btn_pick) handlers_->btn_pick_MouseDown();
}

// A button release counts over the control it was pressed on; the magnifier's drag ends wherever
// the button comes up.
void MainWindow::forwardMouseRelease(HWND control, ControlId id, UINT message, LPARAM lParam) {
  if (!handlers_) return;
  if (id == ControlId::pick_zoom) {
    ReleaseCapture();
    handlers_->pick_zoom_MouseUp();
    return;
  }
  if (!pointerOver(control, lParam)) return;
  if (id == ControlId::btn_pick) handlers_->btn_pick_MouseUp();
  if (id == ControlId::color_current && message == WM_LBUTTONUP) handlers_->color_current_Click();
  if (id == ControlId::color_previous && message == WM_LBUTTONUP) handlers_->color_previous_Click();
}

// A right button released over the control asks with the pointer's place; the menu key or
// Shift+F10 asks with none, and the menu opens below the control.
void MainWindow::forwardCopyAsMenu(HWND control, LPARAM lParam) {
  if (!handlers_) return;
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (lParam == -1) {
    RECT box;
    GetWindowRect(control, &box);
    at = {box.left, box.bottom};
  }
  handlers_->copyAsMenuRequested({at.x, at.y});
}

// The text fields act when the pointer enters them, without a click.
void MainWindow::forwardMouseEnter(HWND control, ControlId id) {
  if (hoveredControl_ == control || ui::controlSpec(id).kind != ControlKind::TextBox) return;
  hoveredControl_ = control;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
  TrackMouseEvent(&track);
  if (!handlers_) return;
  if (id == ControlId::out_hex) handlers_->out_hex_MouseEnter();
  if (id == ControlId::out_rgb) handlers_->out_rgb_MouseEnter();
  if (id == ControlId::out_hsl) handlers_->out_hsl_MouseEnter();
}

bool MainWindow::setPointerShape(ControlId id) {
  const auto shape = ui::controlSpec(id).pointer;
  if (shape == ui::PointerShape::Arrow) return false;
  SetCursor(LoadCursorW(nullptr, cursorFor(shape)));
  return true;
}

void MainWindow::eraseBackground(HWND control, ControlId id, HDC dc) {
  RECT client;
  GetClientRect(control, &client);
  const bool swatch = id == ControlId::color_current || id == ControlId::color_previous;
  FillRect(dc, &client, swatch ? swatchBrushes_[swatchIndex(id)].get() : GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT MainWindow::paintPanel(HWND panel, ControlId id) {
  PAINTSTRUCT paint;
  BeginPaint(panel, &paint);
  EndPaint(panel, &paint);
  // The magnifier shows its last view again whenever it is repainted.
  if (id == ControlId::pick_zoom && handlers_) handlers_->paintLastView();
  return 0;
}

}  // namespace Lmr::win32
