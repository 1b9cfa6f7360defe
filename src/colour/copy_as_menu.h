#pragma once
// The "Copy as" menu of the current colour: a disabled line naming the monitor profile the colour
// went through, then four items (access keys H, R, P, O), each showing the text it copies.
#include <array>
#include <string>

#include "colour/icc_profile.h"
#include "ports/argb.h"

namespace Lmr {

struct CopyAsItem {
  std::wstring label;  // the item's text, "&" before its access key
  std::wstring clipboardText;  // the colour text alone
};

struct CopyAsMenu {
  std::wstring profileLine;  // a "&" of the profile's description doubled, so it shows as one
  std::array<CopyAsItem, 4> items;  // hex, rgb, Display P3, OKLCH
};

// `profile` is what was read of the profile of the monitor that holds the pick point, null when
// that monitor has none. A colour not from the screen (typed, chosen, from the history) is sRGB
// already: no profile applies to it, and it is only re-expressed.
CopyAsMenu copyAsMenuFor(const ProfileReading* profile, Argb colour, bool fromScreen);

}  // namespace Lmr
