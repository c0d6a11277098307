// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"
#include "core/message.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tintora {

// The notations a colour can be copied as, besides the four designed output
// fields (which keep their own texts, see color_outputs.h).
struct ColorFormat {
    std::string_view id;    // name for --format, e.g. "css-rgb"
    std::string_view label; // menu text, e.g. "CSS rgb()"; translated in context "ColorFormat"
    // ParseColorNotation reads the text back as the same colour.
    bool parsesBack = false;
};

// Every format, in menu order. Ids and their texts for yellow (255, 255, 0):
//   html         #FFFF00              (the designed HTML code)
//   hex-lower    #ffff00
//   hex3         #ff0                 only where exact (each channel 0x11*n)
//   rgb          RGB(255, 255, 0)     (the designed RGB call)
//   css-rgb      rgb(255, 255, 0)
//   css-hsl      hsl(60, 100%, 50%)   decimals only where needed to be exact
//   rgb-modern   rgb(255 255 0)       CSS Color 4 space syntax
//   hsl-modern   hsl(60 100% 50%)
//   hwb          hwb(60 0% 0%)
//   lab          lab(97.6 -16 93.4)   CIE Lab (D50)
//   lch          lch(97.6 94.7 99.6)
//   oklab        oklab(96.8% -0.071 0.1986)
//   oklch        oklch(96.8% 0.211 109.77)
//   display-p3   color(display-p3 1 1 0.331)
//   hex-alpha    #ffff00ff            #rrggbbaa, always opaque
//   (In these the numbers have the fewest decimals, each on its own, for
//   which the text reads back as the same 8-bit colour.)
//   hsb          60, 100, 100         hue in degrees, saturation and
//                                     brightness in percent, from the RGB
//                                     value, each rounded halves up
//   qcolor       QColor(255, 255, 0)
//   dotnet       Color.FromArgb(255, 255, 0)
//   delphi       $0000FFFF            Delphi TColor, $00BBGGRR
//   vbhex        &H00FFFF&            (the designed BASIC constant)
//   decimal      65535                BGR byte order, red in the low byte:
//                                     the designed decimal value (COLORREF)
//   decimal-rgb  16776960             RGB byte order, red in the high byte
//                                     (web, Java, Python 0xRRGGBB)
//   argb         0xFFFFFF00           0xAARRGGBB (Android, Flutter)
std::span<const ColorFormat> ColorFormats();

// The text of rgb (channels 0..255) in the format `id`. nullopt for an
// unknown id, and for "hex3" when the colour has no exact three-digit form.
std::optional<std::string> FormatColor(Rgb rgb, std::string_view id);

// Hue (degrees 0..359), saturation and brightness (percent 0..100), each
// rounded to the nearest integer with halves up; hue 360 wraps to 0.
struct HsbTriple {
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
};
HsbTriple RgbToHsb(Rgb rgb);

// User templates.
//
// A template is text with placeholders in braces; everything else is copied
// as it stands. "{{" and "}}" give literal braces. Placeholders:
//   {r} {g} {b}        channels in decimal, 0..255
//   {rx} {gx} {bx}     channels as two lower-case hex digits; {RX} {GX} {BX}
//                      upper case
//   {hex} {HEX}        rrggbb / RRGGBB
//   {bgr} {BGR}        bbggrr / BBGGRR (BASIC and Delphi byte order)
//   {dec}              decimal value, BGR byte order (the designed decimal)
//   {decrgb}           decimal value, RGB byte order
//   {rf} {gf} {bf}     channels as fractions 0..1 with three decimals
//   {h} {s} {v}        the HSB triple (see RgbToHsb)
//   {ax} {AX}          alpha as two hex digits: always ff / FF
//   {hslh} {hsls} {hsll}        hsl() numbers (s and l in percent)
//   {hwbh} {hwbw} {hwbb}        hwb() numbers (w and b in percent)
//   {labl} {laba} {labb}        lab() numbers
//   {lchl} {lchc} {lchh}        lch() numbers
//   {oklabl} {oklaba} {oklabb}  oklab() numbers (l in percent)
//   {oklchl} {oklchc} {oklchh}  oklch() numbers (l in percent)
//   {p3r} {p3g} {p3b}           color(display-p3) numbers
//   (each as the matching format prints it)
// Placeholder names are case-sensitive. A template must hold at least one
// placeholder, at most MaxTemplateLength characters and no control
// characters; an unknown placeholder or an unpaired brace is an error, never
// copied through.
inline constexpr std::size_t MaxTemplateLength = 256;

// Empty when the template is valid; otherwise what is wrong with it.
Message ColorTemplateProblem(std::string_view templ);
// The same in English.
std::string ValidateColorTemplate(std::string_view templ);

struct FormattedColor {
    std::optional<std::string> text;
    std::string error; // set exactly when text is not, in English
    Message message;   // the error, for the layer that shows it translated

    static FormattedColor Failed(Message problem);
};

// The template expanded for rgb, or the validation error.
FormattedColor ExpandColorTemplate(std::string_view templ, Rgb rgb);

// A --format value: text holding "{" is a template, anything else a format
// id. The error names what was expected.
FormattedColor FormatColorBySpec(Rgb rgb, std::string_view choice);

// Checks a --format value without a colour, so that a command can refuse a
// bad one before it starts. Empty when valid.
Message FormatSpecProblem(std::string_view choice);
// The same in English.
std::string ValidateFormatSpec(std::string_view choice);

// One line listing the format ids, for help texts and messages.
std::string FormatIdList();

// One line listing the template placeholders: "{r} {g} {b} ...".
std::string PlaceholderList();

} // namespace tintora
