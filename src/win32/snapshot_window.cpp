#include "win32/snapshot_window.h"

#include "app/lumarin.h"
#include "pick/snapshot.h"
#include "win32/handles.h"
#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

constexpr wchar_t snapshotClass[] = L"lmr_prev_class";
constexpr wchar_t snapshotTitle[] = L"lumarin_preview_window";
constexpr DWORD snapshotExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;

}  // namespace

void SnapshotWindow::create() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  registerRoutedClass<SnapshotWindow, &SnapshotWindow::Lmr_Preview_WndProc>(
      instance, snapshotClass, {CS_HREDRAW | CS_VREDRAW, IDC_CROSS, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH))});
  screenRect_ = virtualScreenRect();
  CreateWindowExW(snapshotExStyle, snapshotClass, snapshotTitle, WS_POPUP, screenRect_.X, screenRect_.Y,
                  screenRect_.Width, screenRect_.Height, nullptr, nullptr, instance, this);
}

void SnapshotWindow::hide() {
  ShowWindow(pick_from_hwnd, SW_HIDE);
  picture_.reset();
}

bool SnapshotWindow::captureScreen() {
  picture_ = CopyEntireScreenToBitmap(screenRect_);
  return picture_ != nullptr;
}

void SnapshotWindow::show() { ShowWindow(pick_from_hwnd, SW_SHOW); }

void SnapshotWindow::moveTo(const Rect32& area) {
  MoveWindow(pick_from_hwnd, area.X, area.Y, area.Width, area.Height, TRUE);
}

void SnapshotWindow::drawPicture() {
  if (!picture_) return;
  WindowDc window(pick_from_hwnd);
  BitBlt(window.get(), 0, 0, picture_->width(), picture_->height(), picture_->dc(), 0, 0, SRCCOPY);
}

void SnapshotWindow::repaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(pick_from_hwnd, &paint);
  if (picture_) {
    const RECT& area = paint.rcPaint;
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, picture_->dc(), area.left,
           area.top, SRCCOPY);
  }
  EndPaint(pick_from_hwnd, &paint);
}

// The main window object is reached as the one instance; once it has ended, the window only
// does what any window does.
LRESULT SnapshotWindow::Lmr_Preview_WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // With the picture up, the grey background must not flash in before it is drawn again.
  if (message == WM_ERASEBKGND && picture_) return TRUE;
  Lumarin* lumarin = Lumarin::getInstance();
  switch (snapshotMessageAction(message, wParam)) {
    case SnapshotMessage::Default: break;
    case SnapshotMessage::Ignore: return 0;
    case SnapshotMessage::Repaint: repaint(); return 0;
    case SnapshotMessage::Quit:
      if (lumarin) lumarin->quitFromSnapshot();
      return 0;
    case SnapshotMessage::EndPicking:
      if (lumarin) lumarin->snapshotPressed();
      return 0;
  }
  return DefWindowProcW(pick_from_hwnd, message, wParam, lParam);
}

}  // namespace Lmr::win32
