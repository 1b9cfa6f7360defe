// The main window at the dpi of the monitor it is on: laid out from the layout table at start-up
// and again, the same way, whenever the system moves it to a monitor of another dpi.
#include "win32/main_window.h"

#include <commctrl.h>

#include "win32/control_ids.h"
#include "win32/dpi_awareness.h"
#include "win32/fonts.h"

namespace Lmr::win32 {

void MainWindow::makeFonts() {
  dialogFont_ = systemMessageFont(dpi_);
  upDownFont_ = pointSizeFont(L"Microsoft Sans Serif", 1125, dpi_);
}

// Every control's box and the client area at `dpi`, the labels fitted in `dialogFont`; and the
// window's size: the client framed for that dpi, kept within the limits, which scale with it.
MainWindow::Layout MainWindow::layoutAt(int dpi, HFONT dialogFont) const {
  const auto labelExtent = [dialogFont](std::wstring_view text) { return textExtent(dialogFont, text); };
  Layout layout{ui::mainWindowGeometry(dpi, labelExtent)};
  layout.windowSize = ui::mainWindowSize(layout.geometry, frameOf(window_, dpi));
  return layout;
}

void MainWindow::takeGeometry() {
  const Layout layout = layoutAt(dpi_, dialogFont_.get());
  geometry_ = layout.geometry;
  windowSize_ = layout.windowSize;
}

// Asked before a move to a monitor of `dpi`: the size the move will give, from the same layout.
ui::Size MainWindow::windowSizeAt(int dpi) const {
  const Font font = systemMessageFont(dpi);
  return layoutAt(dpi, font.get()).windowSize;
}

// Sized so that the client area encloses the layout. Where the frame the system draws is not the
// one it reports for this dpi, the size is corrected by what the client area came out short or
// over.
void MainWindow::placeWindow(std::optional<POINT> topLeft) {
  const UINT keep = SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE);
  const POINT at = topLeft.value_or(POINT{});
  SetWindowPos(window_, nullptr, at.x, at.y, windowSize_.width, windowSize_.height, keep);
  RECT client{};
  GetClientRect(window_, &client);
  const ui::Size drawnFrame{windowSize_.width - client.right, windowSize_.height - client.bottom};
  const ui::Size corrected = ui::mainWindowSize(geometry_, drawnFrame);
  if (corrected == windowSize_) return;
  windowSize_ = corrected;
  SetWindowPos(window_, nullptr, 0, 0, windowSize_.width, windowSize_.height, keep | SWP_NOMOVE);
}

// The system suggests where the window goes; its size is ours, from the layout at the new dpi.
// A dpi of 0 or an empty rectangle says nothing usable and leaves the window as it is.
void MainWindow::dpiChanged(WPARAM wParam, LPARAM lParam) {
  const std::optional<ui::DpiMove> move = dpiMoveOf(wParam, lParam);
  if (!move) return;
  layOutForDpi(move->dpi, {move->topLeft.x, move->topLeft.y});
  if (handlers_) handlers_->Lumarin_DpiChanged();
}

// The controls and the tips are switched to the new fonts before the old ones go: a control that
// repaints in between never draws with a deleted font.
void MainWindow::layOutForDpi(int dpi, POINT topLeft) {
  const Font oldDialogFont = std::move(dialogFont_), oldUpDownFont = std::move(upDownFont_);
  dpi_ = dpi;
  makeFonts();
  takeGeometry();
  for (const auto& spec : ui::mainWindowControls()) {
    HWND field = control(spec.id);
    const ui::Box& box = geometry_.boxes[controlIndex(spec.id)];
    SetWindowPos(field, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT font = spec.kind == ui::ControlKind::NumericUpDown ? upDownFont_.get() : dialogFont_.get();
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (spec.kind == ui::ControlKind::NumericUpDown)  // the arrows take their place beside it again
      SendDlgItemMessageW(window_, upDownArrowsId, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
  }
  placeWindow(topLeft);
  scaleTooltips();
  icons_.followDpi(window_, dpi_);
  InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace Lmr::win32
