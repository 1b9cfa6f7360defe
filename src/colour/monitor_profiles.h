#pragma once
// The colour profiles of the monitors as "Copy as" reads them: looked up only when its menu
// opens, and each file read once for as long as it stays as it was.
#include <cstddef>
#include <map>
#include <string>

#include "colour/icc_profile.h"
#include "ports/geometry.h"
#include "ports/monitor_profile_port.h"

namespace Lmr {

// A display profile is a few kilobytes, one with lookup tables a few hundred; a longer file is
// not read at all.
inline constexpr std::size_t largestProfileFile = std::size_t{4} << 20;

class MonitorProfiles {
 public:
  explicit MonitorProfiles(MonitorProfilePort& files) : files_(files) {}
  MonitorProfiles(const MonitorProfiles&) = delete;
  MonitorProfiles& operator=(const MonitorProfiles&) = delete;

  // The profile of the monitor that holds `point`, valid until the next call; null when that
  // monitor has none. A file that cannot be read is named by its file name and not supported, as
  // is a profile that names itself in no way we can read.
  const ProfileReading* profileAt(Point32 point);

 private:
  struct ReadFile {
    ProfileFile file;
    ProfileReading reading;
  };
  ProfileReading readingOf(const ProfileFile& file);

  MonitorProfilePort& files_;
  std::map<std::wstring, ReadFile> read_;  // by path: a monitor or two, a profile each
};

}  // namespace Lmr
