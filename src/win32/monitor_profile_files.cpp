// Through GDI only: the Wcs* profile functions are not asked, since under Wine the one for the
// default profile ends the process.
#include "win32/monitor_profile_files.h"

#include <windows.h>

#include <cwchar>

#include "win32/handles.h"
#include "win32/read_only_file.h"

namespace Lmr::win32 {
namespace {

std::uint64_t wholeOf(DWORD high, DWORD low) { return std::uint64_t{high} << 32 | low; }

// The profile is asked for with a buffer of the longest path at once: asked for its size first,
// Wine answers FALSE.
std::optional<std::wstring> profilePathOf(HMONITOR monitor) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return std::nullopt;
  const DisplayDc dc(CreateDCW(L"DISPLAY", info.szDevice, nullptr, nullptr));
  if (!dc) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  if (!GetICMProfileW(dc.get(), &length, path)) return std::nullopt;
  return std::wstring(path, wcsnlen(path, MAX_PATH));
}

}  // namespace

std::optional<ProfileFile> MonitorProfileFiles::profileFileAt(Point32 point) {
  const std::optional<std::wstring> path = profilePathOf(MonitorFromPoint({point.x, point.y}, MONITOR_DEFAULTTONEAREST));
  if (!path || path->empty()) return std::nullopt;
  WIN32_FILE_ATTRIBUTE_DATA file{};
  if (!GetFileAttributesExW(path->c_str(), GetFileExInfoStandard, &file)) return std::nullopt;
  if (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return ProfileFile{*path, wholeOf(file.ftLastWriteTime.dwHighDateTime, file.ftLastWriteTime.dwLowDateTime),
                     wholeOf(file.nFileSizeHigh, file.nFileSizeLow)};
}

std::optional<std::vector<std::uint8_t>> MonitorProfileFiles::readProfileFile(const std::wstring& path,
                                                                               std::size_t largest) {
  return readWholeFile(path, largest);
}

}  // namespace Lmr::win32
