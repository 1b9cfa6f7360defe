#pragma once
// The main window's controls: kinds, texts, design geometry (for 144 dpi), stacking, tab order,
// looks, and the scaling to the screen's dots per inch.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "ports/control_id.h"

namespace Lmr::ui {

inline constexpr int designDpi = 144;

struct Point { int x = 0, y = 0; friend bool operator==(const Point&, const Point&) = default; };
struct Size { int width = 0, height = 0; friend bool operator==(const Size&, const Size&) = default; };
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
  friend bool operator==(const Box&, const Box&) = default;
};

enum class ControlKind { Label, TextBox, Button, Panel, NumericUpDown };
enum class PointerShape { Arrow, SizeAll, Hand, Cross };

struct ControlSpec {
  ControlId id;
  std::string_view name;
  ControlKind kind;
  std::wstring_view text;
  Box design;          // for a label the size is fitted to its text at run time
  int tabIndex;
  bool border;
  bool whiteBackground;
  PointerShape pointer;
};

// Every control, in the order the window lists them (top row first).
std::span<const ControlSpec> mainWindowControls();
const ControlSpec& controlSpec(ControlId id);

// Front to back.
std::span<const ControlId> stackingOrder();

// Controls the Tab key visits, in order: by tab index; on a shared index, the one nearer the
// front of the stacking order first. Labels and panels take no focus.
std::span<const ControlId> tabOrder();
bool takesFocus(ControlKind kind);

// The main window's controls, so tables indexed by control can be sized by them.
inline constexpr std::size_t mainWindowControlCount = 17;

// Every control but the labels keeps this margin on all sides, which counts in the window's size.
inline constexpr int controlMargin = 4;

inline constexpr Size minimumWindowSize{313, 561};
inline constexpr Size maximumWindowSize{1285, 2325};

// A figure laid out for `fromDpi`, at `dpi`: rounded half away from zero, as the system's MulDiv.
int scaleBetweenDpis(int figure, int dpi, int fromDpi);

// Design units to pixels: scaled by dpi / 144, rounded half up.
int scaleToDpi(int designUnits, int dpi);
Box scaleToDpi(const Box& design, int dpi);
Size scaleToDpi(const Size& design, int dpi);

// The client area that encloses every control with its margin, given the controls' final boxes
// (already scaled, labels fitted) and the scaled margin.
Size enclosingClientSize(std::span<const Box> boxes, std::span<const bool> hasMargin, int margin);

}  // namespace Lmr::ui
