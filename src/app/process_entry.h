#pragma once
// The life of the process from its entry to its end.
#include <span>
#include <string>

#include "ports/platform.h"

namespace Lmr {

// Handles the command-line switches, starts up, loads, shows the main window and runs its message
// loop. Every way it ends gives exit code 0.
int runProcess(std::span<const std::wstring> args, Platform& platform);

}  // namespace Lmr
