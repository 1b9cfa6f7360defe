#pragma once
// The magnifier's drawing surfaces: the last view (a view-sized 32-bit DIB section) and the
// panel's device context, both kept for the whole run.
#include <windows.h>

#include <cstdint>

#include "app/platform_ports.h"
#include "win32/handles.h"
#include "win32/main_window.h"

namespace Lmr::win32 {

// A top-down 32-bit BGRX bitmap selected into its own memory device context.
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

 private:
  int width_, height_;
  std::uint8_t* pixels_ = nullptr;
  MemoryDc dc_;
  Bitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
};

class MagnifierSurface final : public MagnifierPort {
 public:
  explicit MagnifierSurface(const MainWindow& window);

  void loadIdlePicture(std::wstring_view fileName) override;
  void attachToPanel() override;
  void drawLastView(int offset) override;
  BgrxView viewBuffer() override;
  void presentView(int offset) override;

 private:
  const MainWindow& window_;
  HWND pick_zoom_hwnd = nullptr;
  HDC pick_zoom_hdc = nullptr;  // held until the process ends
  DibSurface last_snap_view;
  DibSurface view_;  // the view being rendered
  bool hasLastView_ = false;
};

}  // namespace Lmr::win32
