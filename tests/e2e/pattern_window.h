#pragma once
// A test pattern of the driver's own on the screen, for the program to magnify and pick from:
// every pixel's colour names its place.
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <vector>

namespace e2e {

inline constexpr int patternSide = 256;
inline constexpr std::uint32_t colourMask = 0x00FFFFFF;

// Red is the column, green the row and blue a checksum of both, so every pixel names its place;
// `variant` gives a second pattern that shares no pixel with the first.
inline std::uint32_t patternAt(int x, int y, std::uint32_t variant) {
  const auto checksum = static_cast<std::uint32_t>(x * 7 + y * 3 + 0xA5) & 0xFF;
  return ((std::uint32_t(x) << 16 | std::uint32_t(y) << 8 | checksum) ^ variant) & colourMask;
}
inline constexpr std::uint32_t firstPattern = 0, secondPattern = 0x808080;
// The variant whose pixel (x, y) has the colour 0x00RRGGBB.
inline std::uint32_t variantShowing(std::uint32_t colour, int x, int y) { return patternAt(x, y, firstPattern) ^ colour; }

// Mouse messages a window received: button presses and releases, wheel turns.
struct MouseMessages {
  int presses = 0;
  int releases = 0;
  int wheelTurns = 0;
  friend bool operator==(const MouseMessages&, const MouseMessages&) = default;
};
std::ostream& operator<<(std::ostream& out, const MouseMessages& heard);

// A topmost borderless window showing the pattern, at the screen's top-left unless moved.
class PatternWindow {
 public:
  PatternWindow();
  PatternWindow(const PatternWindow&) = delete;
  PatternWindow& operator=(const PatternWindow&) = delete;
  ~PatternWindow();

  // Shows the pattern at (left, top) and waits until the screen shows it.
  bool show(std::uint32_t variant, int left = 0, int top = 0);
  // Paints another variant where the window stands, without bringing it to the front (what lies
  // under another window changes).
  void repaint(std::uint32_t variant);
  // The mouse messages the window itself received, as the program under a pick would.
  const MouseMessages& heard() const { return heard_; }
  HWND handle() const { return window_; }

 private:
  bool onScreenAt(int left, int top) const;
  void paint() const;
  void count(UINT message);
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void fill(std::uint32_t variant);

  HWND window_ = nullptr;
  std::vector<std::uint32_t> pixels_;
  MouseMessages heard_;
};

}  // namespace e2e
