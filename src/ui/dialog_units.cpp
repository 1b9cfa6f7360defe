#include "ui/dialog_units.h"

#include <algorithm>

namespace Lmr::ui {
namespace {

// Half away from zero, so negative figures scale like positive ones.
int divideRounded(long long numerator, long long denominator) {
  const long long half = denominator / 2;
  return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator));
}

}  // namespace

Size fontCell(int widthOfAllLetters, int fontHeight) { return {divideRounded(widthOfAllLetters, 52), fontHeight}; }

int scaleToFont(int units, int cellUnits, int layoutCellUnits) {
  return divideRounded(static_cast<long long>(units) * cellUnits, layoutCellUnits);
}

Box scaleToFont(const Box& layout, Size cell) {
  const auto x = [&](int units) { return scaleToFont(units, cell.width, dialogLayoutCell.width); };
  const auto y = [&](int units) { return scaleToFont(units, cell.height, dialogLayoutCell.height); };
  const int left = x(layout.x), top = y(layout.y);
  return {left, top, x(layout.right()) - left, y(layout.bottom()) - top};
}

Size scaleToFont(const Size& layout, Size cell) {
  const Box box = scaleToFont(Box{0, 0, layout.width, layout.height}, cell);
  return {box.width, box.height};
}

Point centredOver(const Box& owner, Size size, const Box& workArea) {
  const auto place = [](int ownerStart, int ownerLength, int length, int areaStart, int areaLength) {
    const int centred = ownerStart + (ownerLength - length) / 2;
    // A window larger than the area keeps its top-left corner (and so its title bar) inside.
    return std::max(areaStart, std::min(centred, areaStart + areaLength - length));
  };
  return {place(owner.x, owner.width, size.width, workArea.x, workArea.width),
          place(owner.y, owner.height, size.height, workArea.y, workArea.height)};
}

}  // namespace Lmr::ui
