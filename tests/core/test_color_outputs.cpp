// SPDX-License-Identifier: MIT
#include "core/color_outputs.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tintora {
namespace {

using Texts = std::array<std::string, 6>;

// A scheme in which none of the 16 table colours nor the test colours occur.
SystemColorTable NeutralScheme()
{
    SystemColorTable sys{};
    for (int n = 0; n < SysColorCount; ++n)
        sys[static_cast<std::size_t>(n)] = MakeColorRef(10 + n, 20 + n, 30 + n);
    return sys;
}

void ExpectFields0To5(const ColorOutputs& out, const Texts& expected, const std::string& label)
{
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(out.text[i], expected[i]) << label << " field " << i;
        EXPECT_EQ(out.enabled[i], expected[i].find("N/A") == std::string::npos) << label << " field " << i;
    }
}

TEST(UpdateColorOutputs, PlainColoursWithoutSystemMatch)
{
    const struct {
        ColorRef color;
        Texts expected;
    } cases[] = {
        {0x0000FFFF, {"vbYellow", "QBColor(14)", "RGB(255, 255, 0)", "65535", "#FFFF00", "&H00FFFF&"}},
        {0x00336699, {"N/A", "QBColor(N/A)", "RGB(153, 102, 51)", "3368601", "#996633", "&H336699&"}},
        {0x000080, {"N/A", "QBColor(4)", "RGB(128, 0, 0)", "128", "#800000", "&H000080&"}},
        {0x00FFFFFF, {"vbWhite", "QBColor(15)", "RGB(255, 255, 255)", "16777215", "#FFFFFF", "&HFFFFFF&"}},
        {0x000000, {"vbBlack", "QBColor(0)", "RGB(0, 0, 0)", "0", "#000000", "&H000000&"}},
        {0xC0C0C0, {"N/A", "QBColor(7)", "RGB(192, 192, 192)", "12632256", "#C0C0C0", "&HC0C0C0&"}},
        {0x808080, {"N/A", "QBColor(8)", "RGB(128, 128, 128)", "8421504", "#808080", "&H808080&"}},
        {0x800000, {"N/A", "QBColor(1)", "RGB(0, 0, 128)", "8388608", "#000080", "&H800000&"}},
        {0xFF0000, {"vbBlue", "QBColor(9)", "RGB(0, 0, 255)", "16711680", "#0000FF", "&HFF0000&"}},
        {0x0000FF, {"vbRed", "QBColor(12)", "RGB(255, 0, 0)", "255", "#FF0000", "&H0000FF&"}},
        {0xFF00FF, {"vbMagenta", "QBColor(13)", "RGB(255, 0, 255)", "16711935", "#FF00FF", "&HFF00FF&"}},
        {0x00FF00, {"vbGreen", "QBColor(10)", "RGB(0, 255, 0)", "65280", "#00FF00", "&H00FF00&"}},
        {0xFFFF00, {"vbCyan", "QBColor(11)", "RGB(0, 255, 255)", "16776960", "#00FFFF", "&HFFFF00&"}},
        // Near a table colour is not a match.
        {0x000081, {"N/A", "QBColor(N/A)", "RGB(129, 0, 0)", "129", "#810000", "&H000081&"}},
        {0x0A0B0C, {"N/A", "QBColor(N/A)", "RGB(12, 11, 10)", "658188", "#0C0B0A", "&H0A0B0C&"}},
    };
    const SystemColorTable sys = NeutralScheme();
    for (const auto& c : cases) {
        const ColorOutputs out = UpdateColorOutputs(c.color, sys);
        const std::string label = "color " + std::to_string(c.color);
        ExpectFields0To5(out, c.expected, label);
        EXPECT_EQ(out.text[6], "N/A") << label;
        EXPECT_EQ(out.text[7], "N/A") << label;
        EXPECT_FALSE(out.enabled[6]) << label;
        EXPECT_FALSE(out.enabled[7]) << label;
        EXPECT_EQ(out.sysColorIndex, -1) << label;
    }
}

TEST(UpdateColorOutputs, PlainColourMatchingSystemColoursShowsLowestIndex)
{
    SystemColorTable sys = NeutralScheme();
    sys[6] = 0;
    sys[8] = 0;
    sys[21] = 0;
    const ColorOutputs out = UpdateColorOutputs(0, sys);
    ExpectFields0To5(out, {"vbBlack", "QBColor(0)", "RGB(0, 0, 0)", "0", "#000000", "&H000000&"}, "black");
    EXPECT_EQ(out.text[6], SysColorNames[6]);
    EXPECT_EQ(out.text[7], "&H80000006&");
    EXPECT_TRUE(out.enabled[6]);
    EXPECT_TRUE(out.enabled[7]);
    EXPECT_EQ(out.sysColorIndex, 6);
}

TEST(UpdateColorOutputs, SystemConstantDescribesItsCurrentValue)
{
    SystemColorTable sys = NeutralScheme();
    sys[5] = 0x00FFFFFF;
    sys[15] = 0x00C0C0C0;
    sys[16] = 0x00808080;

    const ColorOutputs window = UpdateColorOutputs(SysColorConst(5), sys);
    ExpectFields0To5(window,
                     {"vbWhite", "QBColor(15)", "RGB(255, 255, 255)", "16777215", "#FFFFFF", "&HFFFFFF&"},
                     "window background");
    EXPECT_EQ(window.text[6], SysColorNames[5]);
    EXPECT_EQ(window.text[7], "&H80000005&");
    EXPECT_EQ(window.sysColorIndex, 5);

    // The constant is shown even when a lower index has the same value.
    sys[3] = 0x00C0C0C0;
    const ColorOutputs face = UpdateColorOutputs(SysColorConst(15), sys);
    EXPECT_EQ(face.text[6], "vbButtonFace");
    EXPECT_EQ(face.text[7], "&H8000000F&");
    EXPECT_EQ(face.sysColorIndex, 15);
    EXPECT_EQ(face.text[1], "QBColor(7)");

    const ColorOutputs last = UpdateColorOutputs(SysColorConst(24), sys);
    EXPECT_EQ(last.text[7], "&H80000018&");
    EXPECT_EQ(last.sysColorIndex, 24);
    EXPECT_EQ(last.text[2], "RGB(34, 44, 54)");
}

TEST(UpdateColorOutputs, NegativeValuesThatAreNotConstantsArePlainValues)
{
    const SystemColorTable sys = NeutralScheme();
    const struct {
        ColorRef color;
        Texts expected;
    } cases[] = {
        // -1 is what a pixel read off the surface gives.
        {-1, {"N/A", "QBColor(N/A)", "RGB(255, 255, 255)", "-1", "#FFFFFF", "&HFFFFFFFF&"}},
        {-2, {"N/A", "QBColor(N/A)", "RGB(254, 255, 255)", "-2", "#FEFFFF", "&HFFFFFFFE&"}},
        // Just past the last constant: no system colour with this number.
        {SysColorConst(25),
         {"N/A", "QBColor(N/A)", "RGB(25, 0, 0)", "-2147483623", "#190000", "&H80000019&"}},
        // Above 0xFFFFFF: the notations of the low three bytes stay in step.
        {0x01000080, {"N/A", "QBColor(N/A)", "RGB(128, 0, 0)", "16777344", "#800000", "&H1000080&"}},
    };
    for (const auto& c : cases) {
        const ColorOutputs out = UpdateColorOutputs(c.color, sys);
        const std::string label = "color " + std::to_string(c.color);
        ExpectFields0To5(out, c.expected, label);
        EXPECT_EQ(out.text[6], "N/A") << label;
        EXPECT_EQ(out.text[7], "N/A") << label;
        EXPECT_EQ(out.sysColorIndex, -1) << label;
    }
}

} // namespace
} // namespace tintora
