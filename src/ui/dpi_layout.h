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

// The main window's size, frame included: the client area of `geometry` with what the frame
// adds at that dpi (`frame`), kept within the limits. A start, a dpi change and the answer to
// what size a dpi change will give all take the size from here, so they agree.
Size mainWindowSize(const MainWindowGeometry& geometry, Size frame);

// A dialog as made, at the dpi it was made for.
struct MadeDialog {
  Size client;       // its client area
  Size window;       // frame included
  bool fixedWindow;  // the window's size is set in layout units, frame included, whatever the client asks for
  int dpi;
};
// The dialog's window size at `dpi`, where its frame adds `frame`: the client area as made, scaled,
// with that frame around it. A window of fixed size scales as a whole, frame included, since the
// layout units its size is set in scale with the dpi.
Size dialogWindowSize(const MadeDialog& made, int dpi, Size frame);

}  // namespace Lmr::ui
