#include "win32/program_folder.h"

#include <windows.h>

#include <vector>

namespace Lmr::win32 {

std::wstring programFolder() {
  // Long paths: grow the buffer until the whole name fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return L".";
    if (length < buffer.size()) {
      std::wstring path(buffer.data(), length);
      const auto slash = path.find_last_of(L"\\/");
      return slash == std::wstring::npos ? L"." : path.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::wstring pathInProgramFolder(std::wstring_view fileName) {
  return programFolder() + L"\\" + std::wstring(fileName);
}

}  // namespace Lmr::win32
