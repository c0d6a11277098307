// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tintora {

// A colour as the platform's 32-bit value 0x00BBGGRR (red in the low byte),
// or a system-colour constant 0x80000000 + n, which is negative when read as
// a signed value. Other negative values are plain numbers that name no
// colour; -1 is what a pixel query answers for a point off the surface.
using ColorRef = std::int32_t;

// red + 256 * green + 65536 * blue. Channels must be 0..255.
constexpr ColorRef MakeColorRef(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

// Three channels. For a plain colour each is 0..255; a negative ColorRef
// splits into negative channels (see SplitColor).
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;

    // The low, middle and high bytes of `color`: the channels of a plain
    // colour. The top byte plays no part, so any value gives 0..255 each.
    static constexpr Rgb FromColorRef(ColorRef color)
    {
        const auto u = static_cast<std::uint32_t>(color);
        return Rgb{static_cast<int>(u & 0xFFu), static_cast<int>((u >> 8) & 0xFFu),
                   static_cast<int>((u >> 16) & 0xFFu)};
    }
    // The packed value. Channels must be 0..255.
    constexpr ColorRef ToColorRef() const { return MakeColorRef(red, green, blue); }

    // The other byte order, 0xRRGGBB (red in the high byte), as CSS, HTML
    // and Qt's QRgb write a colour. The top byte plays no part.
    static constexpr Rgb FromRrggbb(std::uint32_t value)
    {
        return Rgb{static_cast<int>((value >> 16) & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                   static_cast<int>(value & 0xFFu)};
    }
    // Channels must be 0..255.
    constexpr std::uint32_t ToRrggbb() const
    {
        return static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 |
               static_cast<std::uint32_t>(blue);
    }
};

} // namespace tintora
