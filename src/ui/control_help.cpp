#include "ui/control_help.h"

#include <array>

#include "ui/control_table.h"
#include "ui/main_window_layout.h"

namespace Lmr::ui {
namespace {

using I = ControlId;

constexpr wchar_t hexTip[] = L"The colour as hex text; type a colour here to use it";
constexpr wchar_t rgbTip[] = L"The colour as rgb(red,green,blue); type a colour here to use it";
constexpr wchar_t hsbTip[] = L"The colour as hsb(hue,saturation,lightness)";
constexpr wchar_t lineTip[] = L"A dividing line";

constexpr std::array<ControlHelp, mainWindowControlCount> kHelp{{
    {I::label1, hexTip, L"Hex #", std::nullopt},
    {I::out_hex, hexTip, L"Hex", std::nullopt},
    {I::copy_hex, L"Copy the hex text (#RRGGBB); right-click for Display P3, OKLCH and more", L"Copy hex", std::nullopt},
    {I::label2, rgbTip, L"RGB", std::nullopt},
    {I::out_rgb, rgbTip, L"RGB", std::nullopt},
    {I::copy_rgb, L"Copy the rgb text (rgb(red,green,blue)); right-click for more forms", L"Copy RGB", std::nullopt},
    {I::label3, hsbTip, L"HSB", std::nullopt},
    {I::out_hsl, hsbTip, L"HSB", std::nullopt},
    {I::copy_hsb, L"Copy the hsb text (hsb(hue,saturation,lightness)); right-click for more forms", L"Copy HSB", std::nullopt},
    {I::pick_zoom,
     L"The screen around the pick point. Drag to move the point; while picking, the wheel sets the "
     L"magnifier's strength",
     L"Magnifier", I::color_current},
    {I::color_current, L"The current colour: click to choose another, right-click to copy it as Display P3, OKLCH and more", L"Current colour", I::color_current},
    {I::color_previous, L"The previous colour: click to open the history", L"Previous colour", I::color_previous},
    {I::pick_ver_bg_line, lineTip, L"Line", std::nullopt},
    {I::fisheye_num_updn, L"The magnifier's strength, 1 to 12", L"Magnifier strength", std::nullopt},
    {I::btn_pick,
     L"Pick a colour from the screen. Enter starts and picks, Escape stops, the arrow keys move a pixel, "
     L"R or J refresh",
     L"Pick", std::nullopt},
    {I::pick_hz_bg_line, lineTip, L"Line", std::nullopt},
    {I::options_btn, L"Open the options", L"Options", std::nullopt},
}};

}  // namespace

std::span<const ControlHelp> controlHelpTable() { return kHelp; }

const ControlHelp& controlHelp(ControlId id) { return specWithId<ControlHelp>(kHelp, id); }

}  // namespace Lmr::ui
