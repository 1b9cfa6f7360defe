#pragma once
#include "ports/settings_port.h"

namespace Lmr::win32 {

// The settings key HKEY_CURRENT_USER\SOFTWARE\Lumarin.
class SettingsRegistry final : public SettingsPort {
 public:
  void deleteSettings() override;
  SettingsRead readValue(std::wstring_view name) override;
  bool writeDword(std::wstring_view name, std::uint32_t value) override;
};

}  // namespace Lmr::win32
