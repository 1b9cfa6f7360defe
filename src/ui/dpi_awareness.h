#pragma once
// The process asks for the best awareness of the dots per inch the system offers: per monitor
// (version 2, which also scales the frame and the dialogs), else per monitor, else the system's.
#include "ports/dpi_awareness_port.h"

namespace Lmr::ui {

// Tries each way in that order until one is taken, or until the awareness is found set already
// (by the manifest), which then stays. Returns the awareness the process ends up with: Unaware
// when every way is refused.
DpiAwareness becomeDpiAware(DpiAwarenessPort& port);

}  // namespace Lmr::ui
