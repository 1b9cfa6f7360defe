#pragma once
// Pick mode: while it is on, the main window stays in front, the mouse monitor follows the
// pointer, and a 32 ms timer updates the magnifier and the readouts from the colour under the
// pick point, until a click, a key or the PICK button ends it: the pick. Also the keys and drags
// that move the pick point outside pick mode, and picking while the window moves.
#include <cstdint>

#include "colour/colour_history.h"
#include "colour/readouts.h"
#include "pick/command_keys.h"
#include "pick/magnifier.h"
#include "pick/pick_point.h"
#include "pick/snapshot.h"
#include "ports/main_window_port.h"
#include "ports/mouse_monitor_port.h"
#include "ports/process_port.h"
#include "ports/ready_flag.h"
#include "ports/setting.h"

namespace Lmr {

class PickMode {
 public:
  // Pick mode switches the window's topmost state, timer and activation, starts and stops the
  // monitor, and clears the ready flag while it toggles. It files the colour shown so far in the
  // history at every start, freezes the screen when the setting says so, and leaves the keys to
  // a colour being typed.
  PickMode(MainWindowPort& window, MouseMonitorPort& mouse, ProcessPort& process, const LiveSettings& settings,
           ReadyFlag& ready, PickPoint& mpt, Magnifier& magnifier, ColourHistory& history, Snapshot& snapshot,
           const Readouts& readouts);
  PickMode(const PickMode&) = delete;
  PickMode& operator=(const PickMode&) = delete;
  // The tray's Exit ends the program with pick mode on: the monitor must write no more into the
  // pick point, which ends with the program's object.
  ~PickMode();

  bool is_picking() const { return is_picking_; }
  std::int32_t threadLoopCount() const { return threadLoopCount_; }
  std::uint32_t uMyTimerId() const { return uMyTimerId_; }
  bool panning() const { return panning_; }

  void togglePicking();
  void updatePickPreviewWrapper();
  // At the start of every magnifier update: clicks in the first ticks are dropped (the click
  // that started pick mode must not end it); a later one ends pick mode. True when it ended the
  // update.
  bool clickEndsUpdate();
  // A real close during pick mode: pick mode counts as off from here, nothing else is undone.
  // True when it was on.
  bool dropForClose();

  // Sees every key pressed in the window before its focused control; returns what the window's
  // own command-key handling returns, never taking a key itself.
  bool ProcessCmdKey(std::uint32_t message, std::int32_t keyData);
  void btn_pick_MouseDown();
  void btn_pick_MouseUp();
  void btn_pick_Click() {}  // activating PICK from the keyboard does nothing: Enter picks
  void pick_zoom_MouseDown(int x, int y);
  void pick_zoom_MouseMove(int x, int y);
  void pick_zoom_MouseUp() { panning_ = false; }
  void Lumarin_Move();
  // A press on the frozen picture.
  void snapshotPressed();

 private:
  void startPicking();
  void endPicking();
  void runCommandKey(CommandKeyAction action);
  void movePickPoint(std::int32_t dx, std::int32_t dy);

  MainWindowPort& window_;
  MouseMonitorPort& mouse_;
  ProcessPort& process_;
  const LiveSettings& settings_;
  ReadyFlag& ready_;
  PickPoint& mpt_;
  Magnifier& magnifier_;
  ColourHistory& history_;
  Snapshot& snapshot_;
  const Readouts& readouts_;

  bool is_picking_ = false;
  std::int32_t threadLoopCount_ = 0;
  std::uint32_t uMyTimerId_ = 0;
  bool panning_ = false;
  std::int32_t sx = 0, sy = 0;
  bool pickingAtPress_ = false;  // pick mode was on when PICK was last pressed
};

}  // namespace Lmr
