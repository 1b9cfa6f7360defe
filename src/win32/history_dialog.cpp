#include "win32/history_dialog.h"

#include <algorithm>
#include <string>

#include "win32/fonts.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

using ui::HistoryControlId;
using ui::HistoryControlKind;

constexpr wchar_t historyWindowClass[] = L"LumarinHistory";
// A fixed frame: no minimise or maximise box, not resizable.
constexpr DWORD historyStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD historyExStyle = WS_EX_CONTROLPARENT;

int idOf(HistoryControlId id) { return static_cast<int>(id); }

}  // namespace

HistoryDialog::~HistoryDialog() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

void HistoryDialog::build(HistoryDialogEvents& handlers) {
  handlers_ = &handlers;
  font_ = systemMessageFont();
  cell_ = fontCellOf(font_.get());
  registerRoutedClass<HistoryDialog>(GetModuleHandleW(nullptr), historyWindowClass);
  createWindow();
  createControls();
  applyStackingOrder();
  modal_.attach(window_, [this](HWND focused, bool backwards) {
    return control(ui::nextInHistoryTabOrder(static_cast<HistoryControlId>(GetDlgCtrlID(focused)), backwards));
  });
}

// The window's size is its least and its largest at once, whatever the client area asks for.
void HistoryDialog::createWindow() {
  const ui::Size client = ui::scaleToFont(ui::historyClientLayoutSize, cell_);
  const ui::Size fixed = ui::scaleToFont(ui::historyWindowLayoutSize, cell_);
  RECT frame{0, 0, client.width, client.height};
  AdjustWindowRectEx(&frame, historyStyle, FALSE, historyExStyle);
  const int width = std::clamp<int>(frame.right - frame.left, fixed.width, fixed.width);
  const int height = std::clamp<int>(frame.bottom - frame.top, fixed.height, fixed.height);
  window_ = CreateWindowExW(historyExStyle, historyWindowClass, std::wstring(ui::historyTitle).c_str(), historyStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, width, height, owner_.handle(), nullptr,
                            GetModuleHandleW(nullptr), this);
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(owner_.icon()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(owner_.icon()));
}

// In layout order, so each panel exists before the button it holds. Both panels start in the
// dialog's own colour.
void HistoryDialog::createControls() {
  for (const auto& spec : ui::historyControls()) {
    switch (spec.kind) {
      case HistoryControlKind::ListBox:
        list_ = createChild(L"LISTBOX", spec, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                            WS_EX_CLIENTEDGE);
        break;
      case HistoryControlKind::Panel: {
        ColourPanel& panel = spec.id == HistoryControlId::preview ? preview_ : prevClr_;
        panel.create(parentOf(spec), ui::scaleToFont(spec.layout, cell_), idOf(spec.id), faceColour());
        break;
      }
      case HistoryControlKind::Button:
        createChild(L"BUTTON", spec, WS_TABSTOP | BS_PUSHBUTTON, 0);
        break;
    }
  }
}

HWND HistoryDialog::createChild(const wchar_t* className, const ui::HistoryControlSpec& spec, DWORD style,
                                DWORD exStyle) {
  const ui::Box box = ui::scaleToFont(spec.layout, cell_);
  HWND child = CreateWindowExW(exStyle, className, std::wstring(spec.text).c_str(),
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, box.x, box.y, box.width, box.height,
                               parentOf(spec), reinterpret_cast<HMENU>(static_cast<INT_PTR>(idOf(spec.id))),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return child;
}

HWND HistoryDialog::parentOf(const ui::HistoryControlSpec& spec) const {
  return spec.parent == HistoryControlId::none ? window_ : control(spec.parent);
}

void HistoryDialog::applyStackingOrder() {
  HWND previous = HWND_TOP;
  for (const HistoryControlId id : ui::historyStackingOrder()) {
    SetWindowPos(control(id), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control(id);
  }
}

HWND HistoryDialog::control(HistoryControlId id) const {
  switch (id) {
    case HistoryControlId::hist_list: return list_;
    case HistoryControlId::preview: return preview_.handle();
    case HistoryControlId::prev_clr: return prevClr_.handle();
    case HistoryControlId::select_btn: return GetDlgItem(preview_.handle(), idOf(id));
    case HistoryControlId::cancel_btn: return GetDlgItem(prevClr_.handle(), idOf(id));
    case HistoryControlId::none: break;
  }
  return nullptr;
}

std::size_t HistoryDialog::entryCount() {
  const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<std::size_t>(count) : 0;
}

std::wstring HistoryDialog::entry(std::size_t index) {
  const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, index, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(list_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void HistoryDialog::insertFirst(std::wstring_view text) {
  SendMessageW(list_, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(text).c_str()));
}

std::optional<std::size_t> HistoryDialog::selectedIndex() {
  const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return std::nullopt;
  return static_cast<std::size_t>(index);
}

void HistoryDialog::select(std::size_t index) { SendMessageW(list_, LB_SETCURSEL, index, 0); }

void HistoryDialog::showModal() {
  modal_.showModal([this] {
    if (handlers_) handlers_->History_Shown();
  });
}

LRESULT HistoryDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      handleCommand(static_cast<HistoryControlId>(LOWORD(wParam)), HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      modal_.activated(wParam);
      return 0;
    case WM_CLOSE:
      // The close box is Cancel.
      if (handlers_) handlers_->cancel_btn_Click();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void HistoryDialog::handleCommand(HistoryControlId id, int notification) {
  if (!handlers_) return;
  if (id == HistoryControlId::hist_list && notification == LBN_SELCHANGE) handlers_->hist_list_SelectedIndexChanged();
  if (notification != BN_CLICKED) return;
  if (id == HistoryControlId::select_btn) handlers_->select_btn_Click();
  if (id == HistoryControlId::cancel_btn) handlers_->cancel_btn_Click();
}

}  // namespace Lmr::win32
