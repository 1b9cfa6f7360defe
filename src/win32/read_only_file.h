#pragma once
// The one way the program reads a file: opened for reading only, and only if it is there.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Lmr::win32 {

// The whole file; none when it cannot be opened or read, or is longer than `largest`.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::wstring& path, std::size_t largest);

}  // namespace Lmr::win32
