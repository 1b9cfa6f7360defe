// The main window's readout fields, swatches and strength field, as the program's handlers read
// and write them.
#include "win32/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "win32/control_ids.h"

namespace Lmr::win32 {

using ui::ControlId;

// Every update reads the readout fields; what a field shows is read once and kept until the field
// reports a change of its text (typing, pasting, a write by anyone).
std::wstring MainWindow::text(ControlId field) {
  std::optional<std::wstring>& known = shownTexts_[controlIndex(field)];
  if (known) return *known;
  HWND control = this->control(field);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)), L'\0');
  const int copied = GetWindowTextW(control, text.data(), static_cast<int>(text.size()) + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  known = text;
  return text;
}

void MainWindow::forgetShownText(ControlId field) { shownTexts_[controlIndex(field)].reset(); }

// SetWindowText sends its message to the window's own thread and waits, so a caller on another
// thread is served there too.
void MainWindow::setText(ControlId field, std::wstring_view text) {
  // Rewriting a field with the text it already shows changes nothing a user can see, but an edit
  // control redraws on every write, and during pick mode that is most of an update's cost.
  if (this->text(field) == text) return;
  SetWindowTextW(control(field), std::wstring(text).c_str());
  forgetShownText(field);
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

std::size_t MainWindow::swatchIndex(ControlId swatch) { return swatch == ControlId::color_current ? 0 : 1; }

Argb MainWindow::swatchColour(ControlId swatch) { return swatchColours_[swatchIndex(swatch)]; }

void MainWindow::setSwatchColour(ControlId swatch, Argb colour) {
  const std::size_t index = swatchIndex(swatch);
  if (swatchColours_[index] == colour) return;
  swatchColours_[index] = colour;
  swatchBrushes_[index].reset(CreateSolidBrush(RGB(redOf(colour), greenOf(colour), blueOf(colour))));
  InvalidateRect(control(swatch), nullptr, TRUE);
}

void MainWindow::setFishEyeValue(int value) {
  // The field's change notification reports the new value as the user's change would.
  SendDlgItemMessageW(window_, upDownArrowsId, UDM_SETPOS32, 0, value);
}

}  // namespace Lmr::win32
