// SPDX-License-Identifier: MIT
#include "palettes/grid_cells.h"

namespace tintora {

namespace {
constexpr int CellSize = 15;
constexpr int CellGap = 3;
} // namespace

GridCells BuildGridCells()
{
    // Built cell by cell from its predecessor, the way the window has always
    // laid it out: along a row each cell starts a gap after the previous
    // one; a new row starts a gap below the previous row at cell 1's left.
    GridCells cells{};
    cells[1] = CellRect{10, 10, 10 + CellSize, 10 + CellSize};
    for (int k = 2; k <= GridCellCount; ++k) {
        const CellRect& prev = cells[k - 1];
        CellRect& cell = cells[k];
        if ((k - 1) % GridColumns == 0) {
            cell.left = cells[1].left;
            cell.top = prev.bottom + CellGap;
        } else {
            cell.left = prev.right + CellGap;
            cell.top = prev.top;
        }
        cell.right = cell.left + CellSize;
        cell.bottom = cell.top + CellSize;
    }
    return cells;
}

int PickCellAt(const GridCells& cells, int x, int y)
{
    for (int k = 1; k <= GridCellCount; ++k) {
        const CellRect& c = cells[k];
        if (c.left < x && x < c.right && c.top < y && y < c.bottom)
            return k;
    }
    return 0;
}

} // namespace tintora
