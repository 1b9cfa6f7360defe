#pragma once
#include "ports/pt_type.h"

namespace Lmr {

// The mouse position monitor library.
class MouseMonitorPort {
 public:
  virtual ~MouseMonitorPort() = default;
  // Loads the library from the program's own folder and looks up its entry points.
  virtual bool load() = 0;
  virtual int begin(pt_type* record) = 0;
  virtual int end() = 0;
};

}  // namespace Lmr
