#include "win32/program_folder.h"

#include <windows.h>

#include <vector>

#include "win32/read_only_file.h"

namespace Lmr::win32 {
namespace {

// Long paths: grow the buffer until the whole name fits.
std::wstring startedFrom() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

// The folder of the program file itself: started through a link elsewhere (winget's command
// alias, a link the user made), the program's files are beside the file the link leads to.
std::wstring programFolder() {
  const std::wstring started = startedFrom();
  if (started.empty()) return L".";
  const std::wstring real = ReadOnlyFile(started).finalPath();
  const std::wstring& path = real.empty() ? started : real;
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

std::wstring pathInProgramFolder(std::wstring_view fileName) {
  return programFolder() + L"\\" + std::wstring(fileName);
}

}  // namespace Lmr::win32
