#include "mouse/input_withholder.h"

namespace Lmr {
namespace {

std::uint8_t bitOf(MouseButton button) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(button)); }

}  // namespace

// A press decides for its own release: one passed on clears a mark left by a release the hook
// never saw, so the pair it starts reaches the window whole.
bool InputWithholder::pressed(MouseButton button, bool holdBack) {
  if (holdBack)
    heldButtons_ |= bitOf(button);
  else
    heldButtons_ &= static_cast<std::uint8_t>(~bitOf(button));
  return holdBack;
}

bool InputWithholder::released(MouseButton button) {
  const bool held = (heldButtons_ & bitOf(button)) != 0;
  heldButtons_ &= static_cast<std::uint8_t>(~bitOf(button));
  return held;
}

}  // namespace Lmr
