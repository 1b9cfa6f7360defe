#include "ui/history_layout.h"

#include <array>

#include "ui/control_table.h"
#include "ui/nested_tab_order.h"

namespace Lmr::ui {
namespace {

using K = HistoryControlKind;
using I = HistoryControlId;

// The Select button sits in the middle of the colour it selects, Cancel in the middle of the one
// that stays.
constexpr std::array<HistoryControlSpec, 5> kControls{{
    {I::hist_list, "hist_list", K::ListBox, L"", {12, 12, 120, 238}, 0, I::none},
    {I::preview, "preview", K::Panel, L"", {138, 12, 134, 116}, 2, I::none},
    {I::select_btn, "select_btn", K::Button, L"Select", {42, 48, 50, 23}, 3, I::preview},
    {I::prev_clr, "prev_clr", K::Panel, L"", {138, 125, 134, 125}, 1, I::none},
    {I::cancel_btn, "cancel_btn", K::Button, L"Cancel", {42, 54, 50, 23}, 4, I::prev_clr},
}};

// The preview covers the top three units of the returned colour.
constexpr std::array<HistoryControlId, 3> kStacking{I::preview, I::prev_clr, I::hist_list};

}  // namespace

std::span<const HistoryControlSpec> historyControls() { return kControls; }

const HistoryControlSpec& historyControlSpec(HistoryControlId id) { return specWithId<HistoryControlSpec>(kControls, id); }

std::span<const HistoryControlId> historyStackingOrder() { return kStacking; }

std::span<const HistoryControlId> historyTabOrder() {
  static const auto order =
      nestedTabOrder(kControls, I::none, [](const HistoryControlSpec& spec) { return spec.kind != K::Panel; });
  return order.view();
}

HistoryControlId nextInHistoryTabOrder(HistoryControlId current, bool backwards) {
  return nextInOrder(historyTabOrder(), current, backwards);
}

}  // namespace Lmr::ui
