#include "win32/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "app/lumarin.h"
#include "win32/control_ids.h"
#include "win32/fonts.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

using ui::ControlId;
using ui::ControlKind;

constexpr wchar_t mainWindowClass[] = L"LumarinMainWindow";
constexpr wchar_t panelClass[] = L"LumarinPanel";
constexpr DWORD mainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD mainWindowExStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

int screenDpi() {
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

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

bool pointerOver(HWND control, LPARAM lParam) {
  RECT client;
  GetClientRect(control, &client);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&client, point) != FALSE;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {}

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
}

void MainWindow::registerClasses(HINSTANCE instance) {
  registerRoutedClass<MainWindow>(instance, mainWindowClass);

  WNDCLASSEXW panel{};
  panel.cbSize = sizeof panel;
  panel.style = CS_HREDRAW | CS_VREDRAW;
  panel.lpfnWndProc = DefWindowProcW;
  panel.hInstance = instance;
  panel.lpszClassName = panelClass;
  RegisterClassExW(&panel);
}

void MainWindow::buildControls(Lumarin& handlers) {
  handlers_ = &handlers;
  dpi_ = screenDpi();
  dialogFont_ = systemMessageFont();
  upDownFont_ = pointSizeFont(L"Microsoft Sans Serif", 1125, dpi_);
  faceBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  for (auto& brush : swatchBrushes_) brush.reset(CreateSolidBrush(RGB(255, 255, 255)));
  registerClasses(instance_);
  createWindow();
  createControls();
  applyStackingOrder();
  fitWindowToControls();
}

void MainWindow::createWindow() {
  window_ = CreateWindowExW(mainWindowExStyle, mainWindowClass, L"Lumarin", mainWindowStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 400, 600, nullptr, nullptr, instance_, this);
}

void MainWindow::createControls() {
  for (const auto& spec : ui::mainWindowControls()) {
    const auto index = controlIndex(spec.id);
    boxes_[index] = fittedBox(spec);
    controls_[index] = spec.kind == ControlKind::NumericUpDown ? createNumericUpDown(spec, boxes_[index])
                                                                : createControl(spec);
    SetWindowSubclass(controls_[index], &MainWindow::controlProc, static_cast<UINT_PTR>(spec.id),
                      reinterpret_cast<DWORD_PTR>(this));
  }
  upDownWired_ = true;  // value changes count from here on, not while the layout is built
}

// Design box scaled to the screen; a label's size comes from its text in the dialog font.
ui::Box MainWindow::fittedBox(const ui::ControlSpec& spec) const {
  ui::Box box = ui::scaleToDpi(spec.design, dpi_);
  if (spec.kind != ControlKind::Label) return box;
  WindowDc screen(nullptr);
  SelectedObject font(screen.get(), dialogFont_.get());
  SIZE extent{};
  GetTextExtentPoint32W(screen.get(), spec.text.data(), static_cast<int>(spec.text.size()), &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  box.width = extent.cx;
  box.height = metrics.tmHeight;
  return box;
}

HWND MainWindow::createControl(const ui::ControlSpec& spec) {
  const ui::Box& box = boxes_[controlIndex(spec.id)];
  const std::wstring text(spec.text);
  const wchar_t* className = L"STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (spec.kind) {
    case ControlKind::Label: style |= SS_RIGHT | SS_NOPREFIX; break;
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

// The window encloses every control with its margin and cannot be resized by the user.
void MainWindow::fitWindowToControls() {
  std::array<bool, 17> hasMargin{};
  for (const auto& spec : ui::mainWindowControls())
    hasMargin[controlIndex(spec.id)] = spec.kind != ControlKind::Label;
  const ui::Size client =
      ui::enclosingClientSize(boxes_, hasMargin, ui::scaleToDpi(ui::controlMargin, dpi_));
  RECT frame{0, 0, client.width, client.height};
  AdjustWindowRectEx(&frame, mainWindowStyle, FALSE, mainWindowExStyle);
  const ui::Size minimum = ui::scaleToDpi(ui::minimumWindowSize, dpi_);
  const ui::Size maximum = ui::scaleToDpi(ui::maximumWindowSize, dpi_);
  windowSize_ = {std::clamp<int>(frame.right - frame.left, minimum.width, maximum.width),
                 std::clamp<int>(frame.bottom - frame.top, minimum.height, maximum.height)};
  SetWindowPos(window_, nullptr, 0, 0, windowSize_.width, windowSize_.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND MainWindow::control(ControlId id) const { return controls_[controlIndex(id)]; }

void MainWindow::setTitle(std::wstring_view title) { SetWindowTextW(window_, std::wstring(title).c_str()); }

void MainWindow::loadIcon(std::wstring_view fileName) {
  ownedIcon_.reset(static_cast<HICON>(
      LoadImageW(nullptr, std::wstring(fileName).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
  // An icon file that cannot be read leaves the window, dialogs and tray with the system's icon.
  icon_ = ownedIcon_ ? ownedIcon_.get() : LoadIconW(nullptr, IDI_APPLICATION);
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void MainWindow::setTopmost(bool topmost) {
  SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int MainWindow::pickZoomWidth() { return boxes_[controlIndex(ControlId::pick_zoom)].width; }

void MainWindow::show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

void MainWindow::runMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (moveFocusByTab(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Tab and Shift+Tab follow the layout's tab order, which differs from the stacking order that
// Windows' own dialog navigation would follow.
bool MainWindow::moveFocusByTab(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (message.hwnd != window_ && GetParent(message.hwnd) != window_) return false;
  const auto order = ui::tabOrder();
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  const HWND focused = GetFocus();
  auto current = std::find_if(order.begin(), order.end(), [&](ControlId id) { return control(id) == focused; });
  std::size_t next = 0;
  if (current != order.end()) {
    const auto at = static_cast<std::size_t>(current - order.begin());
    next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
  } else if (backwards) {
    next = order.size() - 1;
  }
  HWND target = control(order[next]);
  SetFocus(target);
  if (GetWindowLongPtrW(target, GWL_STYLE) & ES_AUTOHSCROLL) SendMessageW(target, EM_SETSEL, 0, -1);
  return true;
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
    case WM_PAINT:
      if (handlers_) handlers_->paintLastView();
      break;
    case WM_MOVE:
      if (handlers_) handlers_->Lumarin_Move();
      break;
    case WM_SIZE:
      if (handlers_) handlers_->Lumarin_Resize();
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

LRESULT CALLBACK MainWindow::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR self) {
  return reinterpret_cast<MainWindow*>(self)->handleControlMessage(control, static_cast<ControlId>(subclassId),
                                                                   message, wParam, lParam);
}

LRESULT MainWindow::handleControlMessage(HWND control, ControlId id, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
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
      if (id == ControlId::pick_zoom && handlers_) handlers_->pick_zoom_MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_MOUSELEAVE:
      if (hoveredControl_ == control) hoveredControl_ = nullptr;
      break;
    case WM_KEYUP:
      if (!handlers_) break;
      if (id == ControlId::out_hex) handlers_->out_hex_KeyUp(static_cast<int>(wParam));
      if (id == ControlId::out_rgb) handlers_->out_rgb_KeyUp(static_cast<int>(wParam));
      break;
    default:
      break;
  }
  if (id == ControlId::pick_zoom && handlers_ && isMousePress(message)) {
    SetCapture(control);
    handlers_->pick_zoom_MouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  }
  const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
  if (!handlers_ || !isMouseRelease(message)) return result;
  if (id == ControlId::pick_zoom) {
    ReleaseCapture();
    handlers_->pick_zoom_MouseUp();
  } else if (pointerOver(control, lParam)) {
    if (id == ControlId::btn_pick) handlers_->btn_pick_MouseUp();
    if (id == ControlId::color_current && message == WM_LBUTTONUP) handlers_->color_current_Click();
    if (id == ControlId::color_previous && message == WM_LBUTTONUP) handlers_->color_previous_Click();
  }
  return result;
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

std::size_t MainWindow::swatchIndex(ControlId swatch) { return swatch == ControlId::color_current ? 0 : 1; }

std::wstring MainWindow::text(ControlId field) {
  HWND control = this->control(field);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)), L'\0');
  const int copied = GetWindowTextW(control, text.data(), static_cast<int>(text.size()) + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

// SetWindowText sends its message to the window's own thread and waits, so a caller on another
// thread is served there too.
void MainWindow::setText(ControlId field, std::wstring_view text) {
  // Rewriting a field with the text it already shows changes nothing a user can see, but an edit
  // control redraws on every write, and during pick mode that is most of an update's cost.
  if (this->text(field) == text) return;
  SetWindowTextW(control(field), std::wstring(text).c_str());
}

TextSelection MainWindow::selection(ControlId field) {
  DWORD start = 0, end = 0;
  SendMessageW(control(field), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end > start ? end - start : 0};
}

void MainWindow::select(ControlId field, TextSelection range) {
  SendMessageW(control(field), EM_SETSEL, range.start, static_cast<LPARAM>(range.start + range.length));
}

void MainWindow::focus(ControlId target) { SetFocus(control(target)); }

wchar_t MainWindow::decimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) < 2) return L'.';
  return separator[0];
}

Argb MainWindow::swatchColour(ControlId swatch) { return swatchColours_[swatchIndex(swatch)]; }

void MainWindow::setSwatchColour(ControlId swatch, Argb colour) {
  const std::size_t index = swatchIndex(swatch);
  if (swatchColours_[index] == colour) return;
  swatchColours_[index] = colour;
  swatchBrushes_[index].reset(CreateSolidBrush(RGB(redOf(colour), greenOf(colour), blueOf(colour))));
  InvalidateRect(control(swatch), nullptr, TRUE);
}

Rect32 MainWindow::windowRect() {
  RECT frame{};
  GetWindowRect(window_, &frame);
  return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

void MainWindow::setFishEyeValue(int value) {
  // The field's change notification reports the new value as the user's change would.
  SendDlgItemMessageW(window_, upDownArrowsId, UDM_SETPOS32, 0, value);
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
