// SPDX-License-Identifier: MIT
// The pointer and the keys on the picker's areas and on the grid in their
// place: which controller gets them, and which events are not theirs.
#include "mainwin/area_input.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace tintora {
namespace {

class AreaInputTest : public ::testing::Test
{
protected:
    AreaInputTest() : picker(surface), store(dir.path(), QString()), palettes(surface, store) {}

    QTemporaryDir dir;
    Surface surface;
    PickerController picker;
    CustomColorsStore store;
    PaletteController palettes;
    SystemColorTable sys{};
    AreaInput areas{picker, palettes, sys};
};

TEST_F(AreaInputTest, OnTheGridArrowsStepOneCellAndOnlyTheirKeysAreTaken)
{
    palettes.SetView(PaletteView::SafePalette);
    palettes.DrawSafePalette();
    palettes.SelectCell(1);
    const PickerInput in;
    // A step of ten (Shift) is still one cell; the slider has no grid.
    ASSERT_TRUE(areas.Key(in, AreaKey{10, 0, false}, false));
    EXPECT_EQ(palettes.SelectedCell(), 2);
    EXPECT_FALSE(areas.Key(in, AreaKey{0, 1, false}, true));
    EXPECT_FALSE(areas.Key(in, AreaKey{}, false));
    EXPECT_EQ(palettes.SelectedCell(), 2);
    const auto picked = areas.Key(in, AreaKey{0, 0, true}, false);
    ASSERT_TRUE(picked && picked->current);
    EXPECT_EQ(*picked->current, ColorRef{0x00330000});
    // Only a left press or a left drag picks.
    EXPECT_FALSE(areas.PressGrid(RightButton, 17, 17));
    EXPECT_FALSE(areas.Drag(in, false, 17, 17));
    EXPECT_TRUE(areas.PressGrid(LeftButton, 17, 17));
}

TEST_F(AreaInputTest, OnThePickerALeftPressFocusesTheAreaUnderIt)
{
    palettes.SetView(PaletteView::Picker);
    const PickerLayout& l = picker.layout();
    EXPECT_EQ(areas.PressFocus(LeftButton, l.PlaneLeft + 5, l.PlaneTop + 5), AreaInput::Focus::Plane);
    EXPECT_EQ(areas.PressFocus(LeftButton, l.SliderLeft + 2, l.SliderTop + 5), AreaInput::Focus::Slider);
    EXPECT_EQ(areas.PressFocus(RightButton, l.PlaneLeft + 5, l.PlaneTop + 5), AreaInput::Focus::None);
    EXPECT_EQ(areas.PressFocus(LeftButton, l.SliderRight + 40, l.SliderTop + 5), AreaInput::Focus::None);
    // Keys that move nothing are left to the window.
    EXPECT_FALSE(areas.Key(PickerInput{}, AreaKey{0, 0, true}, false));
    EXPECT_EQ(PointerButton(Qt::MiddleButton), MiddleButton);
    EXPECT_EQ(PointerButton(Qt::BackButton), 0);
}

// "Presets" covers the picker with the custom colours and hides the markers;
// "Picker" brings it back drawn for the mode and fields given, not as it was.
TEST_F(AreaInputTest, TogglingTheViewSwapsGridAndPickerAndTheirDescriptions)
{
    picker.StartUp();
    palettes.SetView(PaletteView::Picker);
    PickerInput in;
    const ViewUpdate toGrid = areas.ToggleView(in);
    EXPECT_TRUE(areas.GridShown());
    EXPECT_FALSE(picker.MarkersVisible());
    EXPECT_FALSE(toGrid.current || toGrid.swatch);
    EXPECT_FALSE(toGrid.repaint.empty());
    const AreaInput::Descriptions grid = areas.Describe(in);
    EXPECT_FALSE(grid.slider);
    EXPECT_TRUE(grid.plane.valueText.startsWith(QStringLiteral("Cell ")));

    in.fields = {"120", "100", "100", "0", "255", "0"};
    const ViewUpdate back = areas.ToggleView(in);
    EXPECT_EQ(palettes.View(), PaletteView::Picker);
    EXPECT_TRUE(picker.MarkersVisible());
    EXPECT_FALSE(back.current);
    const PickerLayout& l = picker.layout();
    EXPECT_EQ(surface.Point(l.PlaneRight, l.PlaneTop), ColorRef{0x0000FF00});
    const AreaInput::Descriptions both = areas.Describe(in);
    ASSERT_TRUE(both.slider);
    EXPECT_NE(both.plane.name, grid.plane.name);
}

} // namespace
} // namespace tintora
