#include "ports/bgrx_view.h"

namespace Lmr {

bool isWordAddressable(const ConstBgrxView& view) {
  if (view.pixels == nullptr || view.width <= 0 || view.height <= 0) return false;
  const auto address = reinterpret_cast<std::uintptr_t>(view.pixels);
  if (address % alignof(std::uint32_t) != 0 || view.stride % 4 != 0) return false;
  const std::ptrdiff_t rowBytes = std::ptrdiff_t{view.width} * 4;
  return view.stride >= rowBytes || -view.stride >= rowBytes;
}

bool isSquareOf(const ConstBgrxView& view, std::int32_t side) {
  return view.width == side && view.height == side && isWordAddressable(view);
}

}  // namespace Lmr
