#include "win32/screen_capture.h"

#include <cstring>
#include <optional>
#include <vector>

#include "pick/capture_geometry.h"

namespace Lmr::win32 {
namespace {

// Larger squares are refused before asking the system for a bitmap of that size.
constexpr int largestRegion = 4096;

// Read again after every change of the displays; the main window's thread is the only reader.
std::optional<Rect32> knownScreen;
// Wine follows a change of the X screen's size without sending WM_DISPLAYCHANGE, so the rectangle
// is also read again once it is this old: a capture reads past a shrunken screen for at most this
// long, at the cost of one reading every sixteen updates or so.
constexpr ULONGLONG knownScreenLifeMs = 500;
ULONGLONG knownScreenReadAt = 0;

bool copyFromScreen(const DibSurface& into, int destX, int destY, const Rect32& source, HDC screen) {
  std::optional<WindowDc> ownScreen;
  if (!screen) screen = ownScreen.emplace(nullptr).get();
  if (!screen) return false;
  const BOOL copied = BitBlt(into.dc(), destX, destY, source.Width, source.Height, screen, source.X, source.Y, SRCCOPY);
  GdiFlush();  // the pixels are read straight from memory next
  return copied != FALSE;
}

// The monitors' rectangles, read with the virtual screen and as often.
std::vector<Rect32> knownMonitors;

BOOL CALLBACK addMonitor(HMONITOR, HDC, LPRECT area, LPARAM) {
  knownMonitors.push_back({area->left, area->top, area->right - area->left, area->bottom - area->top});
  return TRUE;
}

// The centre pulled back onto the virtual screen, written back to the caller.
RegionCapturePlan correctCentre(int& x, int& y, int width) {
  const Rect32 screen = knownVirtualScreenRect();  // first: reading it may read the monitors again
  const RegionCapturePlan plan = planRegionCapture({x, y}, width, screen, knownMonitors);
  x = plan.centre.x;
  y = plan.centre.y;
  return plan;
}

}  // namespace

DibSurface::DibSurface(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  if (width > 0 && height > 0) bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  dc_.reset(CreateCompatibleDC(nullptr));
  if (!bitmap_ || !dc_) return;
  previous_ = SelectObject(dc_.get(), bitmap_.get());
  pixels_ = static_cast<std::uint8_t*>(bits);
  std::memset(pixels_, 0, byteCount());
}

DibSurface::~DibSurface() {
  if (previous_) SelectObject(dc_.get(), previous_);  // a bitmap still selected cannot be deleted
}

Rect32 virtualScreenRect() {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

Rect32 knownVirtualScreenRect() {
  const ULONGLONG now = GetTickCount64();
  if (!knownScreen || now - knownScreenReadAt >= knownScreenLifeMs) {
    knownScreen = virtualScreenRect();
    knownMonitors.clear();
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, 0);
    knownScreenReadAt = now;
  }
  return *knownScreen;
}

void screenLayoutChanged() { knownScreen.reset(); }

// A blit whose source reaches past the screen may copy nothing at all (Wine does so), so only
// the parts on the monitors are copied and the rest of the square is blackened here.
bool CopyRegionToBitmap(int* x, int* y, int width, DibSurface& bitmap, HDC screen) {
  if (!x || !y) return false;
  const RegionCapturePlan plan = correctCentre(*x, *y, width);
  if (width <= 0 || !bitmap.pixels() || bitmap.width() != width || bitmap.height() != width) return false;
  if (!plan.oneCopyFillsSquare()) {
    GdiFlush();
    std::memset(bitmap.pixels(), 0, bitmap.byteCount());
  }
  bool copied = plan.blitCount == 0;
  for (const CaptureBlit& part : plan.parts())
    copied = copyFromScreen(bitmap, part.destX, part.destY, part.source, screen) || copied;
  return copied;
}

std::unique_ptr<DibSurface> CopyEntireScreenToBitmap(Rect32& screenRect) {
  screenRect = virtualScreenRect();
  if (knownScreen && !(*knownScreen == screenRect)) knownScreen.reset();  // the monitors too, at the next capture
  auto bitmap = std::make_unique<DibSurface>(screenRect.Width, screenRect.Height);
  if (!bitmap->pixels() || !copyFromScreen(*bitmap, 0, 0, screenRect, nullptr)) return nullptr;
  return bitmap;
}

bool ScreenCapture::captureRegion(Point32& centre, std::int32_t width) {
  if (width <= 0 || width > largestRegion) {
    correctCentre(centre.x, centre.y, width);
    return false;
  }
  if (!region_ || region_->width() != width) region_ = std::make_unique<DibSurface>(width, width);
  if (!screen_ || !screen_->get()) screen_ = std::make_unique<WindowDc>(nullptr);
  return CopyRegionToBitmap(&centre.x, &centre.y, width, *region_, screen_->get());
}

ConstBgrxView ScreenCapture::capturedPixels() { return region_ ? ConstBgrxView(region_->view()) : ConstBgrxView{}; }

}  // namespace Lmr::win32
