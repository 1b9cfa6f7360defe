#pragma once
// The Tab order of a dialog whose containers (group boxes, panels) hold controls of their own:
// the dialog's controls by tab index, each container's controls in the container's place by
// their own tab index. Containers themselves take no focus.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

namespace Lmr::ui {

template <class Id, std::size_t N>
struct TabOrder {
  std::array<Id, N> ids{};
  std::size_t count = 0;
  std::span<const Id> view() const { return {ids.data(), count}; }
};

// `Spec` has `id`, `parent` and `tabIndex`; `takesFocus(spec)` tells the controls Tab visits.
template <class Spec, std::size_t N, class TakesFocus>
void appendTabOrder(const std::array<Spec, N>& controls, decltype(Spec::id) parent, TakesFocus takesFocus,
                    TabOrder<decltype(Spec::id), N>& order) {
  std::array<const Spec*, N> held{};
  std::size_t count = 0;
  for (const auto& control : controls)
    if (control.parent == parent) held[count++] = &control;
  std::stable_sort(held.begin(), held.begin() + count,
                   [](const Spec* a, const Spec* b) { return a->tabIndex < b->tabIndex; });
  for (std::size_t i = 0; i < count; ++i) {
    appendTabOrder(controls, held[i]->id, takesFocus, order);
    if (takesFocus(*held[i])) order.ids[order.count++] = held[i]->id;
  }
}

template <class Spec, std::size_t N, class TakesFocus>
TabOrder<decltype(Spec::id), N> nestedTabOrder(const std::array<Spec, N>& controls, decltype(Spec::id) root,
                                               TakesFocus takesFocus) {
  TabOrder<decltype(Spec::id), N> order;
  appendTabOrder(controls, root, takesFocus, order);
  return order;
}

// The control Tab (or Shift+Tab, `backwards`) moves to from `current`, round the order; from a
// control outside it, the first (or the last).
template <class Id>
Id nextInOrder(std::span<const Id> order, Id current, bool backwards) {
  const auto found = std::find(order.begin(), order.end(), current);
  if (found == order.end()) return backwards ? order.back() : order.front();
  const auto at = static_cast<std::size_t>(found - order.begin());
  return order[(backwards ? at + order.size() - 1 : at + 1) % order.size()];
}

}  // namespace Lmr::ui
