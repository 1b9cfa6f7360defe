#include "colour/readouts.h"

#include <string>

#include "colour/colour_parse.h"
#include "colour/readout.h"

namespace Lmr {

using ui::ControlId;

Readouts::Readouts(MainWindowPort& window, ClipboardPort& clipboard, ColourChooserPort& colourChooser,
                   const LiveSettings& settings, History& hist_frm)
    : window_(window), clipboard_(clipboard), colourChooser_(colourChooser), settings_(settings), hist_frm_(hist_frm) {}

void Readouts::updateTextHexDisplay() {
  const Argb current = window_.swatchColour(ControlId::color_current);
  g_pick_clr_ = current;
  const std::wstring shownHex = window_.text(ControlId::out_hex);
  const std::wstring shownRgb = window_.text(ControlId::out_rgb);
  const ReadoutUpdate update =
      readoutUpdateFor(current, {shownHex, shownRgb}, settings_.isOn(Setting::round_hsb), window_.decimalSeparator());
  if (update.hex) SetTextBoxText(ControlId::out_hex, *update.hex);
  if (update.rgb) SetTextBoxText(ControlId::out_rgb, *update.rgb);
  SetTextBoxText(ControlId::out_hsl, update.hsb);
  // The history dialog opens with the current colour as the one it hands back.
  hist_frm_.setReturnedColour(current);
}

void Readouts::SetTextBoxText(ControlId textBox, std::wstring_view text) { window_.setText(textBox, text); }

// A screen reader hears of a new colour once, after every readout shows it, and not of an
// update that leaves the colour as it was.
void Readouts::showColour(Argb colour) {
  const bool changed = window_.swatchColour(ControlId::color_current) != colour;
  window_.setSwatchColour(ControlId::color_current, colour);
  updateTextHexDisplay();
  if (changed) window_.announceValueChange(ControlId::color_current);
}

void Readouts::setCurrentColour(Argb colour) {
  if (colour != window_.swatchColour(ControlId::color_current)) pickPoint_.reset();
  showColour(colour);
}

void Readouts::showPickedColour(Argb colour, Point32 pickPoint) {
  g_pick_clr_ = colour;
  pickPoint_ = pickPoint;
  showColour(colour);
}

CurrentColour Readouts::currentColour() const {
  return {window_.swatchColour(ControlId::color_current), pickPoint_};
}

void Readouts::parseColorFromHexField() {
  if (const auto colour = parseHexEntry(window_.text(ControlId::out_hex))) setCurrentColour(*colour);
}

void Readouts::parseColorFromRgbField() {
  if (const auto colour = parseRgbEntry(window_.text(ControlId::out_rgb))) setCurrentColour(*colour);
}

void Readouts::setKbdInputModeFromKeyCode(std::int32_t keyCode) {
  keyboardColorInput = keyboardColorInputAfterKey(keyboardColorInput, keyCode);
}

void Readouts::out_hex_KeyUp(std::int32_t keyCode) {
  setKbdInputModeFromKeyCode(keyCode);
  parseColorFromHexField();
}

void Readouts::out_rgb_KeyUp(std::int32_t keyCode) {
  setKbdInputModeFromKeyCode(keyCode);
  parseColorFromRgbField();
}

void Readouts::deselectEachField() {
  for (const ControlId field : {ControlId::out_hex, ControlId::out_rgb, ControlId::out_hsl})
    window_.select(field, {0, 0});
}

void Readouts::selectOnHover(ControlId field) {
  deselectEachField();
  window_.focus(field);
  const ReadoutField kind = field == ControlId::out_hex   ? ReadoutField::Hex
                            : field == ControlId::out_rgb ? ReadoutField::Rgb
                                                          : ReadoutField::Hsb;
  window_.select(field, hoverSelectionFor(kind, window_.text(field)));
}

void Readouts::out_hex_MouseEnter() { selectOnHover(ControlId::out_hex); }
void Readouts::out_rgb_MouseEnter() { selectOnHover(ControlId::out_rgb); }
void Readouts::out_hsl_MouseEnter() { selectOnHover(ControlId::out_hsl); }

void Readouts::copyField(ControlId field) {
  if (const auto text = textToCopy(window_.text(field), window_.selection(field))) clipboard_.putText(*text);
}

void Readouts::copy_hex_Click() { copyField(ControlId::out_hex); }
void Readouts::copy_rgb_Click() { copyField(ControlId::out_rgb); }
void Readouts::copy_hsb_Click() { copyField(ControlId::out_hsl); }

void Readouts::color_current_Click() {
  const Argb shown = window_.swatchColour(ControlId::color_current);
  if (const auto chosen = colourChooser_.choose(shown)) setCurrentColour(*chosen);
}

}  // namespace Lmr
