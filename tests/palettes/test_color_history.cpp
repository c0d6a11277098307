// SPDX-License-Identifier: MIT
#include "palettes/color_history.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

TEST(ColorHistory, OneKeepFillsFrontAndOld)
{
    ColorHistory history;
    history.Keep(255);
    EXPECT_EQ(history.Old(), 255);
    EXPECT_EQ(history.At(0), 255);
    for (int i = 1; i < ColorHistory::Size; ++i)
        EXPECT_EQ(history.At(i), 0) << i;
}

TEST(ColorHistory, NineteenKeepsDropTheOldest)
{
    ColorHistory history;
    for (int c = 1; c <= 19; ++c)
        history.Keep(c);
    EXPECT_EQ(history.Old(), 19);
    for (int i = 0; i < ColorHistory::Size; ++i)
        EXPECT_EQ(history.At(i), 19 - i) << i;
    EXPECT_EQ(history.At(17), 2);
}

TEST(ColorHistory, SameColourTwiceFillsTwoPlaces)
{
    ColorHistory history;
    history.Keep(7);
    history.Keep(0x00FF00);
    history.Keep(0x00FF00);
    EXPECT_EQ(history.At(0), 0x00FF00);
    EXPECT_EQ(history.At(1), 0x00FF00);
    EXPECT_EQ(history.At(2), 7);
}

TEST(ColorHistory, OutOfRangeIndexIsBlack)
{
    ColorHistory history;
    for (int c = 1; c <= 18; ++c)
        history.Keep(c);
    for (const int index : {-1, 18, 1000, -1000})
        EXPECT_EQ(history.At(index), 0) << index;
}

} // namespace
} // namespace tintora
