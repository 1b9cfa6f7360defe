#pragma once
// Looking a control up in a window's table of controls.
#include <span>
#include <stdexcept>

namespace Lmr::ui {

// The entry of `controls` whose `id` is `id`; a table without it is a programming error.
template <class Spec>
const Spec& specWithId(std::span<const Spec> controls, decltype(Spec::id) id) {
  for (const Spec& control : controls)
    if (control.id == id) return control;
  throw std::out_of_range("unknown control");
}

}  // namespace Lmr::ui
