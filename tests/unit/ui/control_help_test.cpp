#include "ui/control_help.h"

#include <gtest/gtest.h>

#include "ui/main_window_layout.h"

namespace {

using namespace Lmr::ui;

TEST(ControlHelp, EveryControlHasATooltipAndANameAndOnlyTheColourControlsAValue) {
  ASSERT_EQ(controlHelpTable().size(), mainWindowControls().size());
  for (const auto& control : mainWindowControls()) {
    const ControlHelp& help = controlHelp(control.id);
    EXPECT_FALSE(help.tooltip.empty()) << control.name;
    EXPECT_FALSE(help.accessibleName.empty()) << control.name;
    const bool showsColour = control.id == ControlId::pick_zoom || control.id == ControlId::color_current ||
                             control.id == ControlId::color_previous;
    EXPECT_EQ(help.colourOf.has_value(), showsColour) << control.name;
  }
  // The magnifier shows the colour it hands to the current swatch.
  EXPECT_EQ(controlHelp(ControlId::pick_zoom).colourOf, ControlId::color_current);
  const std::wstring_view pick = controlHelp(ControlId::btn_pick).tooltip;
  for (const wchar_t* key : {L"Enter", L"Escape", L"arrow keys", L"R or J"})
    EXPECT_NE(pick.find(key), std::wstring_view::npos) << key;
}

}  // namespace
