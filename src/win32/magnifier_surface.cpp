#include "win32/magnifier_surface.h"

#include "win32/gdiplus_include.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "pick/view_geometry.h"

namespace Lmr::win32 {

namespace flat = Gdiplus::DllExports;

MagnifierSurface::MagnifierSurface(const MainWindow& window)
    : window_(window), first_(viewWidth, viewWidth), second_(viewWidth, viewWidth) {}

// Decodes the picture and keeps its top-left view-sized corner as opaque BGRX pixels. A picture
// that cannot be read, or is smaller than the view, keeps what it has and leaves the rest empty.
void MagnifierSurface::loadIdlePicture(std::wstring_view fileName) {
  Gdiplus::GpBitmap* decoded = nullptr;
  if (flat::GdipCreateBitmapFromFile(std::wstring(fileName).c_str(), &decoded) != Gdiplus::Ok) return;
  const GdiplusBitmap snap_view_buffer(decoded);
  UINT width = 0, height = 0;
  flat::GdipGetImageWidth(snap_view_buffer.get(), &width);
  flat::GdipGetImageHeight(snap_view_buffer.get(), &height);
  const Gdiplus::Rect corner(0, 0, std::min<INT>(static_cast<INT>(width), viewWidth),
                             std::min<INT>(static_cast<INT>(height), viewWidth));
  Gdiplus::BitmapData locked{};
  DibSurface& view = *last_snap_view;
  if (view.pixels() && corner.Width > 0 && corner.Height > 0 &&
      flat::GdipBitmapLockBits(snap_view_buffer.get(), &corner, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB,
                               &locked) == Gdiplus::Ok) {
    const auto* picture = static_cast<const std::uint8_t*>(locked.Scan0);
    for (INT row = 0; row < corner.Height; ++row)
      std::memcpy(view.pixels() + row * view.stride(), picture + row * locked.Stride,
                  static_cast<std::size_t>(corner.Width) * 4);
    flat::GdipBitmapUnlockBits(snap_view_buffer.get(), &locked);
    hasLastView_ = true;
  }
}

void MagnifierSurface::attachToPanel() {
  pick_zoom_hdc = std::make_unique<WindowDc>(window_.control(ui::ControlId::pick_zoom));
}

void MagnifierSurface::drawIntoPanel(const DibSurface& view, int offset) const {
  if (pick_zoom_hdc && pick_zoom_hdc->get())
    BitBlt(pick_zoom_hdc->get(), offset, offset, viewWidth, viewWidth, view.dc(), 0, 0, SRCCOPY);
}

void MagnifierSurface::drawLastView(int offset) {
  if (hasLastView_) drawIntoPanel(*last_snap_view, offset);
}

BgrxView MagnifierSurface::viewBuffer() {
  GdiFlush();  // the buffer was last a blit's source; the renderer writes it straight in memory
  return nextView_->view();
}

void MagnifierSurface::presentView(int offset) {
  if (!nextView_->pixels()) return;
  drawIntoPanel(*nextView_, offset);
  std::swap(last_snap_view, nextView_);
  hasLastView_ = true;
}

}  // namespace Lmr::win32
