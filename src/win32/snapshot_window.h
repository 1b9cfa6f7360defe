#pragma once
// The snapshot window: borderless, always on top, over the whole virtual screen, showing the
// screen as it was frozen at the start of pick mode.
#include <windows.h>

#include <memory>

#include "ports/snapshot_port.h"
#include "win32/screen_capture.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {

class SnapshotWindow final : public SnapshotPort {
 public:
  SnapshotWindow() = default;
  SnapshotWindow(const SnapshotWindow&) = delete;
  SnapshotWindow& operator=(const SnapshotWindow&) = delete;

  void create() override;
  void hide() override;
  bool captureScreen() override;
  Rect32 screenRect() override { return screenRect_; }
  void show() override;
  void moveTo(const Rect32& area) override;
  void drawPicture() override;

  HWND handle() const { return pick_from_hwnd; }

  // Called by the window's procedure (see window_routing.h).
  void attachWindow(HWND window) { pick_from_hwnd.attach(window); }
  LRESULT Lmr_Preview_WndProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void repaint();

  RoutedWindow pick_from_hwnd;
  Rect32 screenRect_{};
  // Kept while the window shows it, so a repaint shows the frozen screen again and not the
  // class background, which the magnifier would then sample; let go when the window hides.
  std::unique_ptr<DibSurface> picture_;
};

}  // namespace Lmr::win32
