#include "win32/system_library.h"

#include <map>
#include <mutex>
#include <string>

namespace Lmr::win32 {
namespace {

HMODULE loadFromSystemFolder(const wchar_t* fileName) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + fileName;
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

// Kept loaded until the process ends: the functions taken from them may be called at any time.
HMODULE systemLibrary(const wchar_t* fileName) {
  static std::mutex guard;
  static std::map<std::wstring, HMODULE> loaded;
  const std::lock_guard lock(guard);
  auto [entry, isNew] = loaded.try_emplace(fileName, nullptr);
  if (isNew) entry->second = loadFromSystemFolder(fileName);
  return entry->second;
}

}  // namespace Lmr::win32
