// SPDX-License-Identifier: MIT
// libFuzzer target for the palette importer: GIMP palettes, CSS custom
// properties and hex lists. The first byte picks the format; the rest is the
// file. Besides crashes, sanitizer reports and hangs, it checks that a
// refused file changes no cell and an accepted one changes only the cells it
// reports.

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
    if (size == 0)
        return 0;
    const auto format = static_cast<tintora::PaletteFileFormat>(data[0] % 3);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const tintora::PaletteRead read = tintora::ParsePalette(bytes, format);

    Check(read.error.empty() != read.colors.empty());
    Check(read.colors.size() <= static_cast<std::size_t>(tintora::PaletteCellCount));
    Check(read.colorsInFile >= static_cast<int>(read.colors.size()));
    for (const tintora::Rgb& c : read.colors)
        Check(c.red >= 0 && c.red <= 255 && c.green >= 0 && c.green <= 255 && c.blue >= 0 && c.blue <= 255);

    tintora::CustomColorArray current{};
    for (std::size_t i = 0; i < current.size(); ++i)
        current[i] = static_cast<std::int32_t>(i * 7919);
    const tintora::PaletteImport applied = tintora::ApplyPaletteImport(current, read, QStringLiteral("fuzz"));
    Check(applied.ok == read.error.empty());
    Check(!applied.message.isEmpty());
    for (std::size_t i = 0; i < current.size(); ++i) {
        const bool received =
            applied.ok && static_cast<int>(i) >= applied.firstCell && static_cast<int>(i) <= applied.lastCell;
        if (!received)
            Check(applied.colors[i] == current[i]);
    }

    // What was imported exports and reads back unchanged.
    if (applied.ok) {
        const tintora::PaletteRead again = tintora::ParsePalette(
            tintora::FormatPalette(applied.colors, tintora::PaletteFileFormat::Gpl, "f"),
            tintora::PaletteFileFormat::Gpl);
        Check(again.error.empty() &&
              again.colors.size() == static_cast<std::size_t>(tintora::PaletteCellCount));
        for (std::size_t i = 0; i < again.colors.size(); ++i) {
            const tintora::Rgb& c = again.colors[i];
            Check(tintora::MakeColorRef(c.red, c.green, c.blue) == (applied.colors[i + 1] & 0xFFFFFF));
        }
    }
    return 0;
}
