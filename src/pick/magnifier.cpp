// The main window's magnifier: one update of the fish-eye view around the pick point, and the
// fish-eye strength.
#include <optional>

#include "app/lumarin.h"
#include "pick/magnifier_view.h"
#include "pick/window_band.h"

namespace Lmr {
namespace {

// A click ends pick mode, but not in the first ticks: the click that started it must not count,
// so until then it is dropped. True when a click after them ends this update.
bool clickEndsUpdate(pt_type& record, std::int32_t loopCount) {
  if (loopCount <= 5) {
    storeField(record.clicked, std::uint8_t{0});
    return false;
  }
  return loadField(record.clicked) != 0;
}

Point32 pickPointOf(pt_type& record) { return {loadField(record.x), loadField(record.y)}; }

// Captures the square around the pick point. The capture pulls the point back onto the screen;
// the pick point follows it, so later updates start from where the screen really is.
std::optional<ConstBgrxView> captureAroundPickPoint(ScreenPort& screen, pt_type& record) {
  Point32 centre = pickPointOf(record);
  const bool captured = screen.captureRegion(centre, viewWidth);
  storeField(record.x, centre.x);
  storeField(record.y, centre.y);
  if (!captured) return std::nullopt;
  return screen.capturedPixels();
}

}  // namespace

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
  if (clickEndsUpdate(mpt, threadLoopCount)) {
    if (is_picking) togglePicking();
    return;
  }
  if (isInWindowBand(platform_.window.windowRect(), pickPointOf(mpt))) return;
  const bool gridLines = settingOn(Setting::lines_between_pixels);

  const std::optional<ConstBgrxView> capture = captureAroundPickPoint(platform_.screen, mpt);
  if (!capture) return;
  const std::optional<Argb> picked = pickedColour(*capture);
  MagnifierPort& magnifier = platform_.magnifier;
  if (!picked || !renderMagnifierView(*capture, magnifier.viewBuffer(), srows, fishEye, gridLines)) return;
  magnifier.presentView(dpi_draw_x);

  g_pick_clr = *picked;
  platform_.window.setSwatchColour(ui::ControlId::color_current, g_pick_clr);
  updateTextHexDisplay();
}

}  // namespace Lmr
