// SPDX-License-Identifier: MIT
#include "core/color_conversions.h"
#include "core/color_state.h"
#include "core/system_colors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>

namespace tintora {
namespace {

// A scheme with distinct values everywhere, so lookups are unambiguous.
SystemColorTable DistinctScheme()
{
    SystemColorTable sys{};
    for (int n = 0; n < SysColorCount; ++n)
        sys[static_cast<std::size_t>(n)] = MakeColorRef(n + 1, 2 * n + 3, 3 * n + 5);
    return sys;
}

TEST(SplitColor, SplitsBytesAndNegativeValuesTowardZero)
{
    const struct {
        ColorRef color;
        Rgb expected;
    } cases[] = {
        {0x00336699, {153, 102, 51}},
        {0, {0, 0, 0}},
        {0x00FFFFFF, {255, 255, 255}},
        {0x000080, {128, 0, 0}},
        {0x7FABCDEF, {0xEF, 0xCD, 0xAB}}, // the top byte plays no part
        {-1, {-1, 0, 0}},
        {-256, {0, -1, 0}},
        {-65536, {0, 0, -1}},
        {-0x123456, {-0x56, -0x34, -0x12}},
        {std::numeric_limits<ColorRef>::min(), {0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitColor(c.color), c.expected) << "color " << c.color;
}

// The two byte orders: a ColorRef has red low (0x00BBGGRR), the web order
// has red high (0xRRGGBB). Splits ignore the top byte.
TEST(ColorBytes, SplitAndPackInBothOrders)
{
    const struct {
        Rgb rgb;
        ColorRef colorRef;
        std::uint32_t rrggbb;
    } cases[] = {
        {{0, 0, 0}, 0, 0},
        {{255, 255, 255}, 0x00FFFFFF, 0xFFFFFF},
        {{255, 0, 0}, 0x000000FF, 0xFF0000},
        {{0, 0, 255}, 0x00FF0000, 0x0000FF},
        {{0x12, 0x34, 0x56}, 0x00563412, 0x123456},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeColorRef(c.rgb.red, c.rgb.green, c.rgb.blue), c.colorRef);
        EXPECT_EQ(c.rgb.ToColorRef(), c.colorRef);
        EXPECT_EQ(Rgb::FromColorRef(c.colorRef), c.rgb);
        EXPECT_EQ(c.rgb.ToRrggbb(), c.rrggbb);
        EXPECT_EQ(Rgb::FromRrggbb(c.rrggbb), c.rgb);
    }
    EXPECT_EQ(Rgb::FromColorRef(-1), (Rgb{255, 255, 255}));
    EXPECT_EQ(Rgb::FromColorRef(static_cast<ColorRef>(0x80000005)), (Rgb{5, 0, 0}));
    EXPECT_EQ(Rgb::FromRrggbb(0xFF123456u), (Rgb{0x12, 0x34, 0x56}));
}

TEST(GetHexVal, FormatsSixDigitsRedFirst)
{
    const struct {
        int r, g, b;
        const char* expected;
    } cases[] = {
        {255, 0, 51, "FF0033"},
        {0, 0, 0, "000000"},
        {10, 11, 12, "0A0B0C"},
        {255, 5, 255, "FF05FF"},
        {16, 15, 1, "100F01"},
        // Channels outside 0..255 keep their full 16-bit text.
        {-1, 0, 0, "FFFF0000"},
        {256, 0, 0, "1000000"},
        {-32768, 1, 2, "80000102"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetHexVal(c.r, c.g, c.b), c.expected) << c.r << ", " << c.g << ", " << c.b;
}

TEST(SafeColorFromIndex, WalksRedOuterBlueInner)
{
    const struct {
        int index;
        Rgb rgb;
        ColorRef color;
    } cases[] = {
        {1, {0, 0, 0}, 0},
        {2, {0, 0, 51}, 0x330000},
        {6, {0, 0, 255}, 0x00FF0000},
        {7, {0, 51, 0}, 0x3300},
        {36, {0, 255, 255}, 0xFFFF00},
        {37, {51, 0, 0}, 0x00000033},
        {216, {255, 255, 255}, 0x00FFFFFF},
    };
    for (const auto& c : cases) {
        const auto safe = SafeColorFromIndex(c.index);
        ASSERT_TRUE(safe.has_value()) << "index " << c.index;
        EXPECT_EQ(safe->rgb, c.rgb) << "index " << c.index;
        EXPECT_EQ(safe->color, c.color) << "index " << c.index;
        EXPECT_EQ(safe->hex, GetHexVal(c.rgb.red, c.rgb.green, c.rgb.blue)) << "index " << c.index;
    }
    EXPECT_EQ(SafeColorFromIndex(6)->hex, "0000FF");
    EXPECT_EQ(SafeColorFromIndex(37)->hex, "330000");
}

TEST(SafeColorFromIndex, CoversEveryWebSafeColourOnce)
{
    std::set<ColorRef> seen;
    for (int index = 1; index <= 216; ++index) {
        const auto safe = SafeColorFromIndex(index);
        ASSERT_TRUE(safe.has_value());
        EXPECT_EQ(safe->rgb.red % 51 + safe->rgb.green % 51 + safe->rgb.blue % 51, 0);
        EXPECT_EQ(SplitColor(safe->color), safe->rgb);
        seen.insert(safe->color);
    }
    EXPECT_EQ(seen.size(), 216u);
}

TEST(SafeColorFromIndex, IndexOutsideRangeMatchesNothing)
{
    for (const int index :
         {0, 217, -1, 1000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        EXPECT_FALSE(SafeColorFromIndex(index).has_value()) << "index " << index;
    }
}

TEST(SystemColors, ConstantsAndNames)
{
    EXPECT_EQ(SysColorConst(0), static_cast<ColorRef>(0x80000000u));
    EXPECT_EQ(SysColorConst(15), static_cast<ColorRef>(0x8000000Fu));
    EXPECT_EQ(SysColorNames[15], "vbButtonFace");
    EXPECT_EQ(SysColorNames[5], "vbWindowBackground");

    const std::set<std::string_view> distinct(SysColorNames.begin(), SysColorNames.end());
    EXPECT_EQ(distinct.size(), SysColorNames.size());

    EXPECT_TRUE(IsSysColorConst(SysColorConst(0)));
    EXPECT_TRUE(IsSysColorConst(SysColorConst(24)));
    EXPECT_FALSE(IsSysColorConst(SysColorConst(25)));
    EXPECT_FALSE(IsSysColorConst(-1));
    EXPECT_FALSE(IsSysColorConst(0));
    EXPECT_FALSE(IsSysColorConst(std::numeric_limits<ColorRef>::max()));
}

TEST(SystemColors, ResolveOnlyTouchesConstants)
{
    const SystemColorTable sys = DistinctScheme();
    EXPECT_EQ(ResolveColor(SysColorConst(15), sys), sys[15]);
    EXPECT_EQ(ResolveColor(SysColorConst(0), sys), sys[0]);
    EXPECT_EQ(ResolveColor(SysColorConst(24), sys), sys[24]);
    EXPECT_EQ(ResolveColor(SysColorConst(25), sys), SysColorConst(25));
    EXPECT_EQ(ResolveColor(-1, sys), -1);
    EXPECT_EQ(ResolveColor(0x336699, sys), 0x336699);
}

TEST(SystemColors, FindSysColorConstPrefersLowestIndex)
{
    SystemColorTable sys = DistinctScheme();
    sys[6] = 0;
    sys[8] = 0;
    sys[18] = 0;
    sys[5] = 0xFFFFFF;
    sys[14] = 0xFFFFFF;
    EXPECT_EQ(FindSysColorConst(0, sys), SysColorConst(6));
    EXPECT_EQ(FindSysColorConst(0xFFFFFF, sys), SysColorConst(5));
    EXPECT_EQ(FindSysColorConst(sys[24], sys), SysColorConst(24));
    EXPECT_EQ(FindSysColorConst(0x123456, sys), -1);
    // Negative values are returned as they are.
    EXPECT_EQ(FindSysColorConst(SysColorConst(3), sys), SysColorConst(3));
    EXPECT_EQ(FindSysColorConst(-1, sys), -1);
    EXPECT_EQ(FindSysColorConst(-7, sys), -7);
}

TEST(ColorState, SetCurrentColorStoresAndSplits)
{
    const SystemColorTable sys = DistinctScheme();
    ColorState state;
    EXPECT_EQ(state.CurrentColor(), 0);

    ColorChange change = state.SetCurrentColor(0x00336699, sys);
    EXPECT_EQ(state.CurrentColor(), 0x00336699);
    EXPECT_EQ(change.rgb, (Rgb{153, 102, 51}));
    EXPECT_EQ(change.outputs.text[2], "RGB(153, 102, 51)");

    // A system constant stays stored; its current value is split.
    change = state.SetCurrentColor(SysColorConst(15), sys);
    EXPECT_EQ(state.CurrentColor(), SysColorConst(15));
    EXPECT_EQ(change.rgb, SplitColor(sys[15]));
    EXPECT_EQ(change.outputs.text[7], "&H8000000F&");

    // A read off the surface.
    change = state.SetCurrentColor(-1, sys);
    EXPECT_EQ(state.CurrentColor(), -1);
    EXPECT_EQ(change.rgb, (Rgb{-1, 0, 0}));
}

TEST(ColorState, WithoutSplitStoresAndRegenerates)
{
    const SystemColorTable sys = DistinctScheme();
    ColorState state;
    const auto safe = SafeColorFromIndex(6);
    ASSERT_TRUE(safe.has_value());
    const ColorOutputs outputs = state.SetCurrentColorWithoutSplit(safe->color, sys);
    EXPECT_EQ(state.CurrentColor(), 0x00FF0000);
    EXPECT_EQ(outputs.text[0], "vbBlue");
    EXPECT_EQ(outputs.text[4], "#0000FF");
}

} // namespace
} // namespace tintora
