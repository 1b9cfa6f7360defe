#pragma once
// The dialogs are laid out in units of their font: their figures are pixels of a font whose
// character cell is 6 x 13, scaled to the cell of the font they are shown in.
#include "ui/main_window_layout.h"

namespace Lmr::ui {

inline constexpr Size dialogLayoutCell{6, 13};

// The character cell of a font: the average width of the 52 letters (rounded half up) and the
// font's height, in pixels.
Size fontCell(int widthOfAllLetters, int fontHeight);

// Layout units to pixels for a font with character cell `cell`. A box scales by its edges, so
// controls that touch in the layout still touch.
int scaleToFont(int units, int cellUnits, int layoutCellUnits);
Box scaleToFont(const Box& layout, Size cell);
Size scaleToFont(const Size& layout, Size cell);

// Where a window of `size` stands centred over `owner`, moved as little as needed to stay
// inside `workArea`.
Point centredOver(const Box& owner, Size size, const Box& workArea);

}  // namespace Lmr::ui
