// SPDX-License-Identifier: MIT
// The map from a pointer's logical position to the grabbed device pixel.
#include "eyedropper/pixel_mapping.h"

#include <QRect>
#include <QRectF>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tintora {
namespace {

TEST(PixelMapping, LogicalPositionToDevicePixel)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QSize hd(1920, 1080);
    struct Row {
        double x, y, dpr;
        QSize size;
        int dx, dy;
    } rows[] = {
        {0, 0, 1, hd, 0, 0},
        {137, 42, 1, hd, 137, 42},
        {137.75, 42.25, 1, hd, 137, 42},
        // Scale 2: each logical pixel covers two device pixels; the pointer
        // on device pixel 275 arrives as 137.5.
        {137, 42, 2, hd, 274, 84},
        {137.5, 42.5, 2, hd, 275, 85},
        {959.5, 539.5, 2, hd, 1919, 1079},
        // Scale 1.5: device pixels arrive as n / 1.5.
        {7 / 1.5, 1 / 1.5, 1.5, hd, 7, 1},
        {205 / 1.5, 1079 / 1.5, 1.5, hd, 205, 1079},
        {1919 / 1.5, 3 / 1.5, 1.5, hd, 1919, 3},
        {137, 137, 1.5, hd, 205, 205}, // 205.5 lies on pixel 205
        // 1.25 and 1.75, the other common fractional scales; at 1.75,
        // 61 / 1.75 * 1.75 falls just short of 61.
        {33 / 1.25, 101 / 1.25, 1.25, hd, 33, 101},
        {61 / 1.75, 122 / 1.75, 1.75, hd, 61, 122},
        // Clamped into the grab.
        {-1, -0.25, 1, hd, 0, 0},
        {1920, 5000, 1, hd, 1919, 1079},
        {1e300, -1e300, 2, hd, 1919, 0},
        {nan, inf, 1, hd, 0, 1079},
        {-inf, nan, 1, hd, 0, 0},
        // A broken scale counts as 1; an empty grab gives its origin.
        {10, 20, 0, hd, 10, 20},
        {10, 20, nan, hd, 10, 20},
        {10, 20, -2, hd, 10, 20},
        {10, 20, 1, QSize(0, 0), 0, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(DevicePixelAt(QPointF(r.x, r.y), r.dpr, r.size), QPoint(r.dx, r.dy))
            << "at (" << r.x << ", " << r.y << ") scale " << r.dpr;
    }
}

// Every device pixel of a screen is reached by its own logical position, at
// every common scale: no pixel is skipped or doubled.
TEST(PixelMapping, EveryDevicePixelIsReachable)
{
    for (const double dpr : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        const QSize size(3840, 2160);
        for (int n = 0; n < size.width(); ++n) {
            const QPoint back =
                DevicePixelAt(LogicalPositionOf(QPoint(n, n % size.height()), dpr), dpr, size);
            ASSERT_EQ(back, QPoint(n, n % size.height())) << "scale " << dpr;
        }
    }
}

// Two screens side by side, the left at scale 1 (1920 device pixels) and
// the right at scale 2 (3840 device pixels, 1920 logical) from logical
// x 1920: a position is taken relative to its own screen and mapped with
// that screen's scale.
TEST(PixelMapping, TwoScreensOfDifferentScale)
{
    struct Screen {
        QRect logical;
        double dpr;
    } screens[] = {{QRect(0, 0, 1920, 1080), 1.0}, {QRect(1920, 0, 1920, 1080), 2.0}};
    struct Row {
        QPointF global;
        int screen;
        QPoint device;
    } rows[] = {
        {QPointF(1919, 500), 0, QPoint(1919, 500)},
        {QPointF(1920, 500), 1, QPoint(0, 1000)},
        {QPointF(1920.5, 500.5), 1, QPoint(1, 1001)},
        {QPointF(3839.5, 1079.5), 1, QPoint(3839, 2159)},
    };
    for (const Row& r : rows) {
        const Screen& s = screens[r.screen];
        ASSERT_TRUE(QRectF(s.logical).contains(r.global));
        const QSize device(static_cast<int>(s.logical.width() * s.dpr),
                           static_cast<int>(s.logical.height() * s.dpr));
        EXPECT_EQ(DevicePixelAt(r.global - s.logical.topLeft(), s.dpr, device), r.device);
    }
}

TEST(PixelMapping, PortalChannelsToRgb)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        double r, g, b;
        std::optional<Rgb> rgb;
    } rows[] = {
        {0.4, 0.8, 1.0, Rgb{102, 204, 255}},
        {0, 0, 0, Rgb{0, 0, 0}},
        {102 / 255.0, 204 / 255.0, 1 / 255.0, Rgb{102, 204, 1}},
        {0.5, 0.2, 0.6, Rgb{128, 51, 153}}, // 127.5 rounds to the even 128
        {1.0000001, 0, 0, std::nullopt},
        {-0.0001, 0, 0, std::nullopt},
        {0, nan, 0, std::nullopt},
        {0, 0, std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(RgbFromUnitChannels(row.r, row.g, row.b), row.rgb) << row.r << " " << row.g << " " << row.b;
    EXPECT_EQ(HtmlCode(Rgb{102, 204, 255}), QStringLiteral("#66CCFF"));
    EXPECT_EQ(HtmlCode(Rgb{0, 10, 1}), QStringLiteral("#000A01"));
}

} // namespace
} // namespace tintora
