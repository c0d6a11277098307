// SPDX-License-Identifier: MIT
// libFuzzer target for the Adobe Swatch Exchange reader. Besides crashes,
// sanitizer reports and hangs, it checks that a refused file gives no
// colour and a reason, and that what was read writes out as an .ase that
// reads back to the same colours.

#include "palettes/palette_ase.h"
#include "palettes/palette_exchange.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tintora::PaletteRead read = tintora::ParsePalette(bytes, tintora::PaletteFileFormat::Ase);
    Check(read.error.empty() != read.colors.empty());
    Check(read.colors.size() <= static_cast<std::size_t>(tintora::PaletteCellCount));
    Check(read.colorsInFile >= static_cast<int>(read.colors.size()));
    if (!read.error.empty())
        return 0;
    tintora::CustomColorArray colors{};
    for (std::size_t i = 0; i < read.colors.size(); ++i) {
        const tintora::Rgb& c = read.colors[i];
        Check(c.red >= 0 && c.red <= 255 && c.green >= 0 && c.green <= 255 && c.blue >= 0 && c.blue <= 255);
        colors[i + 1] = tintora::MakeColorRef(c.red, c.green, c.blue);
    }
    const tintora::PaletteRead again = tintora::ParseAsePalette(tintora::FormatAsePalette(colors));
    Check(again.error.empty() && again.colors.size() == static_cast<std::size_t>(tintora::PaletteCellCount));
    for (std::size_t i = 0; i < again.colors.size(); ++i) {
        const tintora::Rgb& c = again.colors[i];
        Check(tintora::MakeColorRef(c.red, c.green, c.blue) == colors[i + 1]);
    }
    return 0;
}
