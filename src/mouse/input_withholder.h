#pragma once
// What the mouse hook keeps from the window under the pointer while the program picks: the click
// that picks, its release and the wheel steps that set the magnifier's strength must not also act
// on the program being picked from. Portable: the hook translates its messages into these events.
#include <concepts>
#include <cstdint>

namespace Lmr {

enum class MouseInput : std::uint8_t { move, press, release, wheel, other };
// The buttons whose press counts as a click.
enum class MouseButton : std::uint8_t { left, right, middle };

struct MouseEvent {
  MouseInput input;
  MouseButton button = MouseButton::left;  // of a press or release
};

class InputWithholder {
 public:
  // Whether `event` is kept from the window under the pointer. `monitoring`: the record is being
  // watched. `overAnotherProgram()` says whether that window belongs to another process; it is
  // asked only for a press or a wheel step while monitoring, so moves never pay for the lookup.
  // A press kept back has its release kept back too, whenever it comes. A press passed on to the
  // program's own window while monitoring has its release passed on, unless `pressTargetGone()`
  // says that window has left the screen meanwhile (the frozen picture, gone with the pick its
  // press ended) and the release would reach another program's window instead; it is asked only
  // for such a release.
  template <std::predicate Lookup, std::predicate TargetGone>
  bool holdsBack(MouseEvent event, bool monitoring, Lookup&& overAnotherProgram, TargetGone&& pressTargetGone) {
    switch (event.input) {
      case MouseInput::press:
        return pressed(event.button, monitoring, monitoring && overAnotherProgram());
      case MouseInput::release:
        return released(event.button, pressTargetGone);
      case MouseInput::wheel:
        return monitoring && overAnotherProgram();
      default:
        return false;
    }
  }
  // Whether a press was kept back, or went to the program's own window, and its release has not
  // come yet.
  bool awaitsReleases() const { return (heldButtons_ | ownButtons_) != 0; }

 private:
  bool pressed(MouseButton button, bool monitoring, bool holdBack);
  template <std::predicate TargetGone>
  bool released(MouseButton button, TargetGone& pressTargetGone) {
    const bool held = takeMark(heldButtons_, button);
    const bool own = takeMark(ownButtons_, button);
    return held || (own && pressTargetGone());
  }
  static bool takeMark(std::uint8_t& marks, MouseButton button);

  std::uint8_t heldButtons_ = 0;  // a bit per MouseButton: kept back
  std::uint8_t ownButtons_ = 0;   // a bit per MouseButton: passed to the program's own window
};

}  // namespace Lmr
