#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Lmr {

// A value as the per-user settings store holds it.
struct StoredValue {
  enum class Kind { Number, Text, Other };
  Kind kind = Kind::Other;
  std::uint64_t number = 0;  // Kind::Number
  std::wstring text;         // Kind::Text
};

// The result of reading one value: whether the settings key exists, and the value if present.
struct SettingsRead {
  bool keyExists = false;
  std::optional<StoredValue> value;
};

// The per-user settings store (HKEY_CURRENT_USER\SOFTWARE\Lumarin on Windows).
class SettingsPort {
 public:
  virtual ~SettingsPort() = default;
  // Deletes the settings key with all its values; nothing happens when it does not exist.
  virtual void deleteSettings() = 0;
  // Reads a value by name; the empty name is the key's unnamed value. A store that cannot be
  // read answers as if the key did not exist.
  virtual SettingsRead readValue(std::wstring_view name) = 0;
  // Writes a 32-bit value, creating the key when it is missing. False when it could not be
  // written (a key the user may not change); a failure leaves things as they were.
  virtual bool writeDword(std::wstring_view name, std::uint32_t value) = 0;
};

}  // namespace Lmr
