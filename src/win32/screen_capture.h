#pragma once
// Screen capture into 32-bit top-down BGRX DIB sections, whatever the display's own depth.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "ports/screen_port.h"
#include "pick/view_geometry.h"
#include "win32/handles.h"

namespace Lmr::win32 {

// A top-down 32-bit BGRX bitmap selected into its own memory device context. When the bitmap
// cannot be made (a size the system refuses), pixels() is null.
class DibSurface {
 public:
  DibSurface(int width, int height);
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;
  ~DibSurface();
  HDC dc() const { return dc_.get(); }
  std::uint8_t* pixels() const { return pixels_; }
  int width() const { return width_; }
  int height() const { return height_; }
  std::ptrdiff_t stride() const { return static_cast<std::ptrdiff_t>(width_) * 4; }
  std::size_t byteCount() const { return static_cast<std::size_t>(stride()) * static_cast<std::size_t>(height_); }
  BgrxView view() const { return {pixels_, width_, height_, stride()}; }

 private:
  int width_, height_;
  std::uint8_t* pixels_ = nullptr;
  Bitmap bitmap_;
  MemoryDc dc_;
  HGDIOBJ previous_ = nullptr;
};

// The virtual screen spanning all monitors, as the system reports it now.
Rect32 virtualScreenRect();
// The same, as last read: reading it costs about a millisecond under Wine, too much for every
// update, so it is read again only after the display has changed (see screenLayoutChanged) or
// once the last reading is half a second old.
Rect32 knownVirtualScreenRect();
// Called when the system reports a change of the displays (WM_DISPLAYCHANGE).
void screenLayoutChanged();

// Captures the width x width square centred on (*x, *y) into `bitmap`, which must be width x
// width. The centre is first pulled back onto the virtual screen and written back, also when the
// capture then fails. Only the part of the square on the screen is copied; the rest is black.
// False when nothing could be captured (no bitmap, no screen, a refused copy). `screen` is the
// screen's device context; with none, one is got for the call.
bool CopyRegionToBitmap(int* x, int* y, int width, DibSurface& bitmap, HDC screen = nullptr);

// Fills `screenRect` with the virtual screen and captures all of it into a new bitmap; null when
// the bitmap cannot be made or the copy is refused.
std::unique_ptr<DibSurface> CopyEntireScreenToBitmap(Rect32& screenRect);

// The magnifier's capture. The region's bitmap and the screen's device context are got at the
// first capture and kept for the run (getting the screen's context costs server round trips under
// Wine), so an update allocates nothing and asks the system only for the pixels.
class ScreenCapture final : public ScreenPort {
 public:
  ScreenCapture() = default;
  bool captureRegion(Point32& centre, std::int32_t width) override;
  ConstBgrxView capturedPixels() override;

 private:
  std::unique_ptr<DibSurface> region_;
  std::unique_ptr<WindowDc> screen_;
};

}  // namespace Lmr::win32
