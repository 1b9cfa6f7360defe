#pragma once
// The colour readouts: the current colour `g_pick_clr` and its three text fields (hex, rgb, hsb),
// typing a colour into them, hover selection, the copy buttons, and the colour chooser behind the
// current-colour swatch.
#include <cstdint>
#include <optional>
#include <string_view>

#include "colour/history.h"
#include "ports/clipboard_port.h"
#include "ports/colour_chooser_port.h"
#include "ports/geometry.h"
#include "ports/main_window_port.h"
#include "ports/setting.h"

namespace Lmr {

inline constexpr Argb initialPickColour = 0xFFA31515;

// The current colour and where it came from. A pixel of the screen (picked live, from the
// snapshot, by a drag in the magnifier or a move of the window) holds the values of the monitor
// under its pick point, in that monitor's colour space; a new colour typed, chosen or taken back
// from the history, and the white the window opens with, is sRGB.
struct CurrentColour {
  Argb colour;
  std::optional<Point32> pickPoint;  // none for an sRGB colour
};

class Readouts {
 public:
  // `hist_frm`: the history dialog, which opens with the current colour as the one it hands back.
  Readouts(MainWindowPort& window, ClipboardPort& clipboard, ColourChooserPort& colourChooser,
           const LiveSettings& settings, History& hist_frm);
  Readouts(const Readouts&) = delete;
  Readouts& operator=(const Readouts&) = delete;

  // The colour under the pick point, or the one shown last.
  Argb g_pick_clr() const { return g_pick_clr_; }
  void setPickColour(Argb colour) { g_pick_clr_ = colour; }
  // Shows a colour given as sRGB as the current one: the swatch, then every readout. The colour
  // shown handed back (a field read again on a key release, the chooser or the history closed
  // without a change) stays what it was, a pixel of the screen included.
  void setCurrentColour(Argb colour);
  // Shows the screen's pixel at the pick point as the current colour.
  void showPickedColour(Argb colour, Point32 pickPoint);
  CurrentColour currentColour() const;
  // While the user types a colour into a field, pick mode's keys go to the field instead.
  bool typingColour() const { return keyboardColorInput; }
  void endTypingColour() { keyboardColorInput = false; }

  void updateTextHexDisplay();
  void parseColorFromHexField();
  void parseColorFromRgbField();
  void setKbdInputModeFromKeyCode(std::int32_t keyCode);
  void deselectEachField();
  void SetTextBoxText(ui::ControlId textBox, std::wstring_view text);

  void out_hex_TextChanged() {}
  void out_rgb_TextChanged() {}
  void out_hex_KeyUp(std::int32_t keyCode);
  void out_rgb_KeyUp(std::int32_t keyCode);
  void out_hex_MouseEnter();
  void out_rgb_MouseEnter();
  void out_hsl_MouseEnter();
  void copy_hex_Click();
  void copy_rgb_Click();
  void copy_hsb_Click();
  void color_current_Click();

 private:
  void showColour(Argb colour);
  void copyField(ui::ControlId field);
  void selectOnHover(ui::ControlId field);

  MainWindowPort& window_;
  ClipboardPort& clipboard_;
  ColourChooserPort& colourChooser_;
  const LiveSettings& settings_;
  History& hist_frm_;
  Argb g_pick_clr_ = 0;
  bool keyboardColorInput = false;
  std::optional<Point32> pickPoint_;  // of the current colour, when it is the screen's
};

}  // namespace Lmr
