#include "ui/options_layout.h"

#include <array>

#include "ui/control_table.h"
#include "ui/nested_tab_order.h"

namespace Lmr::ui {
namespace {

using K = OptionsControlKind;
using I = OptionsControlId;

constexpr std::array<OptionsControlSpec, 17> kControls{{
    {I::groupBox3, "groupBox3", K::GroupBox, L"Options", {13, 12, 305, 178}, 19, I::none},
    {I::minimize_tray, "minimize_tray", K::CheckBox, L"Minimize to System Tray", {12, 36, 139, 17}, 0, I::groupBox3},
    {I::close_btn_minimizes, "close_btn_minimizes", K::CheckBox, L"Close X Minimizes", {157, 35, 110, 17}, 14,
     I::groupBox3},
    {I::pick_from_snapshot, "pick_from_snapshot", K::CheckBox, L"Pick from Screenshot (non-interactive mode)",
     {12, 59, 235, 17}, 1, I::groupBox3},
    {I::window_move_pick, "window_move_pick", K::CheckBox, L"Pick While Moving Lumarin Window", {12, 82, 205, 17}, 3,
     I::groupBox3},
    {I::lines_between_pixels, "lines_between_pixels", K::CheckBox, L"Show lines between pixels", {12, 105, 150, 17},
     15, I::groupBox3},
    {I::round_hsb, "round_hsb", K::CheckBox, L"Round HSB Values", {12, 128, 118, 17}, 16, I::groupBox3},
    {I::groupBox2, "groupBox2", K::GroupBox, L"Keyboard Controls", {335, 211, 240, 93}, 18, I::none},
    {I::label3, "label3", K::Label, L"esc - exit pick mode", {17, 26, 101, 13}, 8, I::groupBox2},
    {I::label5, "label5", K::Label, L"arrow keys - move pixel", {17, 39, 117, 13}, 10, I::groupBox2},
    {I::label7, "label7", K::Label, L"enter - pick color, toggle pick mode", {17, 52, 173, 13}, 12, I::groupBox2},
    {I::label4, "label4", K::Label, L"r or j - refresh (pick from new screenshot)", {17, 65, 198, 13}, 9,
     I::groupBox2},
    {I::check_for_updates, "check_for_updates", K::LinkLabel, L"Check for Updates", {10, 303, 96, 13}, 17, I::none},
    {I::ok_btn, "ok_btn", K::Button, L"OK", {243, 324, 75, 23}, 13, I::none},
    {I::label1, "label1", K::Label, L"", {10, 327, 134, 15}, 6, I::none},
    {I::contact_support, "contact_support", K::LinkLabel, L"Contact Support", {385, 329, 84, 13}, 16, I::none},
    {I::linkLabel1, "linkLabel1", K::LinkLabel, L"Huedisk", {513, 329, 62, 13}, 5, I::none},
}};

}  // namespace

std::span<const OptionsControlSpec> optionsControls() { return kControls; }

const OptionsControlSpec& optionsControlSpec(OptionsControlId id) { return specWithId<OptionsControlSpec>(kControls, id); }

bool takesFocus(OptionsControlKind kind) {
  return kind == K::CheckBox || kind == K::LinkLabel || kind == K::Button;
}

std::span<const OptionsControlId> optionsTabOrder() {
  static const auto order =
      nestedTabOrder(kControls, I::none, [](const OptionsControlSpec& spec) { return takesFocus(spec.kind); });
  return order.view();
}

OptionsControlId nextInTabOrder(OptionsControlId current, bool backwards) {
  return nextInOrder(optionsTabOrder(), current, backwards);
}

Box fittedBox(const OptionsControlSpec& spec, Size cell, Size text) {
  Box box = scaleToFont(spec.layout, cell);
  switch (spec.kind) {
    case K::CheckBox:
      box.width = scaleToFont(checkBoxGlyphWidth, cell.width, dialogLayoutCell.width) + text.width;
      break;
    case K::Label:
    case K::LinkLabel:
      box.width = text.width;
      box.height = text.height;
      break;
    case K::GroupBox:
    case K::Button:
      break;
  }
  return box;
}

}  // namespace Lmr::ui
