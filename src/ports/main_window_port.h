#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ports/argb.h"
#include "ports/control_id.h"
#include "ports/geometry.h"
#include "ports/main_window_events.h"
#include "ports/text_selection.h"
#include "ports/window_messages.h"

namespace Lmr {

// A line of a popup menu; a disabled one shows greyed and cannot be chosen, and one without text
// is a separator.
struct MenuLine {
  std::wstring_view text;
  bool enabled = true;
};

// The main window and its controls.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  // Creates the (hidden) window and its controls; their events go to `handlers`.
  virtual void buildControls(MainWindowEvents& handlers) = 0;
  // No event goes to the handlers from here on: they are ending.
  virtual void detachHandlers() = 0;
  virtual void setTitle(std::wstring_view title) = 0;
  // Reads the icon file and gives it to the window (the system's application icon when the file
  // cannot be read as an icon).
  virtual void loadIcon(std::wstring_view fileName) = 0;
  virtual void setTopmost(bool topmost) = 0;
  // Outer width of the magnifier panel, in pixels.
  virtual int pickZoomWidth() = 0;
  virtual void show() = 0;
  // Runs the message loop until the program ends.
  virtual void runMessageLoop() = 0;

  // The text fields.
  virtual std::wstring text(ui::ControlId field) = 0;
  // Sets a field's text (also when called from another thread: the write is carried out on the
  // window's own thread, and the caller waits for it).
  virtual void setText(ui::ControlId field, std::wstring_view text) = 0;
  virtual TextSelection selection(ui::ControlId field) = 0;
  virtual void select(ui::ControlId field, TextSelection range) = 0;
  virtual void focus(ui::ControlId control) = 0;
  // The user's decimal separator for numbers shown in the fields.
  virtual wchar_t decimalSeparator() = 0;

  // The colour swatches.
  virtual Argb swatchColour(ui::ControlId swatch) = 0;
  virtual void setSwatchColour(ui::ControlId swatch, Argb colour) = 0;

  // The window's outer rectangle in screen coordinates.
  virtual Rect32 windowRect() = 0;
  // Shows a strength in the fish-eye field; the field reports a change of value as an event.
  virtual void setFishEyeValue(int value) = 0;

  // What the window's own handling does with a command key the program has seen: true when it
  // takes the key, so the focused control does not get it.
  virtual bool defaultCommandKey(std::int32_t keyData) = 0;

  // Shows the window in its restored state, also when it is hidden or minimised.
  virtual void restore() = 0;
  virtual void hide() = 0;
  virtual void minimize() = 0;
  // Shown, normal or minimised; false while hidden, also before it was first shown.
  virtual bool isShown() = 0;
  // Width of the client area: 0 while the window is minimised.
  virtual int clientWidth() = 0;
  // Makes it the active window of the program.
  virtual void activate() = 0;
  // Brings its top-level window in front of other programs' windows.
  virtual void bringToForeground() = 0;
  // A periodic timer of the window: each period arrives as a timer event through the window's
  // messages, carrying the identifier returned here, which also stops it.
  virtual std::uint32_t startTimer(WindowTimer timer, std::uint32_t periodMs) = 0;
  virtual void stopTimer(std::uint32_t timerId) = 0;

  // The controls' tooltips: off, none shows (one showing goes away) until they are on again.
  virtual void showTooltips(bool on) = 0;
  // Opens a popup menu of `lines` at `at` on the screen and waits for the user: the index of the
  // line chosen, none when the menu was dismissed. The menu is gone when this returns.
  virtual std::optional<std::size_t> chooseFromMenu(std::span<const MenuLine> lines, Point32 at) = 0;
  // Tells whoever listens (a screen reader) that a control's value, the colour it shows, changed.
  virtual void announceValueChange(ui::ControlId control) = 0;
};

}  // namespace Lmr
