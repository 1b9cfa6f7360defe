#include "ui/dpi_awareness.h"

namespace Lmr::ui {

DpiAwareness becomeDpiAware(DpiAwarenessPort& port) {
  using Step = DpiStep (DpiAwarenessPort::*)();
  struct Way { Step step; DpiAwareness awareness; };
  static constexpr Way ways[] = {
      {&DpiAwarenessPort::setPerMonitorV2, DpiAwareness::PerMonitorV2},
      {&DpiAwarenessPort::setPerMonitor, DpiAwareness::PerMonitor},
      {&DpiAwarenessPort::setSystemAware, DpiAwareness::System},
  };
  for (const Way& way : ways) {
    // Set before (the manifest names the same chain, best first): asking further would only be
    // refused too, and must not lower what the system chose.
    switch ((port.*way.step)()) {
      case DpiStep::Taken: return way.awareness;
      case DpiStep::AlreadySet: return port.current();
      case DpiStep::Refused: break;
    }
  }
  return DpiAwareness::Unaware;
}

}  // namespace Lmr::ui
