#pragma once
// The colour history dialog's controls: kinds, texts, layout geometry (dialog units), stacking
// and tab order.
#include <span>
#include <string_view>

#include "ui/dialog_units.h"

namespace Lmr::ui {

enum class HistoryControlKind { ListBox, Panel, Button };

// Control identifiers double as the Windows child-window identifiers, so the test driver can find
// each control of the running dialog by them.
enum class HistoryControlId : int { none = 0, hist_list = 3001, preview, select_btn, prev_clr, cancel_btn };

struct HistoryControlSpec {
  HistoryControlId id;
  std::string_view name;
  HistoryControlKind kind;
  std::wstring_view text;
  Box layout;  // inside a panel, relative to it
  int tabIndex;
  HistoryControlId parent;  // none: the dialog itself
};

inline constexpr std::wstring_view historyTitle = L"History";
// Dialog units; the window's size is both its least and its largest, so it cannot be resized.
inline constexpr Size historyClientLayoutSize{284, 262};
inline constexpr Size historyWindowLayoutSize{300, 300};

// Each panel before the button it holds.
std::span<const HistoryControlSpec> historyControls();
const HistoryControlSpec& historyControlSpec(HistoryControlId id);

// The dialog's own controls, front to back.
std::span<const HistoryControlId> historyStackingOrder();

// Panels take no focus: Tab visits the list, then each panel's button in the panel's place.
std::span<const HistoryControlId> historyTabOrder();
HistoryControlId nextInHistoryTabOrder(HistoryControlId current, bool backwards);

}  // namespace Lmr::ui
