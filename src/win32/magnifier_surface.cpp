#include "win32/magnifier_surface.h"

#include "win32/gdiplus_include.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "pick/view_geometry.h"

namespace Lmr::win32 {

namespace flat = Gdiplus::DllExports;

DibSurface::DibSurface(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  pixels_ = static_cast<std::uint8_t*>(bits);
  dc_.reset(CreateCompatibleDC(nullptr));
  previous_ = SelectObject(dc_.get(), bitmap_.get());
  if (pixels_) std::memset(pixels_, 0, static_cast<std::size_t>(stride()) * static_cast<std::size_t>(height));
}

DibSurface::~DibSurface() {
  if (dc_) SelectObject(dc_.get(), previous_);  // a bitmap still selected cannot be deleted
}

MagnifierSurface::MagnifierSurface(const MainWindow& window)
    : window_(window), last_snap_view(viewWidth, viewWidth), view_(viewWidth, viewWidth) {}

// Decodes the picture and keeps its top-left view-sized corner as opaque BGRX pixels. A picture
// that cannot be read, or is smaller than the view, keeps what it has and leaves the rest empty.
void MagnifierSurface::loadIdlePicture(std::wstring_view fileName) {
  Gdiplus::GpBitmap* snap_view_buffer = nullptr;
  if (flat::GdipCreateBitmapFromFile(std::wstring(fileName).c_str(), &snap_view_buffer) != Gdiplus::Ok) return;
  UINT width = 0, height = 0;
  flat::GdipGetImageWidth(snap_view_buffer, &width);
  flat::GdipGetImageHeight(snap_view_buffer, &height);
  const Gdiplus::Rect corner(0, 0, std::min<INT>(static_cast<INT>(width), viewWidth),
                             std::min<INT>(static_cast<INT>(height), viewWidth));
  Gdiplus::BitmapData locked{};
  if (corner.Width > 0 && corner.Height > 0 &&
      flat::GdipBitmapLockBits(snap_view_buffer, &corner, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB,
                               &locked) == Gdiplus::Ok) {
    for (INT row = 0; row < corner.Height; ++row)
      std::memcpy(last_snap_view.pixels() + row * last_snap_view.stride(),
                  static_cast<const std::uint8_t*>(locked.Scan0) + row * locked.Stride,
                  static_cast<std::size_t>(corner.Width) * 4);
    flat::GdipBitmapUnlockBits(snap_view_buffer, &locked);
    hasLastView_ = last_snap_view.pixels() != nullptr;
  }
  flat::GdipDisposeImage(snap_view_buffer);
}

void MagnifierSurface::attachToPanel() {
  pick_zoom_hwnd = window_.control(ui::ControlId::pick_zoom);
  pick_zoom_hdc = GetDC(pick_zoom_hwnd);
}

void MagnifierSurface::drawLastView(int offset) {
  if (!pick_zoom_hdc || !hasLastView_) return;
  BitBlt(pick_zoom_hdc, offset, offset, viewWidth, viewWidth, last_snap_view.dc(), 0, 0, SRCCOPY);
}

}  // namespace Lmr::win32

namespace Lmr::win32 {

BgrxView MagnifierSurface::viewBuffer() { return {view_.pixels(), view_.width(), view_.height(), view_.stride()}; }

void MagnifierSurface::presentView(int offset) {
  if (!view_.pixels() || !last_snap_view.pixels()) return;
  GdiFlush();
  if (pick_zoom_hdc) BitBlt(pick_zoom_hdc, offset, offset, viewWidth, viewWidth, view_.dc(), 0, 0, SRCCOPY);
  std::memcpy(last_snap_view.pixels(), view_.pixels(), static_cast<std::size_t>(view_.stride()) * viewWidth);
  hasLastView_ = true;
}

}  // namespace Lmr::win32
