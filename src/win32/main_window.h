#pragma once
// The main window: a real top-level window with the controls of the layout table. It forwards
// every event to the program's handlers and carries out what they ask. Its members are defined by
// topic: building and the window's own messages (main_window.cpp), the controls' events
// (main_window_controls.cpp), the fields and swatches (main_window_fields.cpp), the message loop
// and keys (main_window_loop.cpp), showing, activating and the pick timer
// (main_window_visibility.cpp), tooltips and what a screen reader hears (main_window_help.cpp),
// the layout at the monitor's dpi (main_window_dpi.cpp), the system's colours
// (main_window_colours.cpp).
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "ports/platform.h"
#include "ui/dpi_layout.h"
#include "ui/main_window_layout.h"
#include "win32/control_tips.h"
#include "win32/handles.h"
#include "win32/popup_menu.h"
#include "win32/window_icons.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {

inline constexpr wchar_t mainWindowClassName[] = L"LumarinMainWindow";
inline constexpr DWORD mainWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
inline constexpr DWORD mainWindowExStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

class MainWindow final : public MainWindowPort {
 public:
  explicit MainWindow(HINSTANCE instance);
  ~MainWindow() override;

  void buildControls(MainWindowEvents& handlers) override;
  void detachHandlers() override { handlers_ = nullptr; }
  void setTitle(std::wstring_view title) override;
  void loadIcon(std::wstring_view fileName) override;
  void setTopmost(bool topmost) override;
  int pickZoomWidth() override;
  void show() override;
  void runMessageLoop() override;
  std::wstring text(ui::ControlId field) override;
  void setText(ui::ControlId field, std::wstring_view text) override;
  TextSelection selection(ui::ControlId field) override;
  void select(ui::ControlId field, TextSelection range) override;
  void focus(ui::ControlId control) override;
  wchar_t decimalSeparator() override;
  Argb swatchColour(ui::ControlId swatch) override;
  void setSwatchColour(ui::ControlId swatch, Argb colour) override;
  Rect32 windowRect() override;
  void setFishEyeValue(int value) override;
  bool defaultCommandKey(std::int32_t keyData) override;
  void restore() override;
  void hide() override;
  void minimize() override;
  bool isShown() override { return IsWindowVisible(window_) != FALSE; }
  int clientWidth() override;
  void activate() override;
  void bringToForeground() override;
  std::uint32_t startTimer(WindowTimer timer, std::uint32_t periodMs) override;
  void stopTimer(std::uint32_t timerId) override;
  void showTooltips(bool on) override;
  std::optional<std::size_t> chooseFromMenu(std::span<const MenuLine> lines, Point32 at) override {
    return choiceFromPopupMenu(window_, lines, at);
  }
  void announceValueChange(ui::ControlId control) override;

  // The window's handle while it exists.
  HWND handle() const { return window_; }

  // Called by the window's procedure (see window_routing.h).
  void attachWindow(HWND window) { window_.attach(window); }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND control(ui::ControlId id) const;
  // The program's icon file, once the window shows it.
  const std::wstring& iconFile() const { return icons_.file(); }
  int dpi() const { return dpi_; }

 private:
  // Controls' events (main_window_controls.cpp).
  void routeControlMessages(HWND control);
  static LRESULT CALLBACK controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleControlMessage(HWND control, ui::ControlId id, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT callControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  void forwardMousePress(ui::ControlId id, LPARAM lParam);
  void forwardMouseRelease(HWND control, ui::ControlId id, UINT message, LPARAM lParam);
  void forwardMouseEnter(HWND control, ui::ControlId id);
  void forwardCopyAsMenu(HWND control, LPARAM lParam);
  bool setPointerShape(ui::ControlId id);
  LRESULT paintPanel(HWND panel, ui::ControlId id);
  void eraseBackground(HWND control, ui::ControlId id, HDC dc);

  // The window's own messages (main_window.cpp).
  void handleCommand(ui::ControlId id, int notification);
  static std::size_t swatchIndex(ui::ControlId swatch);
  void forgetShownText(ui::ControlId field);

  // Closing (main_window_visibility.cpp).
  void requestClose();
  void endSession();

  // Keys (main_window_loop.cpp).
  bool isOwnKeyPress(const MSG& message) const;
  bool handleCommandKey(const MSG& message);
  bool moveFocusByTab(const MSG& message);

  void createWindow();
  void createControls();
  HWND createControl(const ui::ControlSpec& spec);
  HWND createNumericUpDown(const ui::ControlSpec& spec, const ui::Box& box);
  void applyStackingOrder();
  void addTooltips();
  void scaleTooltips();

  // The layout for the dpi of the monitor the window is on (main_window_dpi.cpp).
  struct Layout {
    ui::MainWindowGeometry geometry;
    ui::Size windowSize{};  // frame included
  };
  void makeFonts();
  Layout layoutAt(int dpi, HFONT dialogFont) const;
  void takeGeometry();
  ui::Size windowSizeAt(int dpi) const;
  void placeWindow(std::optional<POINT> topLeft);
  void dpiChanged(WPARAM wParam, LPARAM lParam);
  void layOutForDpi(int dpi, POINT topLeft);
  static void registerClasses(HINSTANCE instance);

  // The system's colours, changed while the window runs (main_window_colours.cpp).
  void makeFaceBrush();
  void systemColoursChanged(UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  RoutedWindow window_;
  MainWindowEvents* handlers_ = nullptr;
  int dpi_ = 96;
  Font dialogFont_;
  Font upDownFont_;
  Brush faceBrush_;
  std::array<Argb, 2> swatchColours_{0xFFFFFFFF, 0xFFFFFFFF};  // current, previous
  std::array<Brush, 2> swatchBrushes_;
  WindowIcons icons_;
  bool upDownWired_ = false;
  int upDownValue_ = 7;
  std::array<HWND, ui::mainWindowControlCount> controls_{};
  std::array<std::optional<std::wstring>, ui::mainWindowControlCount> shownTexts_{};  // as last read, until a field changes
  HWND hoveredControl_ = nullptr;
  ui::MainWindowGeometry geometry_;  // of the layout at dpi_
  ui::Size windowSize_{};
  bool closingByUser_ = false;  // the close comes from the title bar, the system menu or Alt+F4
  ControlTips tips_;
};

}  // namespace Lmr::win32
