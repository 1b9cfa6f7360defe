// The main window's colour readouts: the three text fields, typing a colour into them, hover
// selection, the copy buttons and the colour chooser behind the current-colour swatch.
#include <string>

#include "app/lumarin.h"
#include "colour/colour_parse.h"
#include "colour/history.h"
#include "colour/readout.h"

namespace Lmr {

using ui::ControlId;

void Lumarin::updateTextHexDisplay() {
  MainWindowPort& window = platform_.window;
  const Argb current = window.swatchColour(ControlId::color_current);
  g_pick_clr = current;
  const std::wstring shownHex = window.text(ControlId::out_hex);
  const std::wstring shownRgb = window.text(ControlId::out_rgb);
  const ReadoutUpdate update =
      readoutUpdateFor(current, {shownHex, shownRgb}, settingOn(Setting::round_hsb), window.decimalSeparator());
  if (update.hex) SetTextBoxText(ControlId::out_hex, *update.hex);
  if (update.rgb) SetTextBoxText(ControlId::out_rgb, *update.rgb);
  SetTextBoxText(ControlId::out_hsl, update.hsb);
  // The history dialog opens with the current colour as the one it hands back.
  if (hist_frm) hist_frm->setReturnedColour(current);
}

void Lumarin::SetTextBoxText(ControlId textBox, std::wstring_view text) { platform_.window.setText(textBox, text); }

void Lumarin::setCurrentColour(Argb colour) {
  platform_.window.setSwatchColour(ControlId::color_current, colour);
  updateTextHexDisplay();
}

void Lumarin::parseColorFromHexField() {
  if (const auto colour = parseHexEntry(platform_.window.text(ControlId::out_hex))) setCurrentColour(*colour);
}

void Lumarin::parseColorFromRgbField() {
  if (const auto colour = parseRgbEntry(platform_.window.text(ControlId::out_rgb))) setCurrentColour(*colour);
}

void Lumarin::setKbdInputModeFromKeyCode(std::int32_t keyCode) {
  keyboardColorInput = keyboardColorInputAfterKey(keyboardColorInput, keyCode);
}

void Lumarin::out_hex_KeyUp(std::int32_t keyCode) {
  setKbdInputModeFromKeyCode(keyCode);
  parseColorFromHexField();
}

void Lumarin::out_rgb_KeyUp(std::int32_t keyCode) {
  setKbdInputModeFromKeyCode(keyCode);
  parseColorFromRgbField();
}

void Lumarin::deselectEachField() {
  for (const ControlId field : {ControlId::out_hex, ControlId::out_rgb, ControlId::out_hsl})
    platform_.window.select(field, {0, 0});
}

void Lumarin::selectOnHover(ControlId field) {
  deselectEachField();
  platform_.window.focus(field);
  const ReadoutField kind = field == ControlId::out_hex   ? ReadoutField::Hex
                            : field == ControlId::out_rgb ? ReadoutField::Rgb
                                                          : ReadoutField::Hsb;
  platform_.window.select(field, hoverSelectionFor(kind, platform_.window.text(field)));
}

void Lumarin::out_hex_MouseEnter() { selectOnHover(ControlId::out_hex); }
void Lumarin::out_rgb_MouseEnter() { selectOnHover(ControlId::out_rgb); }
void Lumarin::out_hsl_MouseEnter() { selectOnHover(ControlId::out_hsl); }

void Lumarin::copyField(ControlId field) {
  MainWindowPort& window = platform_.window;
  if (const auto text = textToCopy(window.text(field), window.selection(field))) platform_.clipboard.putText(*text);
}

void Lumarin::copy_hex_Click() { copyField(ControlId::out_hex); }
void Lumarin::copy_rgb_Click() { copyField(ControlId::out_rgb); }
void Lumarin::copy_hsb_Click() { copyField(ControlId::out_hsl); }

void Lumarin::color_current_Click() {
  const Argb shown = platform_.window.swatchColour(ControlId::color_current);
  if (const auto chosen = platform_.colourChooser.choose(shown)) setCurrentColour(*chosen);
}

}  // namespace Lmr
