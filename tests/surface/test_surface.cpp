// SPDX-License-Identifier: MIT
#include "surface/qt_colors.h"
#include "surface/surface.h"

#include <gtest/gtest.h>

#include <array>

#include <QImage>

namespace tintora {
namespace {

constexpr std::int32_t kBack = 0x00F0F0F0;

// A surface scribbled with a varied pattern so that inversion and copies
// have something to change.
Surface Patterned()
{
    Surface s(kBack);
    for (int y = 0; y < Surface::Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(const_cast<QImage&>(s.image()).scanLine(y));
        for (int x = 0; x < Surface::Width; ++x)
            line[x] = qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, (x ^ y) & 0xFF);
    }
    return s;
}

int CountDifferences(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

TEST(QtColors, KeepTheByteOrderAndDropTheTopByte)
{
    EXPECT_EQ(ToQColor(0x00563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412);
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56, 0)), 0x00563412);
    EXPECT_EQ(ToQRgb(-1), qRgb(255, 255, 255));
    EXPECT_EQ(ToQRgb(static_cast<ColorRef>(0x80000000)), qRgb(0, 0, 0));
    EXPECT_EQ(FromQRgb(qRgb(255, 0, 0)), 0x000000FF);
}

TEST(Surface, PointReadsBackExactColoursAndMinusOneOutside)
{
    Surface s(kBack);
    EXPECT_EQ(s.Point(0, 0), kBack);
    s.Line(5, 5, 5, 5, Pen{0x00336699});
    EXPECT_EQ(s.Point(5, 5), 0x00336699);
    EXPECT_EQ(s.Point(5.4, 4.6), 0x00336699);
    EXPECT_EQ(s.Point(4.5, 5.0), s.Point(4, 5)); // ties go to even
    EXPECT_EQ(s.Point(5.5, 5.0), s.Point(6, 5));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {480, 0}, {0, 519}, {100000, 5}})
        EXPECT_EQ(s.Point(x, y), -1) << x << "," << y;
    EXPECT_EQ(s.Point(-0.6, 3.0), -1);
    EXPECT_EQ(s.Point(479.4, 518.4), kBack);
    EXPECT_EQ(s.Point(479.6, 3.0), -1);
    EXPECT_EQ(s.Point(479, 518), kBack);
}

TEST(Surface, ClsFillsWithBackColour)
{
    Surface s = Patterned();
    s.setBackColor(0x00123456);
    s.Cls();
    for (int y = 0; y < Surface::Height; y += 7)
        for (int x = 0; x < Surface::Width; x += 5)
            ASSERT_EQ(s.Point(x, y), 0x00123456);
}

// Every drawing call in invert mode, made twice, must restore every pixel:
// markers are moved by exactly such pairs.
TEST(Surface, InvertTwiceRestoresEveryPixel)
{
    struct Case {
        const char* name;
        void (*draw)(Surface&);
    };
    static constexpr Pen thin{0, 1, DrawMode::Invert};
    static constexpr Pen wide{0, 3, DrawMode::Invert};
    const Case cases[] = {
        {"circle r5", [](Surface& s) { s.Circle(265, 10, 5, thin); }},
        {"circle at corner", [](Surface& s) { s.Circle(0, 0, 5, thin); }},
        {"wide dash", [](Surface& s) { s.Line(294, 265, 297, 265, wide); }},
        {"wide diagonal", [](Surface& s) { s.Line(10, 10, 60, 33, wide); }},
        {"rectangle pen 3", [](Surface& s) { s.Rectangle(20, 20, 40, 40, wide); }},
        {"lineto",
         [](Surface& s) {
             s.MoveToEx(277, 12);
             s.LineTo(292, 12, thin);
         }},
    };
    for (const Case& c : cases) {
        Surface s = Patterned();
        const QImage before = s.image().copy();
        c.draw(s);
        EXPECT_GT(CountDifferences(before, s.image()), 0) << c.name;
        c.draw(s);
        EXPECT_EQ(CountDifferences(before, s.image()), 0) << c.name;
    }
}

TEST(Surface, CircleNeverTouchesItsCentreAndOverlayCoversTheSamePixels)
{
    Surface s = Patterned();
    const QImage before = s.image().copy();
    s.Circle(138, 140, 5, Pen{0, 1, DrawMode::Invert});
    EXPECT_EQ(s.image().pixel(138, 140), before.pixel(138, 140));

    QImage overlay = before.copy();
    Surface::InvertCircle(overlay, 138, 140, 5);
    EXPECT_EQ(CountDifferences(overlay, s.image()), 0);

    // The slider dash: x 294..297 on rows y-1..y+1, nothing else.
    Surface d = Patterned();
    d.Line(294, 100, 297, 100, Pen{0, 3, DrawMode::Invert});
    QImage dash = before.copy();
    Surface::InvertHLine(dash, 294, 297, 100, 3);
    EXPECT_EQ(CountDifferences(dash, d.image()), 0);
    EXPECT_EQ(CountDifferences(before, d.image()), 12);
    EXPECT_NE(d.image().pixel(294, 99), before.pixel(294, 99));
    EXPECT_EQ(d.image().pixel(293, 100), before.pixel(293, 100));
    EXPECT_EQ(d.image().pixel(298, 100), before.pixel(298, 100));
}

TEST(Surface, LineToLeavesOutTheEndPoint)
{
    Surface s(kBack);
    s.MoveToEx(277, 20);
    s.LineTo(292, 20, Pen{0x000000FF});
    for (int x = 277; x <= 291; ++x)
        EXPECT_EQ(s.Point(x, 20), 0x000000FF) << x;
    EXPECT_EQ(s.Point(292, 20), kBack);
    EXPECT_EQ(s.Point(276, 20), kBack);
    EXPECT_EQ(s.Point(280, 19), kBack);
}

TEST(Surface, RectangleOutlineAndFill)
{
    Surface s(kBack);
    s.Rectangle(10, 10, 25, 25, Pen{0}, Fill::Solid(0x0000FF00)); // a grid cell: outline on 10 and 24
    EXPECT_EQ(s.Point(10, 10), 0);
    EXPECT_EQ(s.Point(24, 24), 0);
    EXPECT_EQ(s.Point(17, 10), 0);
    EXPECT_EQ(s.Point(11, 11), 0x0000FF00);
    EXPECT_EQ(s.Point(23, 23), 0x0000FF00);
    EXPECT_EQ(s.Point(25, 25), kBack);

    // A 3-pixel pen centred on the boundary of (l-2, t-2, r+2, b+2) covers
    // the two-pixel sunken edge drawn on (l-3, t-3, r+3, b+3).
    Surface e(kBack);
    e.DrawEdge(7, 7, 28, 28, EdgeKind::Sunken);
    e.Rectangle(8, 8, 27, 27, Pen{kBack, 3});
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(e.Point(x, y), kBack) << x << "," << y;
}

TEST(Surface, SunkenInnerEdgeColours)
{
    Surface s(kBack);
    EdgeColors c;
    c.darkShadow = 0x00111111;
    c.light = 0x00EEEEEE;
    s.setEdgeColors(c);
    s.DrawEdge(9, 9, 268, 268, EdgeKind::SunkenInner);
    EXPECT_EQ(s.Point(100, 9), c.darkShadow); // top
    EXPECT_EQ(s.Point(9, 100), c.darkShadow); // left
    EXPECT_EQ(s.Point(100, 267), c.light);    // bottom
    EXPECT_EQ(s.Point(267, 100), c.light);    // right
    EXPECT_EQ(s.Point(266, 100), kBack);
    EXPECT_EQ(s.Point(100, 266), kBack);
}

Dib Gradient(int w, int h)
{
    // Pixel at (column c, image row r from the top) holds (c, r, 7).
    Dib d(w, h);
    for (int r = 0; r < h; ++r) {
        std::uint8_t* row = d.storedRow(h - 1 - r);
        for (int c = 0; c < w; ++c) {
            row[3 * c] = 7;
            row[3 * c + 1] = static_cast<std::uint8_t>(r);
            row[3 * c + 2] = static_cast<std::uint8_t>(c);
        }
    }
    return d;
}

TEST(Surface, BlitsPlaceBitmapsAndMirrorExactly)
{
    const Dib d = Gradient(15, 256);
    {
        Surface s(kBack);
        s.BitBlt(100, 100, 15, 256, d, 0, 0);
        EXPECT_EQ(s.Point(100, 100), 0x00070000); // top-left: c 0, r 0
        EXPECT_EQ(s.Point(114, 355), 0x0007FF0E); // c 14, r 255
        EXPECT_EQ(s.Point(115, 100), kBack);
    }
    {
        // Vertical mirror: origin (277, 265), height -256 covers rows 10..265.
        Surface s(kBack);
        s.StretchBlt(277, 265, 15, -256, d, 0, 0, 15, 256);
        EXPECT_EQ(s.Point(277, 265), 0x00070000); // image top row at the bottom
        EXPECT_EQ(s.Point(277, 10), 0x0007FF00);  // image bottom row at the top
        EXPECT_EQ(s.Point(291, 10), 0x0007FF0E);
        EXPECT_EQ(s.Point(277, 9), kBack);
        EXPECT_EQ(s.Point(277, 266), kBack);
        EXPECT_EQ(s.Point(292, 100), kBack);
    }
    {
        // Horizontal mirror: origin (265, 10), width -256 covers 10..265.
        const Dib p = Gradient(256, 256);
        Surface s(kBack);
        s.StretchBlt(265, 10, -256, 256, p, 0, 0, 256, 256);
        EXPECT_EQ(s.Point(265, 10), 0x00070000);  // column 0 at the right edge
        EXPECT_EQ(s.Point(10, 10), 0x000700FF);   // column 255 at the left edge
        EXPECT_EQ(s.Point(180, 138), 0x00078055); // column 85, row 128
        EXPECT_EQ(s.Point(9, 10), kBack);
        EXPECT_EQ(s.Point(266, 10), kBack);
    }
}

TEST(Surface, BlitsPartlyOffTheImageCopyOnlyWhatLandsOnIt)
{
    // (x, y, w, h): unmirrored and mirrored, hanging over each edge. Every
    // pixel is checked against where the destination rectangle puts it.
    struct Case {
        int x;
        int y;
        int w;
        int h;
    };
    const Case cases[] = {
        {-5, 10, 15, 20}, {470, 500, 15, 20}, {9, 10, -15, 20}, {484, 10, -15, 20}, {50, 5, 15, -20}};
    const Dib d = Gradient(15, 20);
    for (const Case& c : cases) {
        Surface s(kBack);
        s.StretchBlt(c.x, c.y, c.w, c.h, d, 0, 0, 15, 20);
        for (int y = 0; y < Surface::Height; ++y) {
            for (int x = 0; x < Surface::Width; ++x) {
                // Destination column j counts from x along the sign of w.
                const int j = c.w > 0 ? x - c.x : c.x - x;
                const int i = c.h > 0 ? y - c.y : c.y - y;
                const bool inside = j >= 0 && j < 15 && i >= 0 && i < 20;
                const std::int32_t want = inside ? (j | i << 8 | 7 << 16) : kBack;
                ASSERT_EQ(s.Point(x, y), want)
                    << c.x << "," << c.y << "," << c.w << "," << c.h << " at " << x << "," << y;
            }
        }
    }
}

TEST(Surface, PixelsGivesAViewOfARectangleInsideTheImageOnly)
{
    Surface s(kBack);
    const PixelView v = s.Pixels(10, 20, 256, 256);
    ASSERT_TRUE(v.covers(256, 256));
    v.row(0)[0] = 0xFF010203u;
    v.row(255)[255] = 0xFF0A0B0Cu;
    EXPECT_EQ(s.Point(10, 20), 0x00030201);
    EXPECT_EQ(s.Point(265, 275), 0x000C0B0A);
    EXPECT_EQ(s.pendingRect(), QRect(10, 20, 256, 256));

    const QRect outside[] = {
        {-1, 0, 10, 10}, {0, -1, 10, 10}, {471, 0, 10, 10}, {0, 510, 10, 10}, {0, 0, 0, 5}};
    for (const QRect& r : outside) {
        const PixelView e = s.Pixels(r.x(), r.y(), r.width(), r.height());
        EXPECT_EQ(e.pixels, nullptr) << r.x() << "," << r.y();
        EXPECT_FALSE(e.covers(1, 1));
    }
    EXPECT_TRUE(s.Pixels(470, 509, 10, 10).covers(10, 10));
}

TEST(Surface, PrintReturnsTheNextLineAndInksOnlyItsOwnLineInItsColour)
{
    Surface s(kBack);
    EXPECT_EQ(s.Print(312, 80, QStringLiteral("R: 255"), 0x000000FF), 80 + s.lineHeight());
    int red = 0;
    for (int y = 0; y < Surface::Height; ++y)
        for (int x = 0; x < Surface::Width; ++x) {
            const std::int32_t c = s.Point(x, y);
            if (c == kBack)
                continue;
            ASSERT_TRUE(y >= 80 && y < 80 + s.lineHeight() && x >= 312) << x << "," << y;
            red += c == 0x000000FF;
        }
    EXPECT_GT(red, 0);
}

// Each call takes its own pen: a wide inverting pen used before leaves no
// trace on the next thin copy line.
TEST(Surface, NoCallInheritsAnotherCallsPen)
{
    Surface s(kBack);
    s.Line(0, 50, 100, 50, Pen{0x00FF0000, 3, DrawMode::Invert});
    s.Line(0, 60, 100, 60, Pen{0x000000FF});
    EXPECT_EQ(s.Point(50, 60), 0x000000FF);
    EXPECT_EQ(s.Point(50, 59), kBack);
    EXPECT_EQ(s.Point(50, 61), kBack);
    s.Rectangle(200, 200, 220, 220, Pen{0}, Fill::Solid(0x0000FF00));
    s.Rectangle(300, 300, 320, 320, Pen{0});
    EXPECT_EQ(s.Point(310, 310), kBack);
}

TEST(Surface, RefreshReportsTheChangedRectangleOnce)
{
    Surface s(kBack);
    QRect seen;
    int calls = 0;
    s.setRefreshListener([&](const QRect& r) {
        seen = r;
        ++calls;
    });
    s.Circle(100, 100, 5, Pen{0, 1, DrawMode::Invert});
    s.Refresh();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, QRect(95, 95, 11, 11));
    s.Refresh();
    EXPECT_EQ(calls, 1);
}

// A strip's rows: each row its own colour, as a copy-pen line per row draws
// it, and only the span of rows that changed is due for the screen.
TEST(Surface, FillRowsDrawsWhatLinesDrawAndMarksOnlyChangedRows)
{
    Surface lines(kBack), rows(kBack);
    std::array<std::int32_t, 20> colors{};
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = static_cast<std::int32_t>(0x010203 * i);
    for (int i = 0; i < 20; ++i) {
        lines.MoveToEx(460, 500 + i);
        lines.LineTo(480, 500 + i,
                     Pen{colors[static_cast<std::size_t>(i)]}); // past the right and bottom edges
    }
    rows.FillRows(460, 500, 490, colors);
    for (int y = 495; y < Surface::Height; ++y)
        for (int x = 455; x < Surface::Width; ++x)
            ASSERT_EQ(rows.Point(x, y), lines.Point(x, y)) << x << "," << y;
    EXPECT_EQ(rows.pendingRect(), lines.pendingRect());

    rows.Refresh();
    rows.FillRows(460, 500, 490, colors);
    EXPECT_TRUE(rows.pendingRect().isEmpty()); // nothing changed
    colors[3] = colors[6] = 0x00FF00;
    rows.FillRows(460, 500, 490, colors);
    EXPECT_EQ(rows.pendingRect(), QRect(QPoint(460, 503), QPoint(Surface::Width - 1, 506)));
}

} // namespace
} // namespace tintora
