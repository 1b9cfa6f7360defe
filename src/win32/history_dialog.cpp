#include "win32/history_dialog.h"

#include <string>

namespace Lmr::win32 {
namespace {

using ui::HistoryControlId;
using ui::HistoryControlKind;

constexpr wchar_t historyWindowClass[] = L"LumarinHistory";

int idOf(HistoryControlId id) { return static_cast<int>(id); }

}  // namespace

// The window's size is its least and its largest at once, whatever the client area asks for.
void HistoryDialog::build(HistoryDialogEvents& handlers) {
  handlers_ = &handlers;
  createFrame({historyWindowClass, ui::historyTitle, WS_EX_CONTROLPARENT, ui::historyClientLayoutSize,
               ui::historyWindowLayoutSize},
              [this](HWND focused, bool backwards) {
                return control(
                    ui::nextInHistoryTabOrder(static_cast<HistoryControlId>(GetDlgCtrlID(focused)), backwards));
              });
  createControls();
  applyStackingOrder();
}

// In layout order, so each panel exists before the button it holds. Both panels start in the
// dialog's own colour and follow it until they show a colour of the history.
void HistoryDialog::createControls() {
  for (const auto& spec : ui::historyControls()) {
    switch (spec.kind) {
      case HistoryControlKind::ListBox:
        list_ = createChild(L"LISTBOX", spec.text, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                            WS_EX_CLIENTEDGE, ui::scaleToFont(spec.layout, cell_), parentOf(spec), idOf(spec.id),
                            font_.get());
        break;
      case HistoryControlKind::Panel: {
        ColourPanel& panel = spec.id == HistoryControlId::preview ? preview_ : prevClr_;
        panel.create(parentOf(spec), ui::scaleToFont(spec.layout, cell_), idOf(spec.id));
        break;
      }
      case HistoryControlKind::Button:
        createChild(L"BUTTON", spec.text, WS_TABSTOP | BS_PUSHBUTTON, 0, ui::scaleToFont(spec.layout, cell_),
                    parentOf(spec), idOf(spec.id), font_.get());
        break;
    }
  }
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

LRESULT HistoryDialog::dialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND) return DefWindowProcW(window_, message, wParam, lParam);
  handleCommand(static_cast<HistoryControlId>(LOWORD(wParam)), HIWORD(wParam));
  return 0;
}

// The close box is Cancel.
void HistoryDialog::closeBox() {
  if (handlers_) handlers_->cancel_btn_Click();
}

void HistoryDialog::handleCommand(HistoryControlId id, int notification) {
  if (!handlers_) return;
  if (id == HistoryControlId::hist_list && notification == LBN_SELCHANGE) handlers_->hist_list_SelectedIndexChanged();
  if (notification != BN_CLICKED) return;
  if (id == HistoryControlId::select_btn) handlers_->select_btn_Click();
  if (id == HistoryControlId::cancel_btn) handlers_->cancel_btn_Click();
}

}  // namespace Lmr::win32
