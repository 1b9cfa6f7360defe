#pragma once
// The window messages the program acts on, as plain numbers the way the window system delivers
// them.
#include <cstdint>

namespace Lmr {

inline constexpr std::uint32_t createMessage = 1;
inline constexpr std::uint32_t destroyMessage = 2;
inline constexpr std::uint32_t paintMessage = 15;
inline constexpr std::uint32_t keyDownMessage = 0x100;
inline constexpr std::uint32_t commandMessage = 273;
inline constexpr std::uint32_t timerMessage = 275;
inline constexpr std::uint32_t leftPressMessage = 0x201;
inline constexpr std::uint32_t rightPressMessage = 0x204;
inline constexpr std::uint32_t dpiChangedMessage = 0x2E0;

// The main window's timers: pick mode's update, and the tray icon asked for again while the tray
// is not ready (at sign-in).
enum class WindowTimer : std::uint32_t { pick = 1, trayRetry = 2 };

}  // namespace Lmr
