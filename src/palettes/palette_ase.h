// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/custom_colors_file.h"

#include <string>
#include <string_view>

namespace tintora {

struct PaletteRead;

// Adobe Swatch Exchange, big-endian throughout: "ASEF", version 1.0 (two
// u16), a u32 block count, then blocks of a u16 type and a u32 length:
// 0xC001 group start (a name), 0xC002 group end, 0x0001 colour entry (a
// name, a model of four bytes "RGB ", "CMYK", "LAB " or "Gray", one float32
// per channel, a u16 colour type). A name is a u16 count of UTF-16BE code
// units, the terminating 0 included, then those units.

// Reads the colours of an .ase in file order, groups or not: RGB and Gray
// as 8-bit sRGB, Lab (D50; L stored as 0..1) as CSS lab() resolves the same
// numbers, CMYK by the naive formula (1 - c)(1 - k), with a note saying so.
// The first group's name becomes the palette's name; the colours' own
// names are not kept (cells have none). A truncated or malformed file, a
// value that is not finite, an unknown model or block type is refused with
// the byte offset and what was expected. The caller bounds the size.
PaletteRead ParseAsePalette(std::string_view bytes);

// Cells 1..224 as RGB entries named by their HTML code ("#66CCFF").
std::string FormatAsePalette(const CustomColorArray& colors);

} // namespace tintora
