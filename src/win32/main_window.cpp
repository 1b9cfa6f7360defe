#include "win32/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "win32/control_ids.h"
#include "win32/dpi_awareness.h"
#include "win32/fonts.h"
#include "win32/screen_capture.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

using ui::ControlId;
using ui::ControlKind;

constexpr wchar_t panelClass[] = L"LumarinPanel";

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {}

MainWindow::~MainWindow() = default;

void MainWindow::registerClasses(HINSTANCE instance) {
  registerRoutedClass<MainWindow>(instance, mainWindowClassName);

  WNDCLASSEXW panel{};
  panel.cbSize = sizeof panel;
  panel.style = CS_HREDRAW | CS_VREDRAW;
  panel.lpfnWndProc = DefWindowProcW;
  panel.hInstance = instance;
  panel.lpszClassName = panelClass;
  RegisterClassExW(&panel);
}

void MainWindow::buildControls(MainWindowEvents& handlers) {
  handlers_ = &handlers;
  makeFaceBrush();
  for (auto& brush : swatchBrushes_) brush.reset(CreateSolidBrush(RGB(255, 255, 255)));
  registerClasses(instance_);
  createWindow();
  dpi_ = dpiOfWindow(window_);
  makeFonts();
  takeGeometry();
  createControls();
  applyStackingOrder();
  placeWindow(std::nullopt);
  addTooltips();
}

void MainWindow::createWindow() {
  CreateWindowExW(mainWindowExStyle, mainWindowClassName, L"Lumarin", mainWindowStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, 400, 600, nullptr, nullptr, instance_, this);
}

void MainWindow::createControls() {
  for (const auto& spec : ui::mainWindowControls()) {
    const auto index = controlIndex(spec.id);
    controls_[index] = spec.kind == ControlKind::NumericUpDown ? createNumericUpDown(spec, geometry_.boxes[index])
                                                                : createControl(spec);
    routeControlMessages(controls_[index]);
  }
  upDownWired_ = true;  // value changes count from here on, not while the layout is built
}

HWND MainWindow::createControl(const ui::ControlSpec& spec) {
  const ui::Box& box = geometry_.boxes[controlIndex(spec.id)];
  const std::wstring text(spec.text);
  const wchar_t* className = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (spec.kind) {
    case ControlKind::Label: style |= SS_RIGHT | SS_NOPREFIX | SS_NOTIFY; break;  // notify: it takes the mouse for its tooltip
    case ControlKind::TextBox: className = L"EDIT"; style |= WS_TABSTOP | ES_AUTOHSCROLL; break;
    case ControlKind::Button: className = L"BUTTON"; style |= WS_TABSTOP | BS_PUSHBUTTON; break;
    case ControlKind::Panel: className = panelClass; break;
    case ControlKind::NumericUpDown: break;
  }
  if (spec.border) style |= WS_BORDER;
  HWND control = CreateWindowExW(0, className, text.c_str(), style, box.x, box.y, box.width, box.height, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance_, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_.get()), FALSE);
  return control;
}

// A borderless number field with its arrows on the left; together they fill the design box.
HWND MainWindow::createNumericUpDown(const ui::ControlSpec& spec, const ui::Box& box) {
  HWND field = CreateWindowExW(0, L"EDIT", std::wstring(spec.text).c_str(),
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_RIGHT | ES_NUMBER, box.x,
                               box.y, box.width, box.height, window_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance_, nullptr);
  SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(upDownFont_.get()), FALSE);
  // The field is narrow beside its arrows: no inner margins, so two digits fit.
  SendMessageW(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  HWND arrows = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | UDS_ALIGNLEFT | UDS_SETBUDDYINT |
                                    UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(upDownArrowsId)),
                                instance_, nullptr);
  SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
  SendMessageW(arrows, UDM_SETRANGE32, 1, 12);
  SendMessageW(arrows, UDM_SETPOS32, 0, upDownValue_);
  return field;
}

// Windows keeps child windows in one z-order; put them front to back as the layout says.
void MainWindow::applyStackingOrder() {
  HWND previous = HWND_TOP;
  for (const ControlId id : ui::stackingOrder()) {
    HWND control = this->control(id);
    SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control;
    if (id == ControlId::fisheye_num_updn) {
      // Its arrows stand right behind the number field.
      HWND arrows = GetDlgItem(window_, upDownArrowsId);
      SetWindowPos(arrows, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      previous = arrows;
    }
  }
}

HWND MainWindow::control(ControlId id) const { return controls_[controlIndex(id)]; }

void MainWindow::setTitle(std::wstring_view title) { SetWindowTextW(window_, std::wstring(title).c_str()); }

// An icon file that cannot be read leaves the window, dialogs and tray with the system's icon.
void MainWindow::loadIcon(std::wstring_view fileName) { icons_.show(window_, fileName, dpi_); }

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The program's own dispatch sees every message first (paint, timer, tray, menu commands);
  // the controls' notifications are the window's to sort out below.
  if (handlers_ && (message != WM_COMMAND || lParam == 0)) handlers_->WndProc(message, wParam, static_cast<std::intptr_t>(lParam));
  switch (message) {
    case WM_GETMINMAXINFO: {
      if (windowSize_.width == 0) break;
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = limits->ptMaxTrackSize = {windowSize_.width, windowSize_.height};
      return 0;
    }
    case WM_NCHITTEST: {
      // The frame looks resizable but is not: its edges act as a plain border.
      const LRESULT hit = DefWindowProcW(window_, message, wParam, lParam);
      return hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? HTBORDER : hit;
    }
    case WM_COMMAND:
      if (lParam && HIWORD(wParam) == EN_CHANGE) forgetShownText(static_cast<ControlId>(LOWORD(wParam)));
      if (lParam) handleCommand(static_cast<ControlId>(LOWORD(wParam)), HIWORD(wParam));
      break;
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lParam) == control(ControlId::fisheye_num_updn)) {
        auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWFRAME));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(faceBrush_.get());
      }
      break;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) closingByUser_ = true;
      break;
    case WM_CLOSE:
      requestClose();
      return 0;
    case WM_ENDSESSION:
      if (wParam) endSession();
      return 0;
    case WM_MOVE:
      if (handlers_) handlers_->Lumarin_Move();
      break;
    case WM_SIZE:
      if (handlers_) handlers_->Lumarin_Resize();
      break;
    case WM_GETDPISCALEDSIZE:
      return answerScaledSize(wParam, lParam, [this](int dpi) { return windowSizeAt(dpi); });
    case WM_DPICHANGED:
      dpiChanged(wParam, lParam);
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      systemColoursChanged(message, wParam, lParam);
      break;
    case WM_DISPLAYCHANGE:
      screenLayoutChanged();
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::handleCommand(ControlId id, int notification) {
  if (!handlers_) return;
  if (notification == BN_CLICKED) {
    switch (id) {
      case ControlId::btn_pick: handlers_->btn_pick_Click(); return;
      case ControlId::options_btn: handlers_->options_btn_Click(); return;
      case ControlId::copy_hex: handlers_->copy_hex_Click(); return;
      case ControlId::copy_rgb: handlers_->copy_rgb_Click(); return;
      case ControlId::copy_hsb: handlers_->copy_hsb_Click(); return;
      default: return;
    }
  }
  if (notification != EN_CHANGE) return;
  if (id == ControlId::out_hex) handlers_->out_hex_TextChanged();
  if (id == ControlId::out_rgb) handlers_->out_rgb_TextChanged();
  if (id == ControlId::fisheye_num_updn && upDownWired_) {
    BOOL failed = FALSE;
    const auto value = static_cast<int>(SendDlgItemMessageW(window_, upDownArrowsId, UDM_GETPOS32, 0,
                                                           reinterpret_cast<LPARAM>(&failed)));
    if (!failed && value != upDownValue_) {
      upDownValue_ = value;
      handlers_->fisheye_num_updn_ValueChanged(value);
    }
  }
}

}  // namespace Lmr::win32
