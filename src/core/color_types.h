#pragma once

#include <cstdint>

namespace tintora {

// A colour as the platform's 32-bit value 0x00BBGGRR (red in the low byte),
// or a system-colour constant 0x80000000 + n, which is negative when read as
// a signed value. Other negative values are plain numbers that name no
// colour; -1 is what a pixel query answers for a point off the surface.
using ColorRef = std::int32_t;

// Three channels. For a plain colour each is 0..255; a negative ColorRef
// splits into negative channels (see SplitColor).
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// red + 256 * green + 65536 * blue. Channels must be 0..255.
constexpr ColorRef MakeColorRef(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

} // namespace tintora
