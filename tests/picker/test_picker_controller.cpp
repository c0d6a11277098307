// SPDX-License-Identifier: MIT
// The picker controller driven with plain values: the mode and the field
// texts go in, an update comes out. Expected positions and numbers are
// worked out here from the scales (steps = x - 10 along x, 265 - y up), not
// taken from the controller.
#include "picker/picker_controller.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tintora {
namespace {

class PickerControllerTest : public ::testing::Test
{
protected:
    PickerControllerTest() : picker(surface) { picker.StartUp(); }

    PickerInput Input(PickerMode mode) const
    {
        PickerInput in = fields;
        in.mode = mode;
        return in;
    }
    // Writes an update's field texts into the window's fields, as MainWindow does.
    void Take(const ViewUpdate& u)
    {
        for (std::size_t i = 0; i < ChannelFieldCount; ++i)
            if (u.fields[i])
                fields.fields[i] = *u.fields[i];
    }
    int Number(ChannelField f) const { return std::stoi(fields.fields[static_cast<std::size_t>(f)]); }
    void Click(PickerMode mode, int x, int y)
    {
        Take(picker.Press(Input(mode), LeftButton, x, y));
        Take(picker.Release(Input(mode)));
    }

    Surface surface;
    PickerController picker;
    PickerInput fields;
};

TEST_F(PickerControllerTest, StartUpMakesThePureRedUnderTheRingCurrent)
{
    Surface s;
    PickerController p(s);
    const ViewUpdate u = p.StartUp();
    EXPECT_TRUE(u.showWindow);
    ASSERT_TRUE(u.current && u.swatch);
    EXPECT_EQ(*u.current, 0x000000FF);
    EXPECT_EQ(*u.swatch, 0x000000FF);
}

// Position -> channel numbers -> position (a mode switch places the ring
// from the fields): the ring comes back within one channel step of where it
// was, exactly at both ends, in every mode. A map that disagrees with its
// reverse by a frame width fails here.
TEST_F(PickerControllerTest, PlanePositionsSurviveTheRoundTripThroughTheFields)
{
    struct Row {
        PickerMode mode;
        double xStep; // pixels per channel unit along x
        double yStep; // pixels per channel unit along y
    };
    const Row rows[] = {{PickerMode::Hue, 2.55, 2.55},
                        {PickerMode::Saturation, 255.0 / 360.0, 2.55},
                        {PickerMode::Brightness, 255.0 / 360.0, 2.55}};
    const int positions[] = {10, 11, 12, 13, 100, 137, 138, 139, 200, 262, 263, 264, 265};
    for (const Row& row : rows) {
        Take(picker.SwitchMode(Input(row.mode)));
        for (int x : positions) {
            for (int y : {10, 138, 265, x}) {
                Click(row.mode, x, y);
                Take(picker.SwitchMode(Input(row.mode)));
                const PickerLayout& l = picker.layout();
                SCOPED_TRACE(testing::Message() << static_cast<int>(row.mode) << " at " << x << "," << y);
                EXPECT_LE(std::abs(l.SelX - x), static_cast<int>(std::ceil(row.xStep)));
                EXPECT_LE(std::abs(l.SelY - y), static_cast<int>(std::ceil(row.yStep)));
                if (x == 10 || x == 265)
                    EXPECT_EQ(l.SelX, x);
                if (y == 10 || y == 265)
                    EXPECT_EQ(l.SelY, y);
            }
        }
    }
}

TEST_F(PickerControllerTest, SliderPositionsSurviveTheRoundTripInHueMode)
{
    for (int y : {10, 11, 60, 137, 138, 200, 264, 265}) {
        Click(PickerMode::Hue, 282, y);
        // Hue from the position: floor((265 - y) * 360 / 255).
        EXPECT_EQ(Number(ChannelField::Hue), (265 - y) * 360 / 255) << y;
        Take(picker.SwitchMode(Input(PickerMode::Hue)));
        EXPECT_LE(std::abs(picker.MarkerRow() - y), 1) << y;
    }
}

// Drags beyond each side of the plane and the strip stay on their edge.
TEST_F(PickerControllerTest, DragsAreClampedOnAllFourSides)
{
    struct Row {
        double x, y;
        int selX, selY;
    };
    const Row plane[] = {
        {-50, 100, 10, 100}, {900, 100, 265, 100}, {100, -50, 100, 10}, {100, 900, 100, 265}};
    for (const Row& r : plane) {
        Take(picker.Press(Input(PickerMode::Hue), LeftButton, 100, 100));
        const ViewUpdate u = picker.Drag(Input(PickerMode::Hue), LeftButton, r.x, r.y);
        ASSERT_TRUE(u.current);
        EXPECT_EQ(*u.current, surface.Point(r.selX, r.selY));
        EXPECT_EQ(picker.layout().SelX, r.selX) << r.x << "," << r.y;
        EXPECT_EQ(picker.layout().SelY, r.selY) << r.x << "," << r.y;
        Take(picker.Release(Input(PickerMode::Hue)));
    }
    const std::pair<double, float> strip[] = {{-50, 10.f}, {900, 265.f}};
    for (const auto& [y, sliderY] : strip) {
        Take(picker.Press(Input(PickerMode::Saturation), LeftButton, 282, 100));
        const ViewUpdate u = picker.Drag(Input(PickerMode::Saturation), LeftButton, 282, y);
        EXPECT_EQ(picker.layout().SliderY, sliderY) << y;
        // The colour is read on the strip's edge row, never off the image.
        ASSERT_TRUE(u.current);
        EXPECT_EQ(*u.current, surface.Point(282, static_cast<int>(sliderY))) << y;
        Take(picker.Release(Input(PickerMode::Saturation)));
    }
}

TEST_F(PickerControllerTest, ModeSwitchesNeverChangeTheCurrentColour)
{
    for (PickerMode mode : {PickerMode::Saturation, PickerMode::Brightness, PickerMode::Hue}) {
        const ViewUpdate u = picker.SwitchMode(Input(mode));
        EXPECT_FALSE(u.current);
        EXPECT_FALSE(u.swatch);
        EXPECT_FALSE(u.field(ChannelField::Red));
    }
}

// A colour from outside is made current exactly, even where no plane pixel
// has that value, and the fields show its numbers.
TEST_F(PickerControllerTest, ShowColorIsExactAndFillsEveryField)
{
    const ViewUpdate u = picker.ShowColor(Input(PickerMode::Hue), Rgb{0x66, 0xCC, 0xFF});
    ASSERT_TRUE(u.current);
    EXPECT_EQ(*u.current, 0x00FFCC66);
    EXPECT_EQ(*u.swatch, 0x00FFCC66);
    Take(u);
    // #66CCFF: hue 200, saturation 60, brightness 100.
    EXPECT_EQ(Number(ChannelField::Hue), 200);
    EXPECT_EQ(Number(ChannelField::Saturation), 60);
    EXPECT_EQ(Number(ChannelField::Brightness), 100);
    EXPECT_EQ(Number(ChannelField::Red), 102);
    EXPECT_EQ(Number(ChannelField::Green), 204);
    EXPECT_EQ(Number(ChannelField::Blue), 255);
    // The ring at saturation 60 and brightness 100: x 10 + 153, y 10.
    EXPECT_EQ(picker.layout().SelX, 163);
    EXPECT_EQ(picker.layout().SelY, 10);

    Take(picker.ShowColor(Input(PickerMode::Brightness), Rgb{0x66, 0xCC, 0xFF}));
    EXPECT_EQ(picker.layout().SliderY, 10.f); // brightness 100 on the slider
}

TEST_F(PickerControllerTest, KeyboardMovesPickLikeAPressAndStopAtTheEdges)
{
    Click(PickerMode::Hue, 100, 100);
    const ViewUpdate u = picker.MoveRingBy(Input(PickerMode::Hue), 10, -1);
    EXPECT_EQ(picker.layout().SelX, 110);
    EXPECT_EQ(picker.layout().SelY, 99);
    ASSERT_TRUE(u.current);
    EXPECT_EQ(*u.current, surface.Point(110, 99));
    EXPECT_FALSE(picker.PlaneDragging());
    picker.MoveRingBy(Input(PickerMode::Hue), -1000, 1000);
    EXPECT_EQ(picker.layout().SelX, 10);
    EXPECT_EQ(picker.layout().SelY, 265);

    // In hue mode a slider step renders the plane for the new hue and takes
    // the colour under the ring, as a drag on the strip does.
    Take(picker.MoveSliderBy(Input(PickerMode::Hue), -85));
    EXPECT_EQ(picker.MarkerRow(), 180);
    EXPECT_EQ(Number(ChannelField::Hue), 85 * 360 / 255);
    picker.MoveSliderBy(Input(PickerMode::Hue), -1000);
    EXPECT_EQ(picker.MarkerRow(), 10);
}

TEST_F(PickerControllerTest, HueQuestionIsAskedOnlyForValuesOutsideWholeZeroTo360)
{
    const std::pair<const char*, bool> rows[] = {{"0", false},   {"360", false}, {"12", false}, {"361", true},
                                                 {"12.5", true}, {"-1", true},   {"abc", false}};
    for (const auto& [text, asks] : rows) {
        fields.fields[0] = text;
        EXPECT_EQ(picker.FieldEdited(Input(PickerMode::Hue), ChannelField::Hue).askHueQuestion, asks) << text;
        fields.fields[0] = text;
        const ViewUpdate left = picker.HueFieldLeft(Input(PickerMode::Hue));
        EXPECT_EQ(left.askHueQuestion, asks) << text;
        EXPECT_EQ(left.focusHueField, asks) << text;
    }
}

// Each of H, S and B moves the picker along its own channel; a key in R, G
// or B is no picker edit and leaves the ring and the fields alone.
TEST_F(PickerControllerTest, AnEditedFieldMovesThePickerAlongItsOwnChannelOnly)
{
    const PickerLayout& l = picker.layout();
    fields.fields[1] = "0";
    fields.fields[2] = "100";
    picker.FieldEdited(Input(PickerMode::Hue), ChannelField::Saturation);
    EXPECT_EQ(l.SelX, l.PlaneLeft);
    fields.fields[2] = "0";
    picker.FieldEdited(Input(PickerMode::Hue), ChannelField::Brightness);
    EXPECT_EQ(l.SelY, l.PlaneBottom);
    EXPECT_EQ(l.SelX, l.PlaneLeft);
    fields.fields[1] = "100";
    fields.fields[3] = "7";
    const ViewUpdate rgb = picker.FieldEdited(Input(PickerMode::Hue), ChannelField::Red);
    EXPECT_FALSE(rgb.current || rgb.swatch || rgb.askHueQuestion);
    EXPECT_TRUE(rgb.repaint.empty());
    EXPECT_EQ(l.SelX, l.PlaneLeft);
    fields.fields[0] = "120";
    picker.FieldEdited(Input(PickerMode::Hue), ChannelField::Hue);
    EXPECT_EQ(picker.MarkerRow(), l.SliderBottom - 85);
}

} // namespace
} // namespace tintora
