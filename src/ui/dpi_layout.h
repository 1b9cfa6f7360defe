#pragma once
// The main window's geometry at a given dpi: the same table and rounding whether the window
// starts on a monitor or arrives on it later, so both give the same layout.
#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "ui/main_window_layout.h"

namespace Lmr::ui {

// The range of dots per inch a window is laid out for: 100 % to 500 %.
inline constexpr int lowestDpi = 96;
inline constexpr int highestDpi = 480;

// A dpi the system reports, made fit to lay out for: none for 0 or less (nothing to go by),
// otherwise clamped to lowestDpi..highestDpi.
std::optional<int> usableDpi(long long reported);

// Where a window goes when the system moves it to a monitor of another dpi: the suggested
// rectangle's top-left corner, the dpi made usable. None when the dpi or the rectangle (empty)
// says nothing usable: the window then stays as it is.
struct DpiMove {
  int dpi = 0;
  Point topLeft{};
  friend bool operator==(const DpiMove&, const DpiMove&) = default;
};
std::optional<DpiMove> dpiMoveFrom(long long reportedDpi, const Box& suggested);

struct MainWindowGeometry {
  std::array<Box, mainWindowControlCount> boxes{};  // in the order of mainWindowControls()
  Size client{};                // encloses every control with its margin
  Size minimum{}, maximum{};    // the window's limits, frame included
};

// A label's size in the dialog font made for the same dpi.
using LabelExtent = std::function<Size(std::wstring_view text)>;
MainWindowGeometry mainWindowGeometry(int dpi, const LabelExtent& labelExtent);

}  // namespace Lmr::ui
