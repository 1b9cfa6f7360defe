#pragma once
// The keys pick mode answers to, as the main window's command-key handling sees them: the key's
// virtual-key code with the held modifiers or-ed in above it.
#include <cstdint>

namespace Lmr {

inline constexpr std::int32_t keyShift = 0x10000;
inline constexpr std::int32_t keyControl = 0x20000;
inline constexpr std::int32_t keyAlt = 0x40000;

inline constexpr std::int32_t commandKeyData(std::int32_t keyCode, bool shift, bool control, bool alt) {
  return (keyCode & 0xFFFF) | (shift ? keyShift : 0) | (control ? keyControl : 0) | (alt ? keyAlt : 0);
}

enum class CommandKeyAction { None, Toggle, EndPicking, MoveLeft, MoveUp, MoveRight, MoveDown, Refresh };

// Compared as a whole: a key held with Shift, Control or Alt is none of these.
inline constexpr CommandKeyAction commandKeyAction(std::int32_t keyData) {
  switch (keyData) {
    case 13: return CommandKeyAction::Toggle;      // Enter
    case 27: return CommandKeyAction::EndPicking;  // Escape
    case 37: return CommandKeyAction::MoveLeft;
    case 38: return CommandKeyAction::MoveUp;
    case 39: return CommandKeyAction::MoveRight;
    case 40: return CommandKeyAction::MoveDown;
    case 74:                                       // J
    case 82: return CommandKeyAction::Refresh;     // R
    default: return CommandKeyAction::None;
  }
}

}  // namespace Lmr
