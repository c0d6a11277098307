#pragma once

#include "core/color_types.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// The result of reading a typed or pasted colour: a colour, or a reason that
// names what was expected. Exactly one of the two is set.
struct NotationParse {
    std::optional<Rgb> color;
    std::string error;
};

// Longest text the parser looks at. Anything longer is refused after one
// length check, so a pasted megabyte costs nothing.
inline constexpr std::size_t MaxNotationLength = 256;

// Reads one colour from text. Blanks, tabs and line ends around the text are
// ignored. Accepted, letter case free everywhere:
//
//   #RRGGBB, #RGB       HTML hex; "#F80" is "#FF8800".
//   RRGGBB              six hex digits without "#", but only when at least
//                       one of them is a letter A-F (see below).
//   rgb(r, g, b)        also "RGB(...)", the BASIC call. Each channel is a
//                       number 0..255 or a percentage 0%..100%; commas or
//                       blanks separate them, blanks are optional. Fractions
//                       are rounded to the nearest integer, halves up, as
//                       web browsers do (50% is 128).
//   hsl(h, s%, l%)      CSS hsl: h in degrees (any real, taken modulo 360,
//                       "deg" allowed), s and l 0..100 with or without "%".
//                       Channels rounded as for rgb().
//   &HBBGGRR&, &HBBGGRR the BASIC hex constant: one to eight hex digits
//                       holding 0..&HFFFFFF (blue in the high byte).
//   a decimal value     0..16777215, the COLORREF red + 256*green +
//                       65536*blue (the window's "Decimal Color Code").
//   a CSS colour name   the 148 names of CSS Color 4 ("rebeccapurple",
//                       both "gray" and "grey" spellings).
//
// All digits is always decimal: "123456" is the value 123456 (RGB(64, 226,
// 1)), never #123456. The window shows decimal codes of up to eight digits,
// and a BASIC programmer who pastes one back must get the same colour; a web
// programmer writes hex with "#", and six hex digits with a letter among them
// ("80FF00") are read as hex because they cannot be a decimal value.
//
// Refused, with a reason and no colour: empty text; text longer than
// MaxNotationLength; control characters; more than one line; a digit that is
// not hexadecimal ("#GGGGGG"); a channel out of range ("rgb(300, 0, 0)");
// NaN, infinities and exponents of more than three digits; a value beyond
// 16777215 (system-colour constants such as &H8000000F& are not colours);
// alpha forms (rgba(), hsla(), #RRGGBBAA); unknown names.
//
// Time and memory are linear in the text's length and bounded by
// MaxNotationLength.
NotationParse ParseColorNotation(std::string_view text);

// Converts CSS hsl (h in degrees, any finite value; s and l in 0..1) to
// channels, each rounded to the nearest integer with halves up.
Rgb HslToRgb(double hue, double saturation, double lightness);

} // namespace tintora
