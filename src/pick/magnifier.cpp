// The main window's magnifier: one update of the fish-eye view around the pick point, and the
// fish-eye strength.
#include <string>

#include "app/lumarin.h"
#include "pick/capture_geometry.h"
#include "pick/magnifier_view.h"
#include "pick/window_band.h"

namespace Lmr {

void Lumarin::computeFishEye() {
  srows = Lmr::computeFishEye(fishEye);
  sourceRect.Width = viewWidth;
  sourceRect.Height = viewWidth;
}

void Lumarin::newFishEye(int newValue) {
  fishEye = clampFishEye(newValue);
  setFishEyeUpDnValue(fishEye);
  computeFishEye();
  updatePickPreview();
}

void Lumarin::setFishEyeUpDnValue(int value) { platform_.window.setFishEyeValue(value); }

void Lumarin::fisheye_num_updn_ValueChanged(int value) { newFishEye(value); }

void Lumarin::updatePickPreview() {
  keyboardColorInput = false;

  // A click ends pick mode, but not in the first ticks: the click that started it must not count.
  if (threadLoopCount <= 5) {
    storeField(mpt.clicked, std::uint8_t{0});
  } else if (loadField(mpt.clicked) != 0) {
    if (is_picking) togglePicking();
    return;
  }

  const Point32 pickPoint{loadField(mpt.x), loadField(mpt.y)};
  if (isInWindowBand(platform_.window.windowRect(), pickPoint)) return;
  const bool gridLines = settingOn(Setting::lines_between_pixels);

  ScreenPort& screen = platform_.screen;
  const RegionCapturePlan plan = planRegionCapture(pickPoint, viewWidth, screen.virtualScreen());
  storeField(mpt.x, plan.centre.x);
  storeField(mpt.y, plan.centre.y);
  if (!screen.captureRegion(plan.blit)) return;

  const ConstBgrxView capture = screen.capturedPixels();
  const auto picked = pickedColour(capture);
  if (!picked || !renderMagnifierView(capture, platform_.magnifier.viewBuffer(), srows, fishEye, gridLines)) return;
  platform_.magnifier.presentView(dpi_draw_x);
  g_pick_clr = *picked;
  platform_.window.setSwatchColour(ui::ControlId::color_current, g_pick_clr);
  updateTextHexDisplay();
}

}  // namespace Lmr
