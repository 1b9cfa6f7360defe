#pragma once
#include <string_view>

#include "ports/bgrx_view.h"

namespace Lmr {

// The magnifier's drawing surfaces.
class MagnifierPort {
 public:
  virtual ~MagnifierPort() = default;
  // Loads the idle picture's top-left view-sized corner as the last view; an unreadable picture
  // leaves the last view empty.
  virtual void loadIdlePicture(std::wstring_view fileName) = 0;
  // Takes the panel's drawing surface, kept until the process ends.
  virtual void attachToPanel() = 0;
  // Draws the last view into the panel with its top-left corner at (offset, offset).
  virtual void drawLastView(int offset) = 0;
  // The buffer the next view is rendered into, viewWidth x viewWidth.
  virtual BgrxView viewBuffer() = 0;
  // Draws the rendered view into the panel at (offset, offset) and keeps it as the last view.
  virtual void presentView(int offset) = 0;
};

}  // namespace Lmr
