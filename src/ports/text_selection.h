#pragma once
// A range of a text field's characters.
#include <cstddef>

namespace Lmr {

struct TextSelection {
  std::size_t start;
  std::size_t length;
  friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

}  // namespace Lmr
