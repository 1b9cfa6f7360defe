#pragma once
// The magnifier: the fish-eye view of the screen around the pick point in the `pick_zoom` panel,
// redrawn at every update, the colour under the pick point handed to the readouts, and the
// fish-eye strength.
#include <functional>
#include <string_view>

#include "colour/readouts.h"
#include "pick/fish_eye.h"
#include "pick/pick_point.h"
#include "pick/view_geometry.h"
#include "ports/magnifier_port.h"
#include "ports/main_window_port.h"
#include "ports/ready_flag.h"
#include "ports/screen_port.h"
#include "ports/setting.h"

namespace Lmr {

class Magnifier {
 public:
  // Asked at the start of every update: true when a click ends the update (and with it, after
  // its first ticks, pick mode). The rule is pick mode's.
  using ClickCheck = std::function<bool()>;

  Magnifier(MainWindowPort& window, ScreenPort& screen, MagnifierPort& surfaces, const LiveSettings& settings,
            const ReadyFlag& ready, PickPoint& mpt, Readouts& readouts, ClickCheck clickEndsUpdate);
  Magnifier(const Magnifier&) = delete;
  Magnifier& operator=(const Magnifier&) = delete;

  // The idle picture, the panel's surface, the view's place in the panel and the fish-eye map;
  // done once, while the main window loads.
  void load(std::wstring_view idlePictureFile);
  // The last view drawn again, once loading has finished.
  void paintLastView();
  // The panel has a new size: the view is placed in it again and shown there.
  void dpiChanged();

  void updatePickPreview();
  void computeFishEye();
  void newFishEye(int newValue);
  void setFishEyeUpDnValue(int value);
  void fisheye_num_updn_ValueChanged(int value) { newFishEye(value); }

  int fishEye() const { return fishEye_; }
  const FishEyeMap& srows() const { return srows_; }
  const Rect32& sourceRect() const { return sourceRect_; }
  int dpi_draw_x() const { return dpi_draw_x_; }

 private:
  MainWindowPort& window_;
  ScreenPort& screen_;
  MagnifierPort& surfaces_;
  const LiveSettings& settings_;
  const ReadyFlag& ready_;
  PickPoint& mpt_;
  Readouts& readouts_;
  ClickCheck clickEndsUpdate_;

  int fishEye_ = initialFishEye;
  FishEyeMap srows_{};
  Rect32 sourceRect_{};
  int dpi_draw_x_ = 0;
};

}  // namespace Lmr
