#pragma once
// The rules of the main window's life: its tray messages and menu, and what a close comes to. Plain
// numbers, as the window system delivers them.
#include <cstdint>
#include <span>

#include "ports/main_window_events.h"
#include "ports/tray_port.h"
#include "ports/window_messages.h"

namespace Lmr {

// The first private window message plus 200: the tray icon's mouse input.
inline constexpr std::uint32_t trayCallbackMessage = 1224;
inline constexpr std::uint32_t trayIconId = 100;

// What happened over the tray icon, as the callback's second parameter says.
inline constexpr std::intptr_t leftButtonPressed = 513;
inline constexpr std::intptr_t rightButtonPressed = 516;

enum TrayCommand : std::uint16_t { showCommand = 1024, pickCommand = 1025, optionsCommand = 1026, exitCommand = 1027 };

// Built afresh at each opening: four plain items, no separators.
std::span<const TrayMenuItem> trayMenuItems();

// What a request to close the main window comes to.
enum class CloseOutcome { Close, CloseWithoutShutdownSteps, Hide, Minimize };
CloseOutcome closeOutcomeFor(bool ready, CloseReason reason, bool closeButtonMinimizes, bool minimizeToTray);

}  // namespace Lmr
