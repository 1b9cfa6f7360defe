#pragma once
// The fonts the program's windows draw their controls in.
#include <windows.h>

#include <string_view>

#include "ui/dialog_units.h"
#include "win32/dpi_awareness.h"
#include "win32/handles.h"

namespace Lmr::win32 {

// The system's message font, the default font of dialogs, at the system's dots per inch or, for
// a window on a monitor of another, scaled to that monitor's.
inline Font systemMessageFont(int dpi = 0) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  if (dpi > 0) metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, systemDpi());
  return Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

// `font` made again for `dpi`, from the size it has at `madeDpi`.
inline Font fontScaledFrom(HFONT font, int dpi, int madeDpi) {
  LOGFONTW description{};
  GetObjectW(font, sizeof description, &description);
  description.lfHeight = MulDiv(description.lfHeight, dpi, madeDpi);
  return Font(CreateFontIndirectW(&description));
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

// Width of `text` and height of a line, in `font`.
inline ui::Size textExtent(HFONT font, std::wstring_view text) {
  WindowDc screen(nullptr);
  SelectedObject selected(screen.get(), font);
  SIZE extent{};
  GetTextExtentPoint32W(screen.get(), text.data(), static_cast<int>(text.size()), &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  return {extent.cx, metrics.tmHeight};
}

// The character cell the dialogs are scaled by, from the 52 letters in `font`.
inline ui::Size fontCellOf(HFONT font) {
  const ui::Size letters = textExtent(font, L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  return ui::fontCell(letters.width, letters.height);
}

}  // namespace Lmr::win32
