// SPDX-License-Identifier: MIT
// Every notation at the edges of its ranges: channels at 0 and 255, and hues
// that round up to 360 degrees, which the HSB triple writes as 0.
#include "core/color_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintora {
namespace {

TEST(ColorFormatBoundaries, ChannelsAtZeroAndFullAndHuesThatRoundTo360)
{
    const std::vector<std::string> ids = {
        "html",   "hex-lower", "hex3",   "rgb",   "css-rgb", "css-hsl",     "rgb-modern", "hsl-modern",
        "hwb",    "lab",       "lch",    "oklab", "oklch",   "display-p3",  "hex-alpha",  "hsb",
        "qcolor", "dotnet",    "delphi", "vbhex", "decimal", "decimal-rgb", "argb"};
    // hue 360 - 60 * n / 255 for blue n with red full: 359.76 and 359.53
    // round to 360, which is 0; 359.29 rounds to 359. The CSS notations keep
    // the digits that read back to the colour, so they never say 360 either.
    // The colour-space notations of chromatic colours are checked against an
    // independent implementation elsewhere; here black and white.
    const struct {
        Rgb color;
        std::vector<std::string> expected; // in the order of ids; "-" = not checked here
        std::string hueTemplate;           // the text of "{h}"
    } cases[] = {
        {{0, 0, 0},
         {"#000000",
          "#000000",
          "#000",
          "RGB(0, 0, 0)",
          "rgb(0, 0, 0)",
          "hsl(0, 0%, 0%)",
          "rgb(0 0 0)",
          "hsl(0 0% 0%)",
          "hwb(0 0% 100%)",
          "lab(0 0 0)",
          "lch(0 0 0)",
          "oklab(0% 0 0)",
          "oklch(0% 0 0)",
          "color(display-p3 0 0 0)",
          "#000000ff",
          "0, 0, 0",
          "QColor(0, 0, 0)",
          "Color.FromArgb(0, 0, 0)",
          "$00000000",
          "&H000000&",
          "0",
          "0",
          "0xFF000000"},
         "0"},
        {{255, 255, 255},
         {"#FFFFFF",
          "#ffffff",
          "#fff",
          "RGB(255, 255, 255)",
          "rgb(255, 255, 255)",
          "hsl(0, 0%, 100%)",
          "rgb(255 255 255)",
          "hsl(0 0% 100%)",
          "hwb(0 100% 0%)",
          "lab(100 0 0)",
          "lch(100 0 0)",
          "oklab(100% 0 0)",
          "oklch(100% 0 0)",
          "color(display-p3 1 1 1)",
          "#ffffffff",
          "0, 0, 100",
          "QColor(255, 255, 255)",
          "Color.FromArgb(255, 255, 255)",
          "$00FFFFFF",
          "&HFFFFFF&",
          "16777215",
          "16777215",
          "0xFFFFFFFF"},
         "0"},
        {{0, 255, 255},
         {"#00FFFF",
          "#00ffff",
          "#0ff",
          "RGB(0, 255, 255)",
          "rgb(0, 255, 255)",
          "hsl(180, 100%, 50%)",
          "rgb(0 255 255)",
          "hsl(180 100% 50%)",
          "hwb(180 0% 0%)",
          "-",
          "-",
          "-",
          "-",
          "-",
          "#00ffffff",
          "180, 100, 100",
          "QColor(0, 255, 255)",
          "Color.FromArgb(0, 255, 255)",
          "$00FFFF00",
          "&HFFFF00&",
          "16776960",
          "65535",
          "0xFF00FFFF"},
         "180"},
        {{255, 0, 1},
         {"#FF0001",
          "#ff0001",
          "",
          "RGB(255, 0, 1)",
          "rgb(255, 0, 1)",
          "hsl(359.8, 100%, 50%)",
          "rgb(255 0 1)",
          "hsl(359.8 100% 50%)",
          "hwb(359.8 0% 0%)",
          "-",
          "-",
          "-",
          "-",
          "-",
          "#ff0001ff",
          "0, 100, 100",
          "QColor(255, 0, 1)",
          "Color.FromArgb(255, 0, 1)",
          "$000100FF",
          "&H0100FF&",
          "65791",
          "16711681",
          "0xFFFF0001"},
         "0"},
        {{255, 0, 2},
         {"-", "-", "-", "-",           "-", "-", "-", "-", "-", "-", "-", "-",
          "-", "-", "-", "0, 100, 100", "-", "-", "-", "-", "-", "-", "-"},
         "0"},
        {{255, 0, 3},
         {"-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "359, 100, 100",
          "-", "-", "-", "-", "-", "-", "-"},
         "359"},
    };
    ASSERT_EQ(ColorFormats().size(), ids.size());
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.color.red << ", " << c.color.green << ", " << c.color.blue);
        for (std::size_t i = 0; i < ids.size(); ++i) {
            ASSERT_EQ(ColorFormats()[i].id, ids[i]);
            if (c.expected[i] != "-")
                EXPECT_EQ(FormatColor(c.color, ids[i]).value_or(""), c.expected[i]) << ids[i];
        }
        EXPECT_EQ(ExpandColorTemplate("{h}", c.color).text.value_or(""), c.hueTemplate);
        EXPECT_EQ(RgbToHsb(c.color).hue, std::stoi(c.hueTemplate));
    }
}

} // namespace
} // namespace tintora
