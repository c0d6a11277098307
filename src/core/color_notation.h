// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"
#include "core/message.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// Which family a read notation belongs to.
enum class NotationForm {
    Css,        // a CSS <color>, as a browser reads it
    Code,       // a programmers' notation CSS does not know (0xRRGGBB,
                // QColor(...), &HBBGGRR&, a decimal value, ...)
    SourceLine, // a colour read out of a pasted line such as "color: red;"
};

// The result of reading a typed or pasted colour: a colour, or a reason that
// names what was expected. Exactly one of the two is set.
//
// Tintora's colours are opaque sRGB, so a colour with alpha is taken as its
// opaque colour and one outside sRGB is brought inside; `alpha` and
// `gamutMapped` keep what was given up, for NotationNote.
struct NotationParse {
    std::optional<Rgb> color;
    std::string error;        // message in English
    Message message;          // the reason, for the layer that shows it translated
    double alpha = 1.0;       // 0..1 as written (clamped), 1 without alpha
    bool gamutMapped = false; // the colour lay outside sRGB and was mapped
    NotationForm form = NotationForm::Css;
};

// Longest text the parser looks at. Anything longer is refused after one
// length check, so a pasted megabyte costs nothing.
inline constexpr std::size_t MaxNotationLength = 256;

// Reads one colour from text, letter case free everywhere. Blanks, tabs,
// line ends and CSS comments around and between the values are ignored.
//
// CSS Color 4, as browsers read it:
//   #RGB #RGBA #RRGGBB #RRGGBBAA
//   rgb() rgba()        legacy "rgb(r, g, b[, a])" with all numbers or all
//                       percentages, or modern "rgb(r g b[ / a])" where each
//                       is a number, a percentage or none; channels clamp
//                       to 0..255
//   hsl() hsla()        legacy "hsl(h, s%, l%[, a])" or modern
//                       "hsl(h s l[ / a])"; hues are numbers (degrees) or
//                       angles in deg, grad, rad or turn
//   hwb() lab() lch() oklab() oklch()   modern syntax only
//   color(SPACE c1 c2 c3[ / a])  SPACE: srgb, srgb-linear, display-p3,
//                       a98-rgb, prophoto-rgb, rec2020, xyz, xyz-d50,
//                       xyz-d65
//   the 148 named colours and transparent
// Lightness and chroma clamp as CSS clamps them; alpha clamps to 0..1;
// none is 0. A colour outside sRGB is gamut mapped (see MapToSrgbGamut) and
// channels round to 8 bits with halves up.
//
// Programmers' notations:
//   0xRRGGBB, 0xAARRGGBB, Color(0xAARRGGBB)   (Android, Flutter)
//   QColor(r, g, b[, a]), QColor("#RRGGBB" or a name)
//   Color.FromArgb(r, g, b), Color.FromArgb(a, r, g, b)
//   $00BBGGRR, $BBGGRR  Delphi TColor (a non-zero high byte is a system or
//                       palette colour and refused)
//   RGB(r, g, b)        the BASIC call (read as CSS rgb())
//   &HBBGGRR&, &HBBGGRR the BASIC hex constant, up to &HFFFFFF
//   a decimal value     0..16777215, red + 256*green + 65536*blue (the
//                       window's "Decimal Color Code"); all digits is always
//                       decimal, never hex
//   RRGGBB              six hex digits without "#" when one is a letter
//   "..." or '...'      any of the above in quotes
// and a pasted source line holding one colour: "color: oklch(70% 0.15
// 250);", "--brand: #336699;", "$accent: #f80;", "int c = 0xFF336699;".
//
// Refused, with a reason that says what was expected and no colour: empty
// text, text longer than MaxNotationLength, control characters, more than
// one line, malformed or unknown notations, calc() and other nested
// functions, currentcolor, system colours (Canvas, ButtonText, ...) and
// custom colour spaces (color(--name ...)), which need a page to mean
// anything.
//
// Time and memory are linear in the text's length and bounded by
// MaxNotationLength.
NotationParse ParseColorNotation(std::string_view text);

// What a read colour gave up, for the window to show: "Alpha 50 % not kept",
// "Outside sRGB: mapped", both joined by "; ", or empty.
std::string NotationNote(const NotationParse& parse);
// An alpha of 0..1 as the whole percent the note names.
int AlphaPercent(double alpha);

// Converts CSS hsl (h in degrees, any finite value; s and l in 0..1) to
// channels, each rounded to the nearest integer with halves up.
Rgb HslToRgb(double hue, double saturation, double lightness);

} // namespace tintora
