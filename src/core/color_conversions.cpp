#include "core/color_conversions.h"

#include "core/numeric.h"

#include <cstdint>

namespace tintora {

namespace {

// One channel of GetHexVal: the hex text of the 16-bit pattern, at least two
// characters.
std::string ChannelHex(int channel)
{
    // Conversion to an unsigned type wraps, which gives the 16-bit pattern.
    const auto bits = static_cast<std::uint16_t>(channel);
    std::string text = HexText(bits);
    if (text.size() == 1) {
        text.insert(text.begin(), '0');
    }
    return text;
}

} // namespace

Rgb SplitColor(ColorRef color)
{
    // C++ division truncates toward zero and % keeps the dividend's sign,
    // which is the split wanted for negative values too.
    return Rgb{color % 256, (color / 256) % 256, (color / 65536) % 256};
}

std::string GetHexVal(int red, int green, int blue)
{
    return ChannelHex(red) + ChannelHex(green) + ChannelHex(blue);
}

std::optional<SafeColor> SafeColorFromIndex(int index)
{
    if (index < 1 || index > 216) {
        return std::nullopt;
    }
    const int i = index - 1;
    const int r = 51 * (i / 36);
    const int g = 51 * ((i / 6) % 6);
    const int b = 51 * (i % 6);
    return SafeColor{MakeColorRef(r, g, b), Rgb{r, g, b}, GetHexVal(r, g, b)};
}

} // namespace tintora
