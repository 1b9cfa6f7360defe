#pragma once
#include <windows.h>

#include <array>

#include "ports/colour_chooser_port.h"

namespace Lmr::win32 {

class ColourChooser final : public ColourChooserPort {
 public:
  explicit ColourChooser(const HWND& owner) : owner_(owner) {}
  std::optional<Argb> choose(Argb initial) override;

 private:
  const HWND& owner_;
  std::array<COLORREF, 16> customColours_{};  // kept for the run
};

}  // namespace Lmr::win32
