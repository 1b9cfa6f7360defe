#pragma once
// Owning wrappers for the platform handles the program makes, so none outlives its use.
#include <windows.h>

#include <utility>

namespace Lmr::win32 {

template <class Handle, class Traits>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  ~Owned() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Traits::release(handle_);
    handle_ = handle;
  }
  Handle release() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

struct GdiObjectTraits { static void release(HGDIOBJ h) { DeleteObject(h); } };
struct MemoryDcTraits { static void release(HDC h) { DeleteDC(h); } };
struct KernelHandleTraits { static void release(HANDLE h) { CloseHandle(h); } };
struct RegistryKeyTraits { static void release(HKEY h) { RegCloseKey(h); } };
struct IconTraits { static void release(HICON h) { DestroyIcon(h); } };
struct LibraryTraits { static void release(HMODULE h) { FreeLibrary(h); } };
struct MenuTraits { static void release(HMENU h) { DestroyMenu(h); } };

using Font = Owned<HFONT, GdiObjectTraits>;
using Brush = Owned<HBRUSH, GdiObjectTraits>;
using Bitmap = Owned<HBITMAP, GdiObjectTraits>;
using MemoryDc = Owned<HDC, MemoryDcTraits>;
using DisplayDc = Owned<HDC, MemoryDcTraits>;  // made by CreateDCW, deleted the same way
using KernelHandle = Owned<HANDLE, KernelHandleTraits>;
using RegistryKey = Owned<HKEY, RegistryKeyTraits>;
using Icon = Owned<HICON, IconTraits>;
using Library = Owned<HMODULE, LibraryTraits>;
using Menu = Owned<HMENU, MenuTraits>;

// A device context got from a window (or the screen, with no window), released with it.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context for the length of a scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace Lmr::win32
