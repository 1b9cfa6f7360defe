#pragma once
// The main window object, one per process. It owns the two dialogs and the subsystems, runs the
// load step, and hands each of the window's events to the subsystem that owns it: pick mode
// drives the magnifier, which shows the colour under the pick point in the readouts; "Copy as"
// copies the current colour through its monitor's profile; the colour history files the colour
// shown so far; the snapshot window freezes the screen; the window's life covers its messages,
// the tray and closing.
#include "app/command_line.h"
#include "app/options.h"
#include "app/window_life.h"
#include "colour/colour_history.h"
#include "colour/copy_as.h"
#include "colour/history.h"
#include "colour/readouts.h"
#include "pick/magnifier.h"
#include "pick/pick_mode.h"
#include "pick/pick_point.h"
#include "pick/snapshot.h"
#include "ports/platform.h"
#include "ports/ready_flag.h"

namespace Lmr {

class Lumarin final : public MainWindowEvents {
 public:
  // Single-instance guard, program directory, controls, required files. When it ends early (a
  // running instance was brought forward, or a file is missing) `startedUp()` is false and the
  // process ends with code 0. A further object in the same process is a bare window. Started for
  // a pick, a second start hands the request on to the running program.
  explicit Lumarin(Platform& platform, StartAction action = StartAction::Run);
  Lumarin(const Lumarin&) = delete;
  Lumarin& operator=(const Lumarin&) = delete;
  ~Lumarin();

  static Lumarin* getInstance();
  static bool writeMissingEmbededResources(ProcessPort& process, bool silent);
  bool startedUp() const { return startedUp_; }
  // The load step, run once before the window is first shown. False when the program must end.
  bool Lumarin_Load();

  const ReadyFlag& ready() const { return ready_; }
  const PickMode& pickMode() const { return pickMode_; }
  const Magnifier& magnifier() const { return magnifier_; }
  const Readouts& readouts() const { return readouts_; }

  // The snapshot window's events.
  void snapshotPressed() { pickMode_.snapshotPressed(); }
  // "--pick", given to this start or handed on by a later one.
  void pickOnRequest() { windowLife_.pickOnRequest(); }
  void quitFromSnapshot() { windowLife_.quitFromSnapshot(); }

  // The main window's events, each handed to its subsystem.
  void WndProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  void paintLastView() override { magnifier_.paintLastView(); }
  bool Lumarin_FormClosing(CloseReason reason) override { return windowLife_.Lumarin_FormClosing(reason); }
  void Lumarin_Resize() override { windowLife_.Lumarin_Resize(); }
  void Lumarin_Move() override { pickMode_.Lumarin_Move(); }
  void Lumarin_DpiChanged() override { magnifier_.dpiChanged(); }
  bool ProcessCmdKey(std::uint32_t message, std::int32_t keyData) override;
  void btn_pick_MouseDown() override { pickMode_.btn_pick_MouseDown(); }
  void btn_pick_MouseUp() override { pickMode_.btn_pick_MouseUp(); }
  void btn_pick_Click() override { pickMode_.btn_pick_Click(); }
  void pick_zoom_MouseDown(int x, int y) override { pickMode_.pick_zoom_MouseDown(x, y); }
  void pick_zoom_MouseMove(int x, int y) override { pickMode_.pick_zoom_MouseMove(x, y); }
  void pick_zoom_MouseUp() override { pickMode_.pick_zoom_MouseUp(); }
  void fisheye_num_updn_ValueChanged(int value) override { magnifier_.fisheye_num_updn_ValueChanged(value); }
  void options_btn_Click() override { windowLife_.options_btn_Click(); }
  void color_previous_Click() override { colourHistory_.color_previous_Click(); }
  void color_current_Click() override { readouts_.color_current_Click(); }
  void out_hex_TextChanged() override { readouts_.out_hex_TextChanged(); }
  void out_rgb_TextChanged() override { readouts_.out_rgb_TextChanged(); }
  void out_hex_KeyUp(std::int32_t keyCode) override { readouts_.out_hex_KeyUp(keyCode); }
  void out_rgb_KeyUp(std::int32_t keyCode) override { readouts_.out_rgb_KeyUp(keyCode); }
  void out_hex_MouseEnter() override { readouts_.out_hex_MouseEnter(); }
  void out_rgb_MouseEnter() override { readouts_.out_rgb_MouseEnter(); }
  void out_hsl_MouseEnter() override { readouts_.out_hsl_MouseEnter(); }
  void copy_hex_Click() override { readouts_.copy_hex_Click(); }
  void copy_rgb_Click() override { readouts_.copy_rgb_Click(); }
  void copy_hsb_Click() override { readouts_.copy_hsb_Click(); }
  void copyAsMenuRequested(Point32 at) override { copyAs_.copyAsMenuRequested(at); }

 private:
  bool guardSingleInstance(StartAction action);

  Platform& platform_;
  bool startedUp_ = false;
  ReadyFlag ready_;
  Options opt_frm;   // its check boxes are the live settings
  History hist_frm;  // its list is the colour history
  PickPoint mpt;
  Readouts readouts_;
  CopyAs copyAs_;
  ColourHistory colourHistory_;
  Snapshot snapshot_;
  Magnifier magnifier_;
  PickMode pickMode_;
  WindowLife windowLife_;

  static bool instanceCreated;
  static Lumarin* selfInstance;
};

}  // namespace Lmr
