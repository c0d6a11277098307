// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string_view>

namespace tintora {

// The personal palette as stored in "usercolors.cps": one signed 32-bit
// COLORREF per line. Index 0 is the first line's value, which has no grid
// cell and is written back exactly as it was read; 1..224 are the grid cells.
inline constexpr int CustomColorSlots = 225;
using CustomColorArray = std::array<std::int32_t, CustomColorSlots>;

// Bounds of the reader, so that a huge or binary file never loads into
// memory and never keeps the reader busy for long. A line keeps at most
// CustomColorsMaxLineBytes bytes (the rest of it is skipped), and the reader
// consumes at most CustomColorsMaxReadBytes bytes of the stream in all. A
// file the program writes has lines of at most 13 bytes.
inline constexpr std::size_t CustomColorsMaxLineBytes = 4096;
inline constexpr std::size_t CustomColorsMaxReadBytes = std::size_t{1} << 20;

// Why a stream was not read cleanly, that is why writing the values back
// would not reproduce what the stream holds. Only the first problem met is
// kept.
enum class CustomColorsProblem {
    None,
    LongLine,   // a line longer than CustomColorsMaxLineBytes
    ReadCap,    // bytes left past CustomColorsMaxReadBytes
    ExtraLines, // text after the 225th line (blank lines do not count)
    NotANumber, // a line with text that does not start with a number, or
                // with a number that does not fit in 32 bits
    Binary,     // a control byte other than tab, CR and LF (NUL, ...)
};

struct CustomColorsParse {
    CustomColorArray colors{};
    // Lines taken from the stream, 0..225 (a last line without a line end
    // counts; an empty stream has none).
    int linesRead = 0;
    // Something was left unread: lines past the 225th other than blank
    // ones, the tail of an over-long line, or bytes past
    // CustomColorsMaxReadBytes.
    bool truncated = false;
    // The first problem met, and its line (1-based; 0 for ReadCap and
    // ExtraLines, which concern the rest of the stream). Empty and blank
    // lines, text after a line's number and a short stream are no problem:
    // they read as the file format says and write back to the same values.
    CustomColorsProblem problem = CustomColorsProblem::None;
    int problemLine = 0;

    bool clean() const { return problem == CustomColorsProblem::None; }
};

// The value of one line (without its line end). Blanks and tabs are ignored
// wherever they stand; then the line must start with a decimal number: an
// optional "+" or "-", digits, and an optional "." with fraction digits
// (digits on at least one side of the point). The rest of the line is
// ignored. The number is rounded to an integer, ties to even, exactly on the
// decimal digits ("12.5" -> 12, "13.5" -> 14, "-2.5" -> -2). A line that does
// not start with a number, and a number whose rounded value does not fit in
// 32 bits, give 0.
std::int32_t ParseCustomColorLine(std::string_view line);

// As ParseCustomColorLine; *readable is false when the line holds something
// other than blanks but no number that fits (the value is then 0).
std::int32_t ParseCustomColorLine(std::string_view line, bool* readable);

// Reads up to 225 lines into slots 0..224 (line n -> slot n - 1), each by
// ParseCustomColorLine. Lines end in LF or CR LF. Slots past the end of a
// short stream stay 0. Reads only within the caps above; a partly read line
// (cut by either cap) counts with the bytes that were read.
CustomColorsParse ParseCustomColors(std::istream& in);

// Writes all 225 slots, one line each, in the file's form: a blank before a
// value that is not negative ("-" before a negative one), the decimal digits
// of its magnitude, one blank, then CR LF. 255 -> " 255 \r\n",
// -5 -> "-5 \r\n". Independent of the stream's locale.
void FormatCustomColors(const CustomColorArray& colors, std::ostream& out);

} // namespace tintora
