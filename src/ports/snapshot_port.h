#pragma once
#include "ports/geometry.h"

namespace Lmr {

// The snapshot window: a borderless, always-on-top window over the whole virtual screen that
// shows a frozen picture of the screen.
class SnapshotPort {
 public:
  virtual ~SnapshotPort() = default;
  // Makes the (hidden) window over the virtual screen as it is now.
  virtual void create() = 0;
  // Hides the window and lets the frozen picture go.
  virtual void hide() = 0;
  // Captures the whole virtual screen as the frozen picture; false when no picture was made. The
  // virtual screen's rectangle is then `screenRect()`.
  virtual bool captureScreen() = 0;
  virtual Rect32 screenRect() = 0;
  virtual void show() = 0;
  virtual void moveTo(const Rect32& area) = 0;
  // Draws the frozen picture into the window at its top-left corner (nothing without one).
  virtual void drawPicture() = 0;
};

}  // namespace Lmr
