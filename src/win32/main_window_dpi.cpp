// The main window at the dpi of the monitor it is on: laid out from the layout table at start-up
// and again, the same way, whenever the system moves it to a monitor of another dpi.
#include "win32/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/control_ids.h"
#include "win32/dpi_awareness.h"
#include "win32/fonts.h"

namespace Lmr::win32 {

void MainWindow::makeFonts() {
  dialogFont_ = systemMessageFont(dpi_);
  upDownFont_ = pointSizeFont(L"Microsoft Sans Serif", 1125, dpi_);
}

// Every control's box, and the window's size: the client encloses the controls, framed for this
// dpi and kept within the limits, which scale with it.
void MainWindow::takeGeometry() {
  const ui::MainWindowGeometry geometry =
      ui::mainWindowGeometry(dpi_, [this](std::wstring_view text) { return textExtent(dialogFont_.get(), text); });
  boxes_ = geometry.boxes;
  client_ = geometry.client;
  minimum_ = geometry.minimum;
  maximum_ = geometry.maximum;
  windowSize_ = withinLimits(frameAround(client_, mainWindowStyle, mainWindowExStyle, dpi_));
}

ui::Size MainWindow::withinLimits(ui::Size size) const {
  return {std::clamp(size.width, minimum_.width, maximum_.width),
          std::clamp(size.height, minimum_.height, maximum_.height)};
}

// Sized so that the client area encloses the layout. Where the frame the system draws is not the
// one it reports for this dpi (Wine draws every frame at the system's dpi), the size is corrected
// by what the client area came out short or over.
void MainWindow::placeWindow(std::optional<POINT> topLeft) {
  const UINT keep = SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE);
  const POINT at = topLeft.value_or(POINT{});
  SetWindowPos(window_, nullptr, at.x, at.y, windowSize_.width, windowSize_.height, keep);
  RECT client{};
  GetClientRect(window_, &client);
  const ui::Size corrected = withinLimits(
      {windowSize_.width + client_.width - client.right, windowSize_.height + client_.height - client.bottom});
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

void MainWindow::layOutForDpi(int dpi, POINT topLeft) {
  dpi_ = dpi;
  makeFonts();
  takeGeometry();
  for (const auto& spec : ui::mainWindowControls()) {
    HWND field = control(spec.id);
    const ui::Box& box = boxes_[controlIndex(spec.id)];
    SetWindowPos(field, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
    const HFONT font = spec.kind == ui::ControlKind::NumericUpDown ? upDownFont_.get() : dialogFont_.get();
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (spec.kind == ui::ControlKind::NumericUpDown)  // the arrows take their place beside it again
      SendDlgItemMessageW(window_, upDownArrowsId, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
  }
  placeWindow(topLeft);
  scaleTooltips();
  InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace Lmr::win32
