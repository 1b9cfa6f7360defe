#pragma once
// Declaring the process aware of the monitors' dots per inch, one way at a time.
namespace Lmr {

enum class DpiAwareness { Unaware, System, PerMonitor, PerMonitorV2 };

// The answer to one way of declaring the awareness.
enum class DpiStep {
  Taken,       // the process is now aware this way
  Refused,     // the system does not know this way or will not take it
  AlreadySet,  // the awareness was set before (by the manifest): it stays as it is
};

class DpiAwarenessPort {
 public:
  virtual ~DpiAwarenessPort() = default;
  virtual DpiStep setPerMonitorV2() = 0;
  virtual DpiStep setPerMonitor() = 0;
  virtual DpiStep setSystemAware() = 0;
  // The awareness the process has now.
  virtual DpiAwareness current() = 0;
};

}  // namespace Lmr
