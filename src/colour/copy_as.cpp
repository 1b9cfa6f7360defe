#include "colour/copy_as.h"

#include <array>

namespace Lmr {

CopyAs::CopyAs(MainWindowPort& window, ClipboardPort& clipboard, MonitorProfilePort& profileFiles,
               const Readouts& readouts)
    : window_(window), clipboard_(clipboard), profiles_(profileFiles), readouts_(readouts) {}

// The profile is looked up only for a colour from the screen: an sRGB colour needs none.
CopyAsMenu CopyAs::menuForCurrentColour() {
  const CurrentColour current = readouts_.currentColour();
  const ProfileReading* profile = current.pickPoint ? profiles_.profileAt(*current.pickPoint) : nullptr;
  return copyAsMenuFor(profile, current.colour, current.pickPoint.has_value());
}

// The first line names the profile and cannot be chosen; a separator sets it apart from the
// items.
void CopyAs::copyAsMenuRequested(Point32 at) {
  const CopyAsMenu menu = menuForCurrentColour();
  const auto& items = menu.items;
  constexpr std::size_t firstItem = 2;
  const std::array<MenuLine, firstItem + 4> lines{{{menu.profileLine, false},
                                                   {L"", false},
                                                   {items[0].label},
                                                   {items[1].label},
                                                   {items[2].label},
                                                   {items[3].label}}};
  const std::optional<std::size_t> chosen = window_.chooseFromMenu(lines, at);
  if (chosen && *chosen >= firstItem && *chosen - firstItem < items.size())
    clipboard_.putText(items[*chosen - firstItem].clipboardText);
}

}  // namespace Lmr
