#include "win32/window_icons.h"

#include "win32/dpi_awareness.h"

namespace Lmr::win32 {
namespace {

using ScaleDownLoaderFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

// From Vista on, in the common controls the manifest gives the program (version 6).
ScaleDownLoaderFn scaleDownLoader() {
  static const auto loader = reinterpret_cast<ScaleDownLoaderFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
  return loader;
}

}  // namespace

Icon loadIconFile(const std::wstring& file, int size) {
  if (const auto loader = scaleDownLoader()) {
    HICON icon = nullptr;
    if (SUCCEEDED(loader(nullptr, file.c_str(), size, size, &icon))) return Icon(icon);
  }
  return Icon(static_cast<HICON>(LoadImageW(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
}

HICON orSystemIcon(const Icon& icon) { return icon ? icon.get() : LoadIconW(nullptr, IDI_APPLICATION); }

void WindowIcons::show(HWND window, std::wstring_view file, int dpi) {
  file_ = file;
  followDpi(window, dpi);
}

// The images the window had go only once it shows the new ones.
void WindowIcons::followDpi(HWND window, int dpi) {
  if (file_.empty()) return;
  Icon largeImage = loadIconFile(file_, systemMetricForDpi(SM_CXICON, dpi));
  Icon smallImage = loadIconFile(file_, systemMetricForDpi(SM_CXSMICON, dpi));
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(orSystemIcon(largeImage)));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(orSystemIcon(smallImage)));
  large_ = std::move(largeImage);
  small_ = std::move(smallImage);
}

}  // namespace Lmr::win32
