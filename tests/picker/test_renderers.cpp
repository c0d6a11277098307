// SPDX-License-Identifier: MIT
#include "picker/render_reference.h"
#include "picker/renderers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

namespace tintora {
namespace {

struct Rgb {
    int r;
    int g;
    int b;
    bool operator==(const Rgb&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Rgb& c)
{
    return os << '(' << c.r << ", " << c.g << ", " << c.b << ')';
}

Rgb Stored(const Dib& dib, int storedRow, int pixel)
{
    const std::uint8_t* p = dib.storedRow(storedRow) + 3 * pixel;
    return {p[2], p[1], p[0]};
}

Rgb Unpack(ColorRef c)
{
    return {c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF};
}

// Window mapping of each buffer, as the surface blits it. A positive-height
// bitmap stores its bottom row first, so without a vertical mirror stored
// row j is image row 255 - j counted from the top.
//
// Hue strip: origin (277, 265), width 15, height -256. The vertical mirror
// turns the image upside down, so stored row i lands on window row 10 + i.
Rgb HueStripAt(const Dib& dib, int windowX, int windowY)
{
    return Stored(dib, windowY - 10, windowX - 277);
}

// Hue-mode plane: copied unmirrored to (10, 10).
Rgb SatBriAt(const Dib& dib, int windowX, int windowY)
{
    return Stored(dib, 255 - (windowY - 10), windowX - 10);
}

// Saturation- and brightness-mode planes: origin (265, 10), width -256,
// height 256. The horizontal mirror puts pixel c on window column 265 - c.
Rgb HuePlaneAt(const Dib& dib, int windowX, int windowY)
{
    return Stored(dib, 255 - (windowY - 10), 265 - windowX);
}

TEST(HueStrip, RowsAcrossTheSectorEnds)
{
    struct Row {
        int i;
        Rgb color;
    };
    const Row rows[] = {
        {0, {255, 0, 0}},   {42, {255, 0, 252}},  {43, {252, 0, 255}},  {85, {0, 0, 255}},
        {86, {0, 6, 255}},  {127, {0, 252, 255}}, {128, {0, 255, 252}}, {170, {0, 255, 0}},
        {171, {6, 255, 0}}, {212, {252, 255, 0}}, {213, {255, 252, 0}}, {255, {255, 0, 0}},
    };
    const Dib strip = RenderHueStrip();
    ASSERT_EQ(strip.width, 15);
    ASSERT_EQ(strip.height, 256);
    ASSERT_EQ(strip.bits.size(), 256u * 48u);
    for (const Row& row : rows)
        for (int x = 277; x <= 291; ++x)
            EXPECT_EQ(HueStripAt(strip, x, 10 + row.i), row.color) << "row " << row.i << " x " << x;
}

TEST(HueStrip, EveryRowIsSixteenEqualTriplesIncludingThePadding)
{
    const Dib strip = RenderHueStrip();
    for (int i = 0; i < 256; ++i)
        for (int p = 1; p < 16; ++p)
            ASSERT_EQ(Stored(strip, i, p), Stored(strip, i, 0)) << "row " << i << " triple " << p;
}

TEST(SatBriPlane, NamedPixelsForRed)
{
    struct Pixel {
        int u;
        int v;
        Rgb color;
    };
    const Pixel pixels[] = {
        {0, 0, {255, 255, 255}},   {255, 0, {255, 0, 0}}, {128, 0, {255, 127, 127}},
        {128, 128, {127, 63, 63}}, {0, 255, {0, 0, 0}},   {255, 255, {0, 0, 0}},
    };
    const Dib plane = RenderSatBriPlane(255, 0, 0);
    ASSERT_EQ(plane.width, 256);
    ASSERT_EQ(plane.height, 256);
    ASSERT_EQ(plane.bits.size(), 196608u);
    for (const Pixel& px : pixels)
        EXPECT_EQ(SatBriAt(plane, 10 + px.u, 10 + px.v), px.color) << "u " << px.u << " v " << px.v;
}

TEST(SatBriPlane, EdgesForSeveralHues)
{
    const Rgb hues[] = {{255, 0, 0}, {0, 255, 0}, {255, 0, 252}, {0, 252, 255}, {6, 255, 0}};
    for (const Rgb& hue : hues) {
        const Dib plane = RenderSatBriPlane(hue.r, hue.g, hue.b);
        for (int i = 0; i < 256; ++i) {
            // Bottom row black, left column grey 255 - v.
            ASSERT_EQ(SatBriAt(plane, 10 + i, 265), (Rgb{0, 0, 0})) << hue << " u " << i;
            const int grey = 255 - i;
            ASSERT_EQ(SatBriAt(plane, 10, 10 + i), (Rgb{grey, grey, grey})) << hue << " v " << i;
        }
        EXPECT_EQ(SatBriAt(plane, 10, 10), (Rgb{255, 255, 255})) << hue;
        EXPECT_EQ(SatBriAt(plane, 265, 10), hue);
    }
}

TEST(HueSatPlane, NamedPixels)
{
    struct Pixel {
        int x;
        int v;
        Rgb color;
    };
    const Pixel pixels[] = {
        {265, 0, {255, 0, 0}},
        {223, 0, {255, 0, 252}},
        {222, 0, {249, 0, 255}},
        {180, 0, {0, 0, 255}},
        {137, 0, {0, 252, 255}},
        {136, 0, {0, 255, 249}},
        {10, 0, {255, 0, 0}},
        // Column 85's ramp is -3: a negative red is not written and stays 0.
        {180, 1, {0, 1, 255}},
        {180, 2, {0, 2, 255}},
        {180, 3, {0, 3, 255}},
        {10, 1, {255, 0, 1}},
        {10, 128, {255, 127, 128}},
    };
    const Dib plane = RenderHueSatPlane();
    ASSERT_EQ(plane.bits.size(), 196608u);
    for (const Pixel& px : pixels)
        EXPECT_EQ(HuePlaneAt(plane, px.x, 10 + px.v), px.color) << "x " << px.x << " v " << px.v;
    for (int x = 10; x <= 265; ++x)
        ASSERT_EQ(HuePlaneAt(plane, x, 265), (Rgb{255, 255, 255})) << "x " << x;
}

TEST(HueBriPlane, NamedPixelsAndTheDarkColumns)
{
    const Dib plane = RenderHueBriPlane();
    EXPECT_EQ(HuePlaneAt(plane, 265, 138), (Rgb{127, 0, 0}));
    EXPECT_EQ(HuePlaneAt(plane, 137, 138), (Rgb{0, 126, 127}));
    EXPECT_EQ(HuePlaneAt(plane, 265, 10), (Rgb{255, 0, 0}));
    EXPECT_EQ(HuePlaneAt(plane, 137, 10), (Rgb{0, 252, 255}));
    for (int x = 10; x <= 265; ++x)
        ASSERT_EQ(HuePlaneAt(plane, x, 265), (Rgb{0, 0, 0})) << "x " << x;
    // Columns 85 and 255 have the ramp -3; rnd(-3 * k) is negative for rows
    // y = 0..212 and the byte stays 0, so only "full" shows.
    for (int y = 0; y <= 255; ++y) {
        const int full = 255 - y;
        EXPECT_EQ(HuePlaneAt(plane, 180, 10 + y), (Rgb{0, 0, full})) << "y " << y;
        EXPECT_EQ(HuePlaneAt(plane, 10, 10 + y), (Rgb{full, 0, 0})) << "y " << y;
    }
}

TEST(HuePlanes, ThirdSectorEndsAtColumn128UnlikeTheStrip)
{
    // The plane's third sector includes column 128 (ramp 252, green rising);
    // on the strip row 128 already belongs to the fourth sector.
    EXPECT_EQ(HuePlaneAt(RenderHueSatPlane(), 265 - 128, 10), (Rgb{0, 252, 255}));
    EXPECT_EQ(HueStripAt(RenderHueStrip(), 277, 10 + 128), (Rgb{0, 255, 252}));
}

TEST(Strips, OrangeRows)
{
    struct Row {
        int i;
        Rgb brightness;
        Rgb saturation;
    };
    const Row rows[] = {
        {0, {255, 128, 0}, {255, 128, 0}},    {1, {254, 127, 0}, {255, 128, 1}},
        {2, {253, 127, 0}, {255, 129, 2}},    {127, {128, 64, 0}, {255, 191, 127}},
        {128, {127, 64, 0}, {255, 192, 128}}, {254, {1, 1, 0}, {255, 255, 254}},
        {255, {0, 0, 0}, {255, 255, 255}},
    };
    const auto brightness = BrightnessStripColors(255, 128, 0);
    const auto saturation = SaturationStripColors(255, 128, 0);
    for (const Row& row : rows) {
        const auto i = static_cast<std::size_t>(row.i);
        EXPECT_EQ(Unpack(brightness[i]), row.brightness) << "row " << row.i;
        EXPECT_EQ(Unpack(saturation[i]), row.saturation) << "row " << row.i;
    }
    // COLORREF packs red in the low byte.
    EXPECT_EQ(brightness[0], 255 + 256 * 128);
}

TEST(Strips, BlackStaysBlackAndWhiteStaysWhite)
{
    for (const ColorRef c : BrightnessStripColors(0, 0, 0))
        ASSERT_EQ(c, 0);
    for (const ColorRef c : SaturationStripColors(255, 255, 255))
        ASSERT_EQ(c, 0xFFFFFF);
}

void ExpectSameImage(const Dib& fast, const Dib& reference, const char* what)
{
    ASSERT_EQ(fast.width, reference.width) << what;
    ASSERT_EQ(fast.height, reference.height) << what;
    ASSERT_EQ(fast.bits.size(), reference.bits.size()) << what;
    for (std::size_t i = 0; i < fast.bits.size(); ++i)
        ASSERT_EQ(fast.bits[i], reference.bits[i]) << what << " byte " << i;
}

const Rgb kSampleColors[] = {{255, 0, 0},     {0, 255, 0}, {0, 0, 255},   {12, 200, 99},
                             {255, 255, 255}, {0, 0, 0},   {255, 128, 0}, {1, 254, 127}};

TEST(FastEqualsReference, ArgumentFreeImages)
{
    ExpectSameImage(RenderHueStrip(), reference::RenderHueStrip(), "hue strip");
    ExpectSameImage(RenderHueSatPlane(), reference::RenderHueSatPlane(), "hue/saturation plane");
    ExpectSameImage(RenderHueBriPlane(), reference::RenderHueBriPlane(), "hue/brightness plane");
}

TEST(FastEqualsReference, SatBriPlaneAndStripsForSampleColors)
{
    for (const Rgb& c : kSampleColors) {
        SCOPED_TRACE(::testing::Message() << c);
        ExpectSameImage(RenderSatBriPlane(c.r, c.g, c.b), reference::RenderSatBriPlane(c.r, c.g, c.b),
                        "saturation/brightness plane");
        EXPECT_EQ(BrightnessStripColors(c.r, c.g, c.b), reference::BrightnessStripColors(c.r, c.g, c.b));
        EXPECT_EQ(SaturationStripColors(c.r, c.g, c.b), reference::SaturationStripColors(c.r, c.g, c.b));
    }
}

// Each channel of these renderers depends only on that channel's argument,
// so three rotations of one sweep cover every channel value in every byte
// position.
TEST(FastEqualsReference, EveryChannelValue)
{
    for (int v = 0; v < 256; ++v) {
        SCOPED_TRACE(::testing::Message() << "value " << v);
        const int other = (v * 97 + 31) % 256;
        ExpectSameImage(RenderSatBriPlane(v, other, 255 - v), reference::RenderSatBriPlane(v, other, 255 - v),
                        "saturation/brightness plane");
        EXPECT_EQ(BrightnessStripColors(v, other, 255 - v),
                  reference::BrightnessStripColors(v, other, 255 - v));
        EXPECT_EQ(SaturationStripColors(other, 255 - v, v),
                  reference::SaturationStripColors(other, 255 - v, v));
        EXPECT_EQ(BrightnessStripColors(255 - v, v, other),
                  reference::BrightnessStripColors(255 - v, v, other));
        EXPECT_EQ(SaturationStripColors(v, other, 255 - v),
                  reference::SaturationStripColors(v, other, 255 - v));
    }
}

TEST(OutOfRangeArguments, ChannelsThatDoNotFitAByteStayZero)
{
    // Top right of the plane is the argument itself; 300 and -5 do not fit.
    const Dib plane = RenderSatBriPlane(300, -5, 128);
    EXPECT_EQ(SatBriAt(plane, 265, 10), (Rgb{0, 0, 128}));
    EXPECT_EQ(Unpack(BrightnessStripColors(300, -5, 128)[0]), (Rgb{0, 0, 128}));
    // 300 - 300 * 38 / 255 = 255.29 fits again from row 38 on.
    EXPECT_EQ(Unpack(BrightnessStripColors(300, 0, 0)[37]).r, 0);
    EXPECT_EQ(Unpack(BrightnessStripColors(300, 0, 0)[38]).r, 255);

    const Rgb odd[] = {{300, -5, 128}, {INT_MAX, INT_MIN, 0}, {-255, 510, 256}, {INT_MIN, INT_MAX, -1}};
    for (const Rgb& c : odd) {
        SCOPED_TRACE(::testing::Message() << c);
        ExpectSameImage(RenderSatBriPlane(c.r, c.g, c.b), reference::RenderSatBriPlane(c.r, c.g, c.b),
                        "saturation/brightness plane");
        EXPECT_EQ(BrightnessStripColors(c.r, c.g, c.b), reference::BrightnessStripColors(c.r, c.g, c.b));
        EXPECT_EQ(SaturationStripColors(c.r, c.g, c.b), reference::SaturationStripColors(c.r, c.g, c.b));
    }
}

// The window-shaped form against the reference bitmaps placed by the design's
// blits, over a whole window-sized image: every pixel of the target
// rectangle matches, every pixel around it is left alone.
class Window32
{
public:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 519;
    static constexpr std::uint32_t kUntouched = 0x00ABCDEFu;

    Window32() : pixels_(static_cast<std::size_t>(kWidth) * kHeight, kUntouched) {}
    PixelView At(int x, int y, int w, int h)
    {
        return PixelView{pixels_.data() + static_cast<std::ptrdiff_t>(y) * kWidth + x, kWidth, w, h};
    }
    std::uint32_t Pixel(int x, int y) const
    {
        return pixels_[static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)];
    }

    // Inside (left..right, top..bottom) each pixel is 0xFF, then the mapped
    // reference colour; outside, untouched.
    template <typename Expected>
    void ExpectImage(int left, int top, int right, int bottom, Expected expected, const char* what) const
    {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const std::uint32_t got = Pixel(x, y);
                if (x < left || x > right || y < top || y > bottom) {
                    ASSERT_EQ(got, kUntouched) << what << " outside at " << x << ", " << y;
                    continue;
                }
                const Rgb e = expected(x, y);
                const std::uint32_t want =
                    0xFF000000u | static_cast<std::uint32_t>(e.r << 16 | e.g << 8 | e.b);
                ASSERT_EQ(got, want) << what << " at " << x << ", " << y;
            }
        }
    }

private:
    std::vector<std::uint32_t> pixels_;
};

TEST(DrawnIntoTheWindow, SameAsTheReferenceBitmapsBlitted)
{
    {
        Window32 w;
        ASSERT_TRUE(RenderHueStrip(w.At(277, 10, 15, 256)));
        const Dib ref = reference::RenderHueStrip();
        w.ExpectImage(
            277, 10, 291, 265, [&](int x, int y) { return HueStripAt(ref, x, y); }, "hue strip");
    }
    // Twice each: the second call of an argument-free plane must give the
    // same pixels as the first.
    for (int pass = 0; pass < 2; ++pass) {
        Window32 sat;
        Window32 bri;
        ASSERT_TRUE(RenderHueSatPlane(sat.At(10, 10, 256, 256)));
        ASSERT_TRUE(RenderHueBriPlane(bri.At(10, 10, 256, 256)));
        const Dib satRef = reference::RenderHueSatPlane();
        const Dib briRef = reference::RenderHueBriPlane();
        sat.ExpectImage(
            10, 10, 265, 265, [&](int x, int y) { return HuePlaneAt(satRef, x, y); }, "hue/saturation");
        bri.ExpectImage(
            10, 10, 265, 265, [&](int x, int y) { return HuePlaneAt(briRef, x, y); }, "hue/brightness");
    }
    // Pure hues (one channel 0, one 255) and colours with no such channel,
    // and arguments that do not fit a byte.
    const Rgb colors[] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},     {255, 0, 252}, {6, 255, 0},
                          {12, 200, 99}, {1, 254, 127}, {255, 255, 255}, {0, 0, 0},     {300, -5, 128}};
    for (const Rgb& c : colors) {
        SCOPED_TRACE(::testing::Message() << c);
        Window32 w;
        ASSERT_TRUE(RenderSatBriPlane(c.r, c.g, c.b, w.At(10, 10, 256, 256)));
        const Dib ref = reference::RenderSatBriPlane(c.r, c.g, c.b);
        w.ExpectImage(
            10, 10, 265, 265, [&](int x, int y) { return SatBriAt(ref, x, y); }, "saturation/brightness");
    }
}

TEST(DrawnIntoTheWindow, ATargetTooSmallDrawsNothing)
{
    struct Case {
        int w;
        int h;
    };
    const Case cases[] = {{255, 256}, {256, 255}, {0, 0}, {14, 256}};
    for (const Case& c : cases) {
        Window32 win;
        const PixelView v = win.At(10, 10, c.w, c.h);
        EXPECT_FALSE(RenderSatBriPlane(255, 0, 0, v)) << c.w << " x " << c.h;
        EXPECT_FALSE(RenderHueSatPlane(v)) << c.w << " x " << c.h;
        EXPECT_FALSE(RenderHueBriPlane(v)) << c.w << " x " << c.h;
        EXPECT_EQ(RenderHueStrip(v), c.w >= 15 && c.h >= 256) << c.w << " x " << c.h;
        if (c.w < 15) {
            win.ExpectImage(
                0, 0, -1, -1, [](int, int) { return Rgb{}; }, "nothing drawn");
        }
    }
    EXPECT_FALSE(RenderHueStrip(PixelView{}));
}

} // namespace
} // namespace tintora
