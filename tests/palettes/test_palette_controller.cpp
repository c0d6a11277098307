// SPDX-License-Identifier: MIT
// The palette grid's actions with plain values: a cell or a swatch goes in,
// an update comes out.
#include "palettes/palette_controller.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tintora {
namespace {

class PaletteControllerTest : public ::testing::Test
{
protected:
    PaletteControllerTest() : store(dir.path(), QString()), grid(surface, store)
    {
        grid.SetView(PaletteView::SafePalette);
        grid.DrawSafePalette();
        sys.fill(0);
        sys[15] = 0x00C0C0C0;
    }

    QTemporaryDir dir;
    Surface surface;
    CustomColorsStore store;
    PaletteController grid;
    SystemColorTable sys{};
};

TEST_F(PaletteControllerTest, SafeCellsPickTheirColourAndFillersPickBlack)
{
    // Cell k is web-safe colour k: red outermost, blue innermost, steps of 51.
    const std::pair<int, ColorRef> rows[] = {
        {1, 0}, {2, 0x00330000}, {37, 0x00000033}, {216, 0x00FFFFFF}, {220, 0}};
    for (const auto& [k, color] : rows) {
        const ViewUpdate u = grid.PickCell(k, sys);
        ASSERT_TRUE(u.current && u.swatch) << k;
        EXPECT_EQ(*u.current, color) << k;
        EXPECT_EQ(*u.swatch, color) << k;
        EXPECT_EQ(grid.SelectedCell(), k);
    }
    // The gap between cells 1 and 2 and the outline of cell 1 pick nothing.
    EXPECT_FALSE(grid.PickPaletteCell(26, 17, sys).current);
    EXPECT_FALSE(grid.PickPaletteCell(10, 17, sys).current);
    EXPECT_EQ(grid.SelectedCell(), 220);
}

TEST_F(PaletteControllerTest, KeyboardMovesStayInsideTheSixteenByFourteenGrid)
{
    grid.SelectCell(1);
    EXPECT_EQ(grid.CellMovedBy(-1, -1), 1);
    EXPECT_EQ(grid.CellMovedBy(1, 1), 18);
    EXPECT_EQ(grid.CellMovedBy(100, 100), 224);
    grid.SelectCell(224);
    EXPECT_EQ(grid.CellMovedBy(1, 0), 224);
    EXPECT_EQ(grid.CellMovedBy(0, -13), 16);
}

// A swatch holding a system-colour constant makes the constant current, so
// its codes name it; the readout shows the colour it stands for.
TEST_F(PaletteControllerTest, SwatchColourBecomesCurrentAsItIs)
{
    const ViewUpdate u = grid.ShowSwatchColor(SysColorConst(15), sys);
    ASSERT_TRUE(u.current);
    EXPECT_EQ(*u.current, SysColorConst(15));
    EXPECT_FALSE(u.swatch);
}

} // namespace
} // namespace tintora

namespace tintora {
namespace {

// Two windows on one palette file: after B's "Add", B's grid shows the
// colour A saved meanwhile, in its data and on its surface.
// A save failure is said once while it repeats, and again after a save
// succeeded in between. A folder in the palette file's place fails a save.
TEST_F(PaletteControllerTest, SaveFailureIsNewsOnlyAfterASuccess)
{
    const struct {
        bool blocked;
        bool news;
    } steps[] = {{true, true}, {true, false}, {false, false}, {true, true}, {true, false}};
    const QString file = QDir(dir.path()).filePath(QString::fromLatin1(CustomColorsStore::FileName));
    grid.SetView(PaletteView::CustomColors);
    grid.LoadCustomColors();
    int step = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(step++);
        QFile::remove(file);
        ASSERT_TRUE(QDir(file).removeRecursively());
        ASSERT_TRUE(!s.blocked || QDir().mkpath(file));
        EXPECT_EQ(grid.AddColor(MakeColorRef(step, 0, 0)).ok, !s.blocked);
        EXPECT_EQ(grid.SaveFailureIsNews(), s.news);
    }
}

TEST(PaletteControllerWindows, AddShowsWhatAnotherWindowSaved)
{
    QTemporaryDir dir;
    Surface surfaceA;
    Surface surfaceB;
    CustomColorsStore storeA(dir.path(), QString());
    CustomColorsStore storeB(dir.path(), QString());
    PaletteController a(surfaceA, storeA);
    PaletteController b(surfaceB, storeB);
    for (PaletteController* grid : {&a, &b}) {
        grid->SetView(PaletteView::CustomColors);
        grid->LoadCustomColors();
    }
    a.SelectCell(17);
    ASSERT_TRUE(a.AddColor(MakeColorRef(255, 0, 0)).ok);
    b.SelectCell(18);
    ASSERT_TRUE(b.AddColor(MakeColorRef(0, 0, 255)).ok);
    EXPECT_EQ(b.CustomColors()[17], MakeColorRef(255, 0, 0));
    const CellRect& cell = b.Cells()[17];
    EXPECT_EQ(surfaceB.Point((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2),
              MakeColorRef(255, 0, 0));
    EXPECT_EQ(CustomColorsStore(dir.path(), QString()).Load()[17], MakeColorRef(255, 0, 0));
}

} // namespace
} // namespace tintora
