#include "mouse/input_withholder.h"

namespace Lmr {
namespace {

std::uint8_t bitOf(MouseButton button) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(button)); }

}  // namespace

// A press decides for its own release: one passed on elsewhere clears a mark left by a release
// the hook never saw, so the pair it starts reaches the window whole.
bool InputWithholder::pressed(MouseButton button, bool monitoring, bool holdBack) {
  takeMark(heldButtons_, button);
  takeMark(ownButtons_, button);
  if (holdBack)
    heldButtons_ |= bitOf(button);
  else if (monitoring)
    ownButtons_ |= bitOf(button);
  return holdBack;
}

bool InputWithholder::takeMark(std::uint8_t& marks, MouseButton button) {
  const bool marked = (marks & bitOf(button)) != 0;
  marks &= static_cast<std::uint8_t>(~bitOf(button));
  return marked;
}

}  // namespace Lmr
