#pragma once
// The decisions behind the three readout fields (hex, rgb, hsb): what a refresh writes, which
// released keys count as typing a colour, and what the pointer selects when it enters a field.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ports/argb.h"
#include "ports/text_selection.h"

namespace Lmr {

// Digit keys, keypad digits, A to F and Backspace, by virtual-key code (the physical key, without
// modifiers, so Shift+3 for "#" counts too).
bool isColourEntryKey(std::int32_t keyCode);

// `keyboardColorInput` after a key release: set by a colour-entry key, never cleared here.
bool keyboardColorInputAfterKey(bool keyboardColorInput, std::int32_t keyCode);

// What the fields show at the moment of a refresh.
struct ShownReadouts {
  std::wstring_view hex;
  std::wstring_view rgb;
};

// The texts a refresh writes; an empty optional leaves that field (its caret and letter case)
// alone. The hsb field is always written.
struct ReadoutUpdate {
  std::optional<std::wstring> hex;
  std::optional<std::wstring> rgb;
  std::wstring hsb;
};

// The hex field is rewritten only when its text, upper-cased, differs from the colour's hex text
// (a typed "#ff0000" stays); the rgb field only when its text differs at all.
ReadoutUpdate readoutUpdateFor(Argb colour, ShownReadouts shown, bool roundHsb,
                               wchar_t decimalSeparator);

enum class ReadoutField { Hex, Rgb, Hsb };

// In the hex field the digits behind "#" (six characters from the second one, fewer if the text
// is shorter); in the others the whole text.
TextSelection hoverSelectionFor(ReadoutField field, std::wstring_view text);

// What a copy button puts on the clipboard: the field's selected text if any, else its whole
// text; nothing for an empty field.
std::optional<std::wstring> textToCopy(std::wstring_view text, TextSelection selection);

}  // namespace Lmr
