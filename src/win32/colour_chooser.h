#pragma once
#include <windows.h>

#include <array>

#include "ports/colour_chooser_port.h"
#include "win32/main_window.h"

namespace Lmr::win32 {

class ColourChooser final : public ColourChooserPort {
 public:
  explicit ColourChooser(const MainWindow& owner) : owner_(owner) {}
  std::optional<Argb> choose(Argb initial) override;

 private:
  const MainWindow& owner_;
  std::array<COLORREF, 16> customColours_{};  // kept for the run
};

}  // namespace Lmr::win32
