#include "win32/options_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "app/settings.h"
#include "win32/fonts.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

using ui::OptionsControlId;
using ui::OptionsControlKind;

constexpr wchar_t optionsWindowClass[] = L"LumarinOptions";
constexpr DWORD optionsExStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
constexpr int aboutFontHundredthsOfPoint = 900;

std::size_t controlIndex(OptionsControlId id) {
  return static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(OptionsControlId::groupBox3));
}

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind windowKindOf(const ui::OptionsControlSpec& spec) {
  switch (spec.kind) {
    case OptionsControlKind::GroupBox: return {L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT};
    case OptionsControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case OptionsControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case OptionsControlKind::LinkLabel: return {WC_LINK, WS_TABSTOP, 0};
    case OptionsControlKind::Label: break;
  }
  const DWORD align = spec.id == OptionsControlId::label1 ? SS_RIGHT : SS_LEFT;
  return {L"STATIC", align | SS_NOPREFIX, 0};
}

// A link label's whole text is its one link.
std::wstring windowTextOf(const ui::OptionsControlSpec& spec) {
  if (spec.kind == OptionsControlKind::LinkLabel) return L"<a>" + std::wstring(spec.text) + L"</a>";
  return std::wstring(spec.text);
}

}  // namespace

// Tab follows the layout's order; Enter presses OK only when it has the focus.
void OptionsDialog::build(OptionsDialogEvents& handlers) {
  handlers_ = &handlers;
  // The about label has its own face and size.
  aboutFont_ = pointSizeFont(L"Microsoft Sans Serif", aboutFontHundredthsOfPoint, systemDpi());
  createFrame({optionsWindowClass, ui::optionsTitle, optionsExStyle, ui::optionsClientLayoutSize, {}},
              [this](HWND focused, bool backwards) {
                return control(ui::nextInTabOrder(static_cast<OptionsControlId>(GetDlgCtrlID(focused)), backwards));
              });
  // In layout order, so each group box exists before the controls it holds.
  for (const auto& spec : ui::optionsControls()) controls_[controlIndex(spec.id)] = createControl(spec);
}

HWND OptionsDialog::createControl(const ui::OptionsControlSpec& spec) {
  const WindowKind kind = windowKindOf(spec);
  HWND parent = spec.parent == OptionsControlId::none ? window_ : control(spec.parent);
  HWND created = createChild(kind.className, windowTextOf(spec), kind.style, kind.exStyle, fittedBox(spec, spec.text),
                             parent, static_cast<int>(spec.id), fontOf(spec.id));
  if (spec.kind == OptionsControlKind::GroupBox) SetWindowSubclass(created, &OptionsDialog::groupBoxProc, 0, 0);
  return created;
}

HFONT OptionsDialog::fontOf(OptionsControlId id) const {
  return id == OptionsControlId::label1 ? aboutFont_.get() : font_.get();
}

ui::Box OptionsDialog::fittedBox(const ui::OptionsControlSpec& spec, std::wstring_view text) const {
  return ui::fittedBox(spec, cell_, textExtent(fontOf(spec.id), text));
}

HWND OptionsDialog::control(OptionsControlId id) const { return controls_[controlIndex(id)]; }

// The about label sizes itself to its new text, keeping its place.
void OptionsDialog::setAboutText(std::wstring_view text) {
  HWND label = control(OptionsControlId::label1);
  SetWindowTextW(label, std::wstring(text).c_str());
  const ui::Box box = fittedBox(ui::optionsControlSpec(OptionsControlId::label1), text);
  SetWindowPos(label, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool OptionsDialog::isChecked(Setting setting) {
  return SendMessageW(control(settingSpec(setting).checkBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionsDialog::setChecked(Setting setting, bool checked) {
  SendMessageW(control(settingSpec(setting).checkBox), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Modal over the main window: the owner takes no input until the dialog is hidden again, then
// becomes the active window once more.
void OptionsDialog::showModal() { modal_.showModal(); }

void OptionsDialog::showNotice(std::wstring_view text, std::wstring_view caption) {
  MessageBoxW(window_, std::wstring(text).c_str(), std::wstring(caption).c_str(), MB_OK | MB_ICONWARNING);
}

void OptionsDialog::openWebPage(std::wstring_view address) {
  // The shell reports a missing browser itself; the dialog stays as it is.
  ShellExecuteW(window_, L"open", std::wstring(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

LRESULT OptionsDialog::dialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (handlers_ && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == static_cast<int>(OptionsControlId::ok_btn))
        handlers_->ok_btn_Click();
      return 0;
    case WM_NOTIFY: {
      const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
      if (notice->code == NM_CLICK || notice->code == NM_RETURN)
        handleLink(static_cast<OptionsControlId>(notice->idFrom));
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// The title bar's close box only hides the dialog; nothing is stored.
void OptionsDialog::closeBox() { modal_.close(); }

// A group box that holds controls paints its own inside in the dialog's face colour, and leaves
// the colours of what it holds to the dialog, which it reaches through its parent.
LRESULT CALLBACK OptionsDialog::groupBoxProc(HWND groupBox, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT inside{};
      GetClientRect(groupBox, &inside);
      FillRect(reinterpret_cast<HDC>(wParam), &inside, GetSysColorBrush(COLOR_BTNFACE));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (auto* dialog = ownerOf<DialogWindow>(GetParent(groupBox)))
        return dialog->handleMessage(message, wParam, lParam);
      break;
    default:
      break;
  }
  return DefSubclassProc(groupBox, message, wParam, lParam);
}

void OptionsDialog::handleLink(OptionsControlId link) {
  if (!handlers_) return;
  switch (link) {
    case OptionsControlId::check_for_updates: handlers_->check_for_updates_LinkClicked(); return;
    case OptionsControlId::contact_support: handlers_->contact_support_LinkClicked(); return;
    case OptionsControlId::linkLabel1: handlers_->linkLabel1_LinkClicked(); return;
    default: return;
  }
}

}  // namespace Lmr::win32
