#include "app/required_files.h"

namespace Lmr {

std::optional<std::wstring_view> firstMissingFile(const std::function<bool(std::wstring_view)>& exists) {
  for (const auto name : requiredFiles)
    if (!exists(name)) return name;
  return std::nullopt;
}

std::wstring missingFileMessage(std::wstring_view fileName) {
  return L"ERROR Resource file not found: " + std::wstring(fileName);
}

}  // namespace Lmr
