#pragma once
// A run of the program set up for picking: its window out of the way at (600, 300), the driver's
// test pattern at the screen's top-left, and the ways a user starts, steers and ends a pick.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "harness.h"
#include "pattern_window.h"
#include "ui/main_window_layout.h"

namespace e2e {

inline constexpr POINT mainWindowPlace{600, 300};

class PickingSession {
 public:
  explicit PickingSession(const ScratchFolder& folder);
  PickingSession(const PickingSession&) = delete;
  PickingSession& operator=(const PickingSession&) = delete;
  // Closes the program as its close box does; it must end with code 0.
  ~PickingSession();

  bool ready() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  HWND control(Lmr::ui::ControlId id) const { return GetDlgItem(window_, static_cast<int>(id)); }
  const Program& program() const { return *program_; }
  Program& program() { return *program_; }
  PatternWindow& pattern() { return pattern_; }

  // Pick mode shows as the window being always on top.
  bool picking() const;
  bool pickingBecomes(bool on) const;
  // A key pressed in the main window, as the keyboard delivers it to its message loop.
  void pressKey(WORD key) const;
  std::wstring text(Lmr::ui::ControlId field) const { return windowText(control(field)); }
  // Waits for the hex field to show the colour 0x00RRGGBB.
  bool hexShows(std::uint32_t colour, Clock::duration limit = 3s) const;
  // Lets pick mode run past the ticks in which a click does not count, counting ticks by what
  // the readouts show rather than by the clock, which a loaded machine's timer falls behind.
  // Leaves the pointer on the pattern's pixel (x, y), the pattern standing at `origin`.
  bool outlastClickGrace(int x, int y, std::uint32_t variant = firstPattern, POINT origin = {0, 0}) const;
  // One whole pick of the pattern's pixel (x, y): Enter, the pointer there, Enter once the
  // readouts show it.
  bool pickPatternAt(int x, int y, std::uint32_t variant = firstPattern);
  // A right click on the current colour's swatch opens "Copy as", and its item of access key
  // `key` is chosen from the keyboard: what the clipboard then holds, as the Linux side reads it.
  std::wstring copyAs(WORD key) const;
  POINT centreOf(Lmr::ui::ControlId id) const;
  bool moveWindowTo(int left, int top) const;

 private:
  std::optional<Program> program_;
  HWND window_ = nullptr;
  PatternWindow pattern_;
};

// The hex text of a colour 0x00RRGGBB.
std::wstring hexOf(std::uint32_t colour);

}  // namespace e2e
