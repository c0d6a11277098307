// SPDX-License-Identifier: MIT
#include "picker/render_reference.h"

#include <cmath>
#include <cstddef>

namespace tintora::reference {

namespace {

constexpr int kPlaneTop = 10;
constexpr int kPlaneBottom = 265;

// The sector span, (bottom - top) / 6, held in single precision: 42.5.
float SectorSpan()
{
    return static_cast<float>(static_cast<double>(kPlaneBottom - kPlaneTop) / 6.0);
}

// Writes rnd(v) into *byte when it fits a byte; otherwise the byte keeps its 0.
void StoreRounded(std::uint8_t* byte, double v)
{
    const double rounded = std::nearbyint(v);
    if (rounded >= 0.0 && rounded <= 255.0)
        *byte = static_cast<std::uint8_t>(rounded);
}

int RoundedChannel(double v)
{
    std::uint8_t byte = 0;
    StoreRounded(&byte, v);
    return byte;
}

void FillPixel(std::uint8_t* pixel, double red, double green, double blue)
{
    StoreRounded(pixel + 0, blue);
    StoreRounded(pixel + 1, green);
    StoreRounded(pixel + 2, red);
}

// Both hue planes; see RenderHueSatPlane and RenderHueBriPlane.
Dib RenderHuePlane(bool towardWhite)
{
    const float s = SectorSpan();
    std::array<int, 7> e{};
    for (int k = 1; k <= 6; ++k)
        e[static_cast<std::size_t>(k)] = static_cast<int>(std::nearbyint(static_cast<float>(k) * s));
    Dib dib(256, 256);
    int stored = 0;
    for (int y = 255; y >= 0; --y) {
        std::uint8_t* row = dib.storedRow(stored++);
        const double k = 1.0 - y / 255.0;
        const int full = towardWhite ? 255 : 255 - y;
        const int zero = towardWhite ? y : 0;
        for (int c = 0; c <= 255; ++c) {
            int r = 0;
            if (c <= e[1])
                r = 6 * c;
            else if (c <= e[2])
                r = (6 * e[1] + 255) - 6 * c;
            else if (c <= e[3])
                r = 6 * (c - e[2] - 1);
            else if (c <= e[4])
                r = (6 * e[3] + 255) - 6 * c;
            else if (c <= e[5])
                r = 6 * (c - e[4] - 1);
            else
                r = (6 * e[5] + 255) - 6 * c;
            const double w = towardWhite ? r * k + y : r * k;
            std::uint8_t* pixel = row + std::ptrdiff_t{3} * c;
            double red = 0;
            double green = 0;
            double blue = 0;
            if (c <= e[1])
                red = full, green = zero, blue = w;
            else if (c <= e[2])
                red = w, green = zero, blue = full;
            else if (c <= e[3])
                red = zero, green = w, blue = full;
            else if (c <= e[4])
                red = zero, green = full, blue = w;
            else if (c <= e[5])
                red = w, green = full, blue = zero;
            else
                red = full, green = w, blue = zero;
            FillPixel(pixel, red, green, blue);
        }
    }
    return dib;
}

} // namespace

Dib RenderHueStrip()
{
    const float s = SectorSpan();
    std::array<int, 7> e{};
    for (int k = 1; k <= 6; ++k)
        e[static_cast<std::size_t>(k)] = static_cast<int>(std::floor(static_cast<float>(k) * s));
    Dib dib(15, 256);
    for (int i = 0; i <= 255; ++i) {
        const float fi = static_cast<float>(i);
        float red = 0;
        float green = 0;
        float blue = 0;
        if (i <= e[1])
            red = 255, blue = 6.0f * fi;
        else if (i <= e[2])
            red = 255.0f - 6.0f * (fi - s), blue = 255;
        else if (i <= e[3])
            green = 6.0f * (fi - 2.0f * s), blue = 255;
        else if (i <= e[4])
            green = 255, blue = 255.0f - 6.0f * (fi - 3.0f * s);
        else if (i <= e[5])
            red = 6.0f * (fi - 4.0f * s), green = 255;
        else
            red = 255, green = 255.0f - 6.0f * (fi - 5.0f * s);
        std::uint8_t* row = dib.storedRow(i);
        for (int p = 0; p < 16; ++p)
            FillPixel(row + std::ptrdiff_t{3} * p, red, green, blue);
    }
    return dib;
}

Dib RenderSatBriPlane(int red, int green, int blue)
{
    const double qr = red / 255.0;
    const double qg = green / 255.0;
    const double qb = blue / 255.0;
    Dib dib(256, 256);
    int stored = 0;
    for (int y = 255; y >= 0; --y) {
        std::uint8_t* row = dib.storedRow(stored++);
        const int t = 255 - y;
        const double loR = red - y * qr;
        const double loG = green - y * qg;
        const double loB = blue - y * qb;
        const double stepR = (t - loR) / 255.0;
        const double stepG = (t - loG) / 255.0;
        const double stepB = (t - loB) / 255.0;
        int p = 0;
        for (int x = 255; x >= 0; --x)
            FillPixel(row + std::ptrdiff_t{3} * p++, x * stepR + loR, x * stepG + loG, x * stepB + loB);
    }
    return dib;
}

Dib RenderHueSatPlane()
{
    return RenderHuePlane(true);
}

Dib RenderHueBriPlane()
{
    return RenderHuePlane(false);
}

std::array<ColorRef, 256> BrightnessStripColors(int red, int green, int blue)
{
    std::array<ColorRef, 256> colors{};
    for (int i = 0; i <= 255; ++i) {
        const auto channel = [i](int c) {
            const double product = static_cast<double>(i) * static_cast<double>(c);
            return RoundedChannel(c - product / 255.0);
        };
        colors[static_cast<std::size_t>(i)] = MakeColorRef(channel(red), channel(green), channel(blue));
    }
    return colors;
}

std::array<ColorRef, 256> SaturationStripColors(int red, int green, int blue)
{
    std::array<ColorRef, 256> colors{};
    for (int i = 0; i <= 255; ++i) {
        const auto channel = [i](int c) {
            const double q = i / 255.0;
            const double p = 1 - q;
            return RoundedChannel(c * p + i);
        };
        colors[static_cast<std::size_t>(i)] = MakeColorRef(channel(red), channel(green), channel(blue));
    }
    return colors;
}

} // namespace tintora::reference
