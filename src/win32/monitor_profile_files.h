#pragma once
// The colour profile of each monitor as the system's colour management names it for the
// monitor's device context.
#include "ports/monitor_profile_port.h"

namespace Lmr::win32 {

class MonitorProfileFiles final : public MonitorProfilePort {
 public:
  std::optional<ProfileFile> profileFileAt(Point32 point) override;
  std::optional<std::vector<std::uint8_t>> readProfileFile(const std::wstring& path, std::size_t largest) override;
};

}  // namespace Lmr::win32
