#pragma once
#include <optional>

#include "ports/argb.h"

namespace Lmr {

// The system colour chooser.
class ColourChooserPort {
 public:
  virtual ~ColourChooserPort() = default;
  // Shows the chooser modally over the main window, preset to `initial`; the chosen colour after
  // OK, none after Cancel.
  virtual std::optional<Argb> choose(Argb initial) = 0;
};

}  // namespace Lmr
