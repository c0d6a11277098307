// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// Reads the longest leading number of a field's text.
//
// Blanks, tabs and line feeds are ignored wherever they stand, so "1 80"
// reads as 180 and "- 5" as -5. After them comes either
//  - "&H" or "&O" (either letter case): the hexadecimal or octal digits that
//    follow, read as a non-negative value; or
//  - an optional "+" or "-", decimal digits, an optional "." with fraction
//    digits, and an optional exponent: "E" or "D" (either case), an optional
//    sign and digits. An exponent marker without digits is not part of the
//    number ("1e+" reads as 1).
// Reading stops at the first character that does not fit. Text without a
// leading number (the empty text, "abc", "-", ".") reads as 0.
//
// Decimal numbers are rounded once, to the nearest double. The result is
// never NaN. It is +infinity or -infinity exactly when the text holds a
// number whose magnitude is beyond the largest double (for example
// "1E999999999" or a few hundred digits); callers that need an integer see
// that as out of range through ToInt32Nearest / ToInt16Nearest. Any input is
// read in time linear in its length.
double ParseLeadingNumber(std::string_view text);

// The nearest integral value of a finite v, ties to the even neighbour
// (137.5 -> 138, 136.5 -> 136, -0.5 -> -0). The one "nearest" rule of the
// program: positions, typed values and shaded channels all round with it.
double RoundHalfEven(double v);

// Rounds to the nearest integer, ties to the even neighbour (137.5 -> 138,
// 136.5 -> 136, -0.5 -> 0). nullopt when v is NaN or the rounded value does
// not fit the target type.
std::optional<std::int32_t> ToInt32Nearest(double v);
std::optional<std::int16_t> ToInt16Nearest(double v);

// Rounds like ToInt32Nearest, then clamps into the int32 range; NaN gives 0.
// Meant for positions derived from far-off typed values, which only need to
// stay representable.
std::int32_t SaturatingInt32Nearest(double v);

// The value 0..15 of a hexadecimal digit (either letter case), -1 for any
// other character.
constexpr int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Twips (15 to a pixel at 96 dots per inch) as whole pixels, rounded to the
// nearest with RoundHalfEven; whole twips never fall half-way.
int TwipsToPixels(double twips);

// Plain decimal, no leading zeros or blanks, "-" before negatives: "-5", "0".
std::string DecimalText(std::int64_t v);

enum class LetterCase { Upper, Lower };

// Hexadecimal of v with "0" in front up to `width` digits; a longer value
// keeps all its digits: (0xA, 2) -> "0A", (0x1234, 2) -> "1234", and width 1
// gives no leading zeros (255 -> "FF", 0 -> "0"). Callers pass the bit
// pattern of the width they mean (a 16-bit -1 is 0xFFFF).
std::string PaddedHex(std::uint32_t v, std::size_t width, LetterCase letters = LetterCase::Upper);

} // namespace tintora
