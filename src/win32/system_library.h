#pragma once
// Libraries of the system that the program needs only now and then (a screen reader's requests,
// the per-monitor awareness of older systems), loaded when first needed and from the system folder
// only: neither a static import nor a load by bare name, either of which would take a file of that
// name from the program's folder first.
#include <windows.h>

namespace Lmr::win32 {

// The library of that file name in the system folder, loaded once and kept; null when it is not
// there.
HMODULE systemLibrary(const wchar_t* fileName);

// A function of such a library, or null.
template <class Function>
Function systemFunction(const wchar_t* fileName, const char* name) {
  const HMODULE library = systemLibrary(fileName);
  return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace Lmr::win32
