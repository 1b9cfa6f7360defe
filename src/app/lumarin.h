#pragma once
// The main window's behaviour: start-up, the load step, and the handlers its controls are wired
// to. Its members are defined by subsystem: start-up here (app/lumarin.cpp), the readouts in
// colour/readouts.cpp, the history in colour/colour_history.cpp, the magnifier in
// pick/magnifier.cpp, pick mode in pick/pick_mode.cpp, the snapshot window in pick/snapshot.cpp,
// the window's messages and life in app/window_life.cpp.
#include <cstdint>
#include <memory>
#include <string_view>

#include "app/options.h"
#include "ports/platform.h"
#include "app/window_messages.h"
#include "ports/argb.h"
#include "pick/command_keys.h"
#include "pick/fish_eye.h"
#include "ports/pt_type.h"
#include "pick/view_geometry.h"

namespace Lmr {

class History;

inline constexpr Argb initialPickColour = 0xFFA31515;

class Lumarin final : public MainWindowEvents {
 public:
  // Single-instance guard, program directory, controls, required files. When it ends early (a
  // running instance was brought forward, or a file is missing) `startedUp()` is false and the
  // process ends with code 0.
  explicit Lumarin(Platform& platform);
  Lumarin(const Lumarin&) = delete;
  Lumarin& operator=(const Lumarin&) = delete;
  ~Lumarin();

  static Lumarin* getInstance();
  static bool writeMissingEmbededResources(ProcessPort& process, bool silent);

  bool startedUp() const { return startedUp_; }
  // The load step, run once before the window is first shown. False when the program must end.
  bool Lumarin_Load();

  // Paint: once loading has finished, the magnifier panel shows the last view again.
  void paintLastView() override;

  // The window's messages, the tray icon, minimising and closing (app/window_life.cpp).
  void WndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  void initTrayIcon();
  // True when the close is cancelled (the window is hidden or minimised instead).
  bool Lumarin_FormClosing(CloseReason reason) override;
  void Lumarin_Resize() override;
  void Lumarin_Move() override;

  // The snapshot window (pick/snapshot.cpp).
  void initScreenshotPreviewWindow();
  void freezeScreen();
  void hideScreenshot();
  void snapshotPressed();
  void quitFromSnapshot();

  // Pick mode (pick/pick_mode.cpp).
  void togglePicking();
  void updatePickPreviewWrapper();
  // Sees every key pressed in the window before its focused control; returns what the window's
  // own command-key handling returns, never taking a key itself.
  bool ProcessCmdKey(std::uint32_t message, std::int32_t keyData) override;
  void btn_pick_MouseDown() override;
  void btn_pick_MouseUp() override;
  void btn_pick_Click() override {}  // activating PICK from the keyboard does nothing: Enter picks
  void pick_zoom_MouseDown(int x, int y) override;
  void pick_zoom_MouseMove(int x, int y) override;
  void pick_zoom_MouseUp() override;

  // Colour history (colour/colour_history.cpp).
  void sendPickedColorToHistory();
  void sendPickedColorToHistoryHelper();
  void color_previous_Click() override;

  // Options.
  void options_btn_Click() override;

  // Readouts (colour/readouts.cpp).
  void updateTextHexDisplay();
  void parseColorFromHexField();
  void parseColorFromRgbField();
  void setKbdInputModeFromKeyCode(std::int32_t keyCode);
  void deselectEachField();
  void SetTextBoxText(ui::ControlId textBox, std::wstring_view text);
  void out_hex_TextChanged() override {}
  void out_rgb_TextChanged() override {}
  void out_hex_KeyUp(std::int32_t keyCode) override;
  void out_rgb_KeyUp(std::int32_t keyCode) override;
  void out_hex_MouseEnter() override;
  void out_rgb_MouseEnter() override;
  void out_hsl_MouseEnter() override;
  void copy_hex_Click() override;
  void copy_rgb_Click() override;
  void copy_hsb_Click() override;
  void color_current_Click() override;

  // Magnifier (pick/magnifier.cpp).
  void updatePickPreview();
  void computeFishEye();
  void newFishEye(int newValue);
  void setFishEyeUpDnValue(int value);
  void fisheye_num_updn_ValueChanged(int value) override;

  // Process-wide state of the picking engine and the readouts (one main window per process).
  bool is_picking = false;
  bool panning = false;
  bool bInitialized = false;
  bool pick_from_wnd_created = false;
  bool keyboardColorInput = false;
  std::int32_t threadLoopCount = 0;
  std::uint32_t uMyTimerId = 0;
  std::int32_t sx = 0, sy = 0;
  pt_type mpt{};
  Argb g_pick_clr = 0;
  Rect32 sourceRect{};
  int dpi_draw_x = 0;
  int fishEye = initialFishEye;
  FishEyeMap srows{};

  // The options dialog, whose check boxes are the live settings; made in the load step.
  std::unique_ptr<Options> opt_frm;
  // The history dialog, whose list is the colour history; made in the load step.
  std::unique_ptr<History> hist_frm;

 private:
  bool guardSingleInstance();
  bool settingOn(Setting setting) const { return opt_frm && opt_frm->isOn(setting); }
  void copyField(ui::ControlId field);
  void selectOnHover(ui::ControlId field);
  void setCurrentColour(Argb colour);
  void startPicking();
  void endPicking();
  void runCommandKey(CommandKeyAction action);
  void movePickPoint(std::int32_t dx, std::int32_t dy);
  void trayMenuCommand(std::uint16_t command);
  void trayIconInput(std::intptr_t mouseMessage);

  Platform& platform_;
  bool startedUp_ = false;
  bool pickingAtPress_ = false;  // pick mode was on when PICK was last pressed
  std::uint32_t trayRestarted_ = 0;  // the message of a restarted tray

  static bool instanceCreated;
  static Lumarin* selfInstance;
};

}  // namespace Lmr
