#include "win32/colour_chooser.h"

#include <commdlg.h>

namespace Lmr::win32 {

std::optional<Argb> ColourChooser::choose(Argb initial) {
  CHOOSECOLORW chooser{};
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = owner_.handle();
  chooser.rgbResult = RGB(redOf(initial), greenOf(initial), blueOf(initial));
  chooser.lpCustColors = customColours_.data();
  chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&chooser)) return std::nullopt;
  const COLORREF chosen = chooser.rgbResult;
  return opaqueArgb(GetRValue(chosen), GetGValue(chosen), GetBValue(chosen));
}

}  // namespace Lmr::win32
