#include "win32/settings_registry.h"

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "app/stored_value.h"
#include "win32/handles.h"

namespace Lmr::win32 {
namespace {

constexpr wchar_t settingsKeyPath[] = L"SOFTWARE\\Lumarin";
// Settings are small numbers or short texts; anything longer is not a setting of ours.
constexpr DWORD largestValue = 4096;

// The core reads the bytes by the registry's own type codes.
static_assert(StoredType::text == REG_SZ && StoredType::expandableText == REG_EXPAND_SZ);
static_assert(StoredType::binary == REG_BINARY && StoredType::multiText == REG_MULTI_SZ);
static_assert(StoredType::dword == REG_DWORD && StoredType::dwordBigEndian == REG_DWORD_BIG_ENDIAN);
static_assert(StoredType::qword == REG_QWORD);

}  // namespace

void SettingsRegistry::deleteSettings() {
  // The tree call empties the key; the key itself goes with the second call.
  RegDeleteTreeW(HKEY_CURRENT_USER, settingsKeyPath);
  RegDeleteKeyW(HKEY_CURRENT_USER, settingsKeyPath);
}

SettingsRead SettingsRegistry::readValue(std::wstring_view name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return {};
  RegistryKey key(opened);
  const std::wstring valueName(name);
  DWORD type = 0, size = 0;
  // Bounded, typed read: ask for the size first. Only a value that is not there takes the default.
  // One that is there but cannot be read (Wine refuses a big-endian DWORD and a link to
  // RegGetValueW) or is too large to be a setting is present and not "1", so off.
  const LSTATUS sized =
      RegGetValueW(key.get(), nullptr, valueName.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size);
  if (sized == ERROR_FILE_NOT_FOUND) return {true, std::nullopt};
  if (sized != ERROR_SUCCESS || size > largestValue) return {true, StoredValue{}};
  std::vector<BYTE> data(size + sizeof(wchar_t), 0);
  DWORD read = size;
  if (RegGetValueW(key.get(), nullptr, valueName.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &read) !=
      ERROR_SUCCESS)
    return {true, StoredValue{}};
  return {true, storedValueFrom(type, std::span<const std::uint8_t>(data.data(), read))};
}

bool SettingsRegistry::writeDword(std::wstring_view name, std::uint32_t value) {
  const DWORD data = value;
  return RegSetKeyValueW(HKEY_CURRENT_USER, settingsKeyPath, std::wstring(name).c_str(), REG_DWORD, &data, sizeof data) ==
         ERROR_SUCCESS;
}

}  // namespace Lmr::win32
