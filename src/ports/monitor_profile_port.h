#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/geometry.h"

namespace Lmr {

// A monitor's colour profile file as the system names it, with what tells a file changed since it
// was last read: when it was last written and how long it is.
struct ProfileFile {
  std::wstring path;
  std::uint64_t lastWritten = 0;
  std::uint64_t size = 0;
  friend bool operator==(const ProfileFile&, const ProfileFile&) = default;
};

// The colour profiles of the monitors.
class MonitorProfilePort {
 public:
  virtual ~MonitorProfilePort() = default;
  // The profile file of the monitor that holds `point` (the nearest one when none does); none
  // when that monitor has no profile or its file is not there.
  virtual std::optional<ProfileFile> profileFileAt(Point32 point) = 0;
  // The file's bytes; none when it cannot be read or is longer than `largest`.
  virtual std::optional<std::vector<std::uint8_t>> readProfileFile(const std::wstring& path,
                                                                   std::size_t largest) = 0;
};

}  // namespace Lmr
