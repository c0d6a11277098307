// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace tintora {

// One palette cell in window pixels. The cell is filled from left to
// right - 1 and from top to bottom - 1, with a one-pixel outline on that
// boundary; right and bottom themselves lie just outside it.
struct CellRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

inline constexpr int GridCellCount = 224;
inline constexpr int GridColumns = 16;

// Cells 1..224 of the palette grid; element [0] is unused and stays all zero.
using GridCells = std::array<CellRect, GridCellCount + 1>;

// The 16 x 14 grid of 15-pixel cells with 3-pixel gaps. Cell k lies in row
// (k - 1) / 16 and column (k - 1) % 16; cell 1 is (10, 10, 25, 25), cell 17
// (10, 28, 25, 43), cell 224 (280, 244, 295, 259). The grid covers x 10..295
// and y 10..259.
GridCells BuildGridCells();

// The first cell k (1..224) that strictly contains (x, y):
// left < x < right and top < y < bottom. 0 when no cell does (the gaps, the
// left and top outline of a cell, the right and bottom edge, outside the grid).
int PickCellAt(const GridCells& cells, int x, int y);

} // namespace tintora
