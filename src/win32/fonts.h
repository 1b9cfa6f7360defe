#pragma once
// The fonts the program's windows draw their controls in.
#include <windows.h>

#include "win32/handles.h"

namespace Lmr::win32 {

// The system's message font, the default font of dialogs, at the screen's dots per inch.
inline Font systemMessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

// A regular font of `face` at a size in hundredths of a point, for a screen of `dpi`.
inline Font pointSizeFont(const wchar_t* face, int hundredthsOfPoint, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(hundredthsOfPoint, dpi, 7200);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  wcsncpy_s(font.lfFaceName, face, _TRUNCATE);
  return Font(CreateFontIndirectW(&font));
}

}  // namespace Lmr::win32
