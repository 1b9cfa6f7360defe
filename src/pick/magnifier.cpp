#include "pick/magnifier.h"

#include <optional>
#include <utility>

#include "pick/magnifier_view.h"
#include "pick/window_band.h"

namespace Lmr {
Magnifier::Magnifier(MainWindowPort& window, ScreenPort& screen, MagnifierPort& surfaces, const LiveSettings& settings,
                     const ReadyFlag& ready, PickPoint& mpt, Readouts& readouts, ClickCheck clickEndsUpdate)
    : window_(window),
      screen_(screen),
      surfaces_(surfaces),
      settings_(settings),
      ready_(ready),
      mpt_(mpt),
      readouts_(readouts),
      clickEndsUpdate_(std::move(clickEndsUpdate)) {}

void Magnifier::load(std::wstring_view idlePictureFile) {
  surfaces_.loadIdlePicture(idlePictureFile);
  surfaces_.attachToPanel();
  dpi_draw_x_ = dpiDrawX(window_.pickZoomWidth());
  surfaces_.drawLastView(dpi_draw_x_);
  sourceRect_ = {0, 0, viewWidth, viewWidth};
  computeFishEye();
}

void Magnifier::paintLastView() {
  if (ready_.bInitialized) surfaces_.drawLastView(dpi_draw_x_);
}

void Magnifier::dpiChanged() {
  dpi_draw_x_ = dpiDrawX(window_.pickZoomWidth());
  paintLastView();
}

void Magnifier::computeFishEye() {
  srows_ = Lmr::computeFishEye(fishEye_);
  sourceRect_.Width = viewWidth;
  sourceRect_.Height = viewWidth;
}

void Magnifier::newFishEye(int newValue) {
  fishEye_ = clampFishEye(newValue);
  setFishEyeUpDnValue(fishEye_);
  computeFishEye();
  updatePickPreview();
}

void Magnifier::setFishEyeUpDnValue(int value) { window_.setFishEyeValue(value); }

// The capture pulls the pick point back onto the screen; the pick point follows it, so later
// updates start from where the screen really is.
void Magnifier::updatePickPreview() {
  readouts_.endTypingColour();
  if (clickEndsUpdate_()) return;
  if (isInWindowBand(window_.windowRect(), mpt_.point())) return;
  const bool gridLines = settings_.isOn(Setting::lines_between_pixels);

  const Point32 seen = mpt_.point();
  Point32 centre = seen;
  const bool captured = screen_.captureRegion(centre, viewWidth);
  mpt_.correctIfUnmoved(seen, centre);
  if (!captured) return;
  const ConstBgrxView capture = screen_.capturedPixels();
  const std::optional<Argb> picked = pickedColour(capture);
  if (!picked || !renderMagnifierView(capture, surfaces_.viewBuffer(), srows_, fishEye_, gridLines)) return;
  surfaces_.presentView(dpi_draw_x_);
  readouts_.showPickedColour(*picked, centre);
}

}  // namespace Lmr
