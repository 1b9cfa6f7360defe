#pragma once
// Owning wrappers for the kernel and hook handles the monitor keeps.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace Lmr {

struct KernelHandleCloser {
  void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;

struct HookRemover {
  void operator()(HHOOK hook) const noexcept { UnhookWindowsHookEx(hook); }
};
using UniqueHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookRemover>;

}  // namespace Lmr
