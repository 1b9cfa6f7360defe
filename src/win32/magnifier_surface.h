#pragma once
// The magnifier's drawing surfaces: two view-sized 32-bit DIB sections (the last view, and the
// one the next view is rendered into) and the panel's device context, all kept for the run.
#include <windows.h>

#include <memory>

#include "ports/platform.h"
#include "win32/handles.h"
#include "win32/main_window.h"
#include "win32/screen_capture.h"

namespace Lmr::win32 {

class MagnifierSurface final : public MagnifierPort {
 public:
  explicit MagnifierSurface(const MainWindow& window);

  void loadIdlePicture(std::wstring_view fileName) override;
  void attachToPanel() override;
  void drawLastView(int offset) override;
  BgrxView viewBuffer() override;
  void presentView(int offset) override;

 private:
  void drawIntoPanel(const DibSurface& view, int offset) const;

  const MainWindow& window_;
  std::unique_ptr<WindowDc> pick_zoom_hdc;  // held until the process ends
  DibSurface first_, second_;
  // A presented view becomes the last view by swapping the two, so nothing is copied per update.
  DibSurface* last_snap_view = &first_;
  DibSurface* nextView_ = &second_;
  bool hasLastView_ = false;
};

}  // namespace Lmr::win32
