// SPDX-License-Identifier: MIT
#include "core/color_conversions.h"

#include "core/numeric.h"

#include <algorithm>
#include <cstdint>

namespace tintora {

Rgb SplitColor(ColorRef color)
{
    // C++ division truncates toward zero and % keeps the dividend's sign,
    // which is the split wanted for negative values too.
    return Rgb{color % 256, (color / 256) % 256, (color / 65536) % 256};
}

std::string GetHexVal(int red, int green, int blue)
{
    // Conversion to an unsigned 16-bit type wraps, which gives the pattern.
    const auto channel = [](int v) { return PaddedHex(static_cast<std::uint16_t>(v), 2); };
    return channel(red) + channel(green) + channel(blue);
}

std::optional<SafeColor> SafeColorFromIndex(int index)
{
    if (index < 1 || index > 216)
        return std::nullopt;
    const int i = index - 1;
    const int r = 51 * (i / 36);
    const int g = 51 * ((i / 6) % 6);
    const int b = 51 * (i % 6);
    return SafeColor{MakeColorRef(r, g, b), Rgb{r, g, b}, GetHexVal(r, g, b)};
}

Hsb HsbFromRgb(const Rgb& rgb)
{
    const int hi = std::max({rgb.red, rgb.green, rgb.blue});
    const int lo = std::min({rgb.red, rgb.green, rgb.blue});
    const int span = hi - lo;
    Hsb hsb;
    hsb.brightness = static_cast<int>(RoundHalfEven(hi * 100.0 / 255.0));
    if (hi == 0 || span == 0)
        return hsb;
    hsb.saturation = static_cast<int>(RoundHalfEven(span * 100.0 / hi));
    double hue = 0.0;
    if (hi == rgb.red)
        hue = 60.0 * (rgb.green - rgb.blue) / span;
    else if (hi == rgb.green)
        hue = 60.0 * (rgb.blue - rgb.red) / span + 120.0;
    else
        hue = 60.0 * (rgb.red - rgb.green) / span + 240.0;
    if (hue < 0.0)
        hue += 360.0;
    hsb.hue = static_cast<int>(RoundHalfEven(hue));
    return hsb;
}

} // namespace tintora
