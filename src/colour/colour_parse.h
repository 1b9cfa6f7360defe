#pragma once
// Colours typed into the hex and rgb readout fields. A parser returns the opaque colour an entry
// names, or nothing when the entry is not one: then the colour and every field stay as they are.
#include <cstdint>
#include <optional>
#include <string_view>

#include "ports/argb.h"

namespace Lmr {

// Hexadecimal digits after an optional "H" or "0X" prefix (either letter case). Any character
// that is not a hexadecimal digit, or no digit at all, gives 0. Texts of more than eight digits
// keep the lowest 32 bits, read as a two's-complement value.
std::int32_t hexstr2num(std::wstring_view text);

// One leading "#" is dropped; exactly six characters must remain, read as three pairs by
// hexstr2num (so a pair that is not hexadecimal reads 0).
std::optional<Argb> parseHexEntry(std::wstring_view text);

// Exactly three runs of ASCII digits 0-9, each taken modulo 256 (so 300 gives 44); any other
// character only separates runs. Runs of any length are read.
std::optional<Argb> parseRgbEntry(std::wstring_view text);

// A history entry: "#" and then three pairs of hexadecimal digits (either letter case) for red,
// green and blue; anything after them is ignored. Nothing when the pairs cannot be read.
std::optional<Argb> parseHistoryEntry(std::wstring_view text);

}  // namespace Lmr
