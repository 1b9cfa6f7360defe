#include "win32/read_only_file.h"

#include <string_view>

namespace Lmr::win32 {
namespace {

// "\\?\C:\..." as a plain "C:\...", and "\\?\UNC\server\..." as "\\server\...".
std::wstring withoutLocalPrefix(std::wstring path) {
  constexpr std::wstring_view unc = L"\\\\?\\UNC\\", local = L"\\\\?\\";
  if (path.starts_with(unc)) return L"\\\\" + path.substr(unc.size());
  if (path.starts_with(local)) return path.substr(local.size());
  return path;
}

}  // namespace

// Shared every way, so a file another program has open (or the running program file itself)
// can be read.
ReadOnlyFile::ReadOnlyFile(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) file_.reset(file);
}

std::wstring ReadOnlyFile::finalPath() const {
  if (!file_) return {};
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(file_.get(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    if (length < buffer.size()) return withoutLocalPrefix(std::wstring(buffer.data(), length));
    buffer.resize(length + 1);
  }
}

std::optional<std::vector<std::uint8_t>> ReadOnlyFile::readAll(std::size_t limit) const {
  LARGE_INTEGER size{};
  if (!file_ || !GetFileSizeEx(file_.get(), &size) || size.QuadPart < 0 ||
      static_cast<std::uint64_t>(size.QuadPart) > limit)
    return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty() && (!ReadFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                         read != bytes.size()))
    return std::nullopt;
  return bytes;
}

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::wstring& path, std::size_t largest) {
  return ReadOnlyFile(path).readAll(largest);
}

}  // namespace Lmr::win32
