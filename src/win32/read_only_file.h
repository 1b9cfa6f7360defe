#pragma once
// The one way the program opens a file: an existing file, for reading only. The program writes
// no file (the security check holds it to that), so nothing else opens one.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "win32/handles.h"

namespace Lmr::win32 {

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::wstring& path);

  bool isOpen() const { return static_cast<bool>(file_); }
  // The file's own path, every link on the way followed; empty when it cannot be told.
  std::wstring finalPath() const;
  // The whole file, or nothing when it is larger than `limit` bytes or cannot be read.
  std::optional<std::vector<std::uint8_t>> readAll(std::size_t limit) const;

 private:
  KernelHandle file_;
};

// The whole file at `path`; none when it cannot be opened or read, or is longer than `largest`.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::wstring& path, std::size_t largest);

}  // namespace Lmr::win32
