#include "colour/monitor_profiles.h"

#include "colour/icc_description.h"

namespace Lmr {
namespace {

std::wstring fileNameOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return showableProfileName(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

}  // namespace

const ProfileReading* MonitorProfiles::profileAt(Point32 point) {
  const std::optional<ProfileFile> file = files_.profileFileAt(point);
  if (!file) return nullptr;
  auto known = read_.find(file->path);
  if (known == read_.end() || known->second.file != *file)
    known = read_.insert_or_assign(file->path, ReadFile{*file, readingOf(*file)}).first;
  return &known->second.reading;
}

ProfileReading MonitorProfiles::readingOf(const ProfileFile& file) {
  const auto bytes = files_.readProfileFile(file.path, largestProfileFile);
  ProfileReading reading = bytes ? readIccProfile(*bytes) : ProfileReading{};
  if (reading.description.empty()) reading.description = fileNameOf(file.path);
  return reading;
}

}  // namespace Lmr
