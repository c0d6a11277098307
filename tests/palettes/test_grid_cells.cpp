// SPDX-License-Identifier: MIT
#include "palettes/grid_cells.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tintora {
namespace {

void ExpectCell(const GridCells& cells, int k, CellRect expected)
{
    SCOPED_TRACE(testing::Message() << "cell " << k);
    EXPECT_EQ(cells[k].left, expected.left);
    EXPECT_EQ(cells[k].top, expected.top);
    EXPECT_EQ(cells[k].right, expected.right);
    EXPECT_EQ(cells[k].bottom, expected.bottom);
}

TEST(GridCells, KnownCells)
{
    const GridCells cells = BuildGridCells();
    ExpectCell(cells, 0, {0, 0, 0, 0});
    ExpectCell(cells, 1, {10, 10, 25, 25});
    ExpectCell(cells, 2, {28, 10, 43, 25});
    ExpectCell(cells, 16, {280, 10, 295, 25});
    ExpectCell(cells, 17, {10, 28, 25, 43});
    ExpectCell(cells, 216, {136, 244, 151, 259});
    ExpectCell(cells, 224, {280, 244, 295, 259});
}

TEST(GridCells, EveryCellFollowsRowAndColumn)
{
    const GridCells cells = BuildGridCells();
    int minX = 1000, minY = 1000, maxX = -1, maxY = -1;
    for (int k = 1; k <= GridCellCount; ++k) {
        const int r = (k - 1) / 16;
        const int c = (k - 1) % 16;
        ExpectCell(cells, k, {10 + 18 * c, 10 + 18 * r, 25 + 18 * c, 25 + 18 * r});
        minX = std::min(minX, cells[k].left);
        minY = std::min(minY, cells[k].top);
        maxX = std::max(maxX, cells[k].right);
        maxY = std::max(maxY, cells[k].bottom);
    }
    EXPECT_EQ(minX, 10);
    EXPECT_EQ(maxX, 295);
    EXPECT_EQ(minY, 10);
    EXPECT_EQ(maxY, 259);
}

TEST(PickCellAt, Table)
{
    const GridCells cells = BuildGridCells();
    struct Row {
        int x, y, expected;
    };
    const Row rows[] =
        {
            {10, 15, 0}, // left outline of cell 1
            {15, 10, 0}, // top outline of cell 1
            {11, 11, 1},     {24, 24, 1},     {11, 24, 1},
            {24, 11, 1},     {25, 15, 0}, // right edge of cell 1
            {15, 25, 0},                  // bottom edge of cell 1
            {26, 15, 0},     {27, 15, 0}, // horizontal gap between cells 1 and 2
            {28, 15, 0},                  // left outline of cell 2
            {29, 15, 2},     {15, 26, 0},     {15, 27, 0},
            {15, 28, 0}, // vertical gap and top outline of cell 17
            {15, 29, 17},    {281, 245, 224}, {294, 258, 224},
            {137, 245, 216}, {295, 258, 0},   {294, 259, 0}, // right and bottom edge of the last cell
            {0, 0, 0},       {-5, 15, 0},     {15, -5, 0},
            {300, 15, 0},    {15, 300, 0},    {400, 400, 0},
        };
    for (const Row& row : rows)
        EXPECT_EQ(PickCellAt(cells, row.x, row.y), row.expected) << "at (" << row.x << ", " << row.y << ")";
}

TEST(PickCellAt, InteriorOfEveryCellPicksThatCell)
{
    const GridCells cells = BuildGridCells();
    for (int k = 1; k <= GridCellCount; ++k) {
        const CellRect& c = cells[k];
        for (int y = c.top + 1; y < c.bottom; ++y)
            for (int x = c.left + 1; x < c.right; ++x)
                ASSERT_EQ(PickCellAt(cells, x, y), k) << "at (" << x << ", " << y << ")";
        EXPECT_EQ(PickCellAt(cells, c.left, c.top + 5), 0);
        EXPECT_EQ(PickCellAt(cells, c.right, c.top + 5), 0);
        EXPECT_EQ(PickCellAt(cells, c.left + 5, c.top), 0);
        EXPECT_EQ(PickCellAt(cells, c.left + 5, c.bottom), 0);
    }
}

} // namespace
} // namespace tintora
