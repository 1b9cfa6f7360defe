#pragma once
// What each control of the main window tells the user beyond its face: the tooltip shown on
// hover, the name a screen reader speaks, and, for the controls that show a colour, which
// swatch's colour they report as their value (its hex text).
#include <optional>
#include <span>
#include <string_view>

#include "ports/control_id.h"

namespace Lmr::ui {

struct ControlHelp {
  ControlId id;
  std::wstring_view tooltip;
  std::wstring_view accessibleName;
  // The swatch whose colour is this control's value; none for a control without a colour.
  std::optional<ControlId> colourOf;
};

// One entry for every control of the main window's layout, in the layout's order.
std::span<const ControlHelp> controlHelpTable();
const ControlHelp& controlHelp(ControlId id);

}  // namespace Lmr::ui
