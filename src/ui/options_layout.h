#pragma once
// The options dialog's controls: kinds, texts, layout geometry, tab order, and the scaling of
// that geometry with the dialog's font.
#include <span>
#include <string_view>

#include "ui/dialog_units.h"
#include "ui/main_window_layout.h"

namespace Lmr::ui {

enum class OptionsControlKind { GroupBox, CheckBox, Label, LinkLabel, Button };

// Control identifiers double as the Windows child-window identifiers, so the test driver can find
// each control of the running dialog by them.
enum class OptionsControlId : int {
  none = 0,
  groupBox3 = 2001, minimize_tray, close_btn_minimizes, pick_from_snapshot, window_move_pick,
  lines_between_pixels, round_hsb,
  groupBox2, label3, label5, label7, label4,
  check_for_updates, ok_btn, label1, contact_support, linkLabel1,
};

struct OptionsControlSpec {
  OptionsControlId id;
  std::string_view name;
  OptionsControlKind kind;
  std::wstring_view text;  // label1's text is set at run time
  Box layout;              // inside a group box, relative to it
  int tabIndex;
  OptionsControlId parent;  // none: the dialog itself
};

inline constexpr std::wstring_view optionsTitle = L"Lumarin Options";

// The client area, in dialog units:
inline constexpr Size optionsClientLayoutSize{587, 351};

// Group boxes first, each before its children, so a parent exists before what it holds.
std::span<const OptionsControlSpec> optionsControls();
const OptionsControlSpec& optionsControlSpec(OptionsControlId id);

// The controls Tab visits, in order: the dialog's own controls by tab index, a group box's
// children in its place by their own tab index. Group boxes and labels take no focus.
std::span<const OptionsControlId> optionsTabOrder();
bool takesFocus(OptionsControlKind kind);
// The control Tab (or Shift+Tab, `backwards`) moves to from `current`, round the order; from a
// control outside it, the first (or the last).
OptionsControlId nextInTabOrder(OptionsControlId current, bool backwards);

// Check boxes and labels size themselves to their text (`text`: its extent in the control's
// font); a check box keeps its layout height and leaves room for its box before the text. Other
// controls keep their scaled layout box.
inline constexpr int checkBoxGlyphWidth = 20;
Box fittedBox(const OptionsControlSpec& spec, Size cell, Size text);

}  // namespace Lmr::ui
