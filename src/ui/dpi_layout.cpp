#include "ui/dpi_layout.h"

#include <algorithm>

namespace Lmr::ui {

std::optional<int> usableDpi(long long reported) {
  if (reported <= 0) return std::nullopt;
  return static_cast<int>(std::clamp<long long>(reported, lowestDpi, highestDpi));
}

std::optional<DpiMove> dpiMoveFrom(long long reportedDpi, const Box& suggested) {
  const std::optional<int> dpi = usableDpi(reportedDpi);
  if (!dpi || suggested.width <= 0 || suggested.height <= 0) return std::nullopt;
  return DpiMove{*dpi, {suggested.x, suggested.y}};
}

MainWindowGeometry mainWindowGeometry(int dpi, const LabelExtent& labelExtent) {
  MainWindowGeometry geometry;
  std::array<bool, mainWindowControlCount> hasMargin{};
  std::size_t index = 0;
  for (const ControlSpec& spec : mainWindowControls()) {
    Box box = scaleToDpi(spec.design, dpi);
    if (spec.kind == ControlKind::Label) {
      const Size text = labelExtent(spec.text);
      box.width = text.width;
      box.height = text.height;
    }
    hasMargin[index] = spec.kind != ControlKind::Label;
    geometry.boxes[index++] = box;
  }
  geometry.client = enclosingClientSize(geometry.boxes, hasMargin, scaleToDpi(controlMargin, dpi));
  geometry.minimum = scaleToDpi(minimumWindowSize, dpi);
  geometry.maximum = scaleToDpi(maximumWindowSize, dpi);
  return geometry;
}

Size mainWindowSize(const MainWindowGeometry& geometry, Size frame) {
  return {std::clamp(geometry.client.width + frame.width, geometry.minimum.width, geometry.maximum.width),
          std::clamp(geometry.client.height + frame.height, geometry.minimum.height, geometry.maximum.height)};
}

Size dialogWindowSize(const MadeDialog& made, int dpi, Size frame) {
  const auto scaled = [&](Size size) {
    return Size{scaleBetweenDpis(size.width, dpi, made.dpi), scaleBetweenDpis(size.height, dpi, made.dpi)};
  };
  if (made.fixedWindow) return scaled(made.window);
  const Size client = scaled(made.client);
  return {client.width + frame.width, client.height + frame.height};
}

}  // namespace Lmr::ui
