#include "win32/colour_panel.h"

#include "win32/window_routing.h"

namespace Lmr::win32 {
namespace {

constexpr wchar_t colourPanelClass[] = L"LumarinColourPanel";

// The system's control-face colour, opaque.
Argb faceColour() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return opaqueArgb(GetRValue(face), GetGValue(face), GetBValue(face));
}

}  // namespace

void ColourPanel::create(HWND parent, const ui::Box& box, int id) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  registerRoutedClass<ColourPanel>(instance, colourPanelClass);  // a second registration changes nothing
  paintIn(faceColour());
  CreateWindowExW(WS_EX_CONTROLPARENT, colourPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, box.x, box.y,
                  box.width, box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

void ColourPanel::setColour(Argb colour) {
  inFaceColour_ = false;
  paintIn(colour);
}

void ColourPanel::paintIn(Argb colour) {
  if (brush_ && colour == colour_) return;
  colour_ = colour;
  brush_.reset(CreateSolidBrush(colourRef(colour)));
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

LRESULT ColourPanel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.get());
      return TRUE;
    }
    case WM_COMMAND:
      return SendMessageW(GetParent(window_), message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
      if (inFaceColour_) paintIn(faceColour());
      return 0;
    case WM_CTLCOLORBTN:
      // A themed button's rounded corners show the panel's colour around them.
      return reinterpret_cast<LRESULT>(brush_.get());
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace Lmr::win32
