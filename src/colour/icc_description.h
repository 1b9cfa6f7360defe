#pragma once
// The name a profile gives itself (its `desc` tag), for the line of the "Copy as" menu that names
// the monitor's profile.
#include <string>

#include "colour/icc_bytes.h"

namespace Lmr {

// The longest description shown; a longer one is cut and ends with "...".
inline constexpr std::size_t longestProfileDescription = 80;

// The ASCII text of a textDescriptionType tag (profiles of version 2), or the en-US record of a
// multiLocalizedUnicodeType tag (version 4), else its first record; either type is taken in
// either version. The text ends at its first NUL; control characters become spaces, spaces at
// either end are dropped. Empty when the tag is of another type or cannot be read.
std::wstring profileDescriptionOf(IccBytes descTag);

// A name as a menu line can show it: up to its first NUL, control characters as spaces (a tab
// would move the rest of the line), no spaces at either end, cut to the longest length.
std::wstring showableProfileName(std::wstring text);

}  // namespace Lmr
