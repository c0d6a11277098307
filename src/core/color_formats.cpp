// SPDX-License-Identifier: MIT
#include "core/color_formats.h"

#include "core/color_conversions.h"
#include "core/color_notation.h"
#include "core/color_spaces.h"
#include "core/message.h"
#include "core/numeric.h"
#include "core/translatable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tintora {

namespace {

std::string D(int v)
{
    return DecimalText(v);
}

std::string Hex2(int v, bool lower)
{
    return PaddedHex(static_cast<std::uint32_t>(v) & 0xFFu, 2, lower ? LetterCase::Lower : LetterCase::Upper);
}

std::string Hex6(int a, int b, int c, bool lower)
{
    return Hex2(a, lower) + Hex2(b, lower) + Hex2(c, lower);
}

std::string Triple(Rgb c)
{
    return D(c.red) + ", " + D(c.green) + ", " + D(c.blue);
}

int RoundHalfUp(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// Hue in degrees [0, 360) of a colour; 0 for greys.
double HueDegrees(Rgb c)
{
    const int mx = std::max({c.red, c.green, c.blue});
    const int mn = std::min({c.red, c.green, c.blue});
    const double d = mx - mn;
    if (d == 0)
        return 0.0;
    double h = 0.0;
    if (mx == c.red) {
        h = (c.green - c.blue) / d;
        if (h < 0)
            h += 6.0;
    } else if (mx == c.green) {
        h = (c.blue - c.red) / d + 2.0;
    } else {
        h = (c.red - c.green) / d + 4.0;
    }
    return h * 60.0;
}

// A number with `decimals` fraction digits, trailing zeros dropped.
std::string Fixed(double v, int decimals)
{
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

// The three numbers of a colour in a CSS space, each with the fewest
// decimals for which the whole text reads back as the same 8-bit colour.
using Numbers = std::array<std::string, 3>;

struct SpaceNotation {
    ColorSpace space;
    // For a number printed as a percentage, the coordinate that is 100%
    // (as the parser reads it); 0 for a plain number.
    std::array<double, 3> percentOf;
    // Decimals of each number at the first try; all grow together from there.
    std::array<int, 3> firstDecimals;
    std::string (*text)(const Numbers&);
};

std::string Joined(std::string_view open, const Numbers& n, std::string_view close = ")")
{
    return std::string(open) + n[0] + " " + n[1] + " " + n[2] + std::string(close);
}

constexpr SpaceNotation HslLegacy{ColorSpace::Hsl, {0, 100, 100}, {0, 0, 0}, [](const Numbers& n) {
                                      return "hsl(" + n[0] + ", " + n[1] + "%, " + n[2] + "%)";
                                  }};
constexpr SpaceNotation HslModern{ColorSpace::Hsl, {0, 100, 100}, {0, 0, 0}, [](const Numbers& n) {
                                      return "hsl(" + n[0] + " " + n[1] + "% " + n[2] + "%)";
                                  }};
constexpr SpaceNotation Hwb{ColorSpace::Hwb, {0, 100, 100}, {0, 0, 0}, [](const Numbers& n) {
                                return "hwb(" + n[0] + " " + n[1] + "% " + n[2] + "%)";
                            }};
constexpr SpaceNotation Lab{
    ColorSpace::Lab, {0, 0, 0}, {1, 1, 1}, [](const Numbers& n) { return Joined("lab(", n); }};
constexpr SpaceNotation Lch{
    ColorSpace::Lch, {0, 0, 0}, {1, 1, 1}, [](const Numbers& n) { return Joined("lch(", n); }};
constexpr SpaceNotation Oklab{ColorSpace::Oklab, {1, 0, 0}, {1, 3, 3}, [](const Numbers& n) {
                                  return "oklab(" + n[0] + "% " + n[1] + " " + n[2] + ")";
                              }};
constexpr SpaceNotation Oklch{ColorSpace::Oklch, {1, 0, 0}, {1, 3, 1}, [](const Numbers& n) {
                                  return "oklch(" + n[0] + "% " + n[1] + " " + n[2] + ")";
                              }};
constexpr SpaceNotation DisplayP3{ColorSpace::DisplayP3, {0, 0, 0}, {3, 3, 3}, [](const Numbers& n) {
                                      return Joined("color(display-p3 ", n);
                                  }};

// Whether the numbers, read as the notation parser reads them, give c:
// the same digits, the same arithmetic (ResolveCssColor is what the parser
// ends in), without building and tokenizing the text.
bool ReadsBackAs(const Numbers& numbers, const SpaceNotation& n, Rgb c)
{
    ColorCoords coords{};
    for (std::size_t i = 0; i < 3; ++i) {
        double v = 0.0;
        std::from_chars(numbers[i].data(), numbers[i].data() + numbers[i].size(), v);
        coords[i] = n.percentOf[i] != 0.0 ? v / 100.0 * n.percentOf[i] : v;
    }
    // A copied colour must stand for itself, not rely on being brought
    // into sRGB: a browser on a wider screen would show it as written.
    const CssColor8 back = ResolveCssColor(n.space, coords);
    return back.rgb == c && !back.mapped;
}

Numbers NumbersAt(const std::array<double, 3>& v, const std::array<int, 3>& decimals)
{
    return Numbers{Fixed(v[0], decimals[0]), Fixed(v[1], decimals[1]), Fixed(v[2], decimals[2])};
}

// The numbers of c in notation n: all decimals grow together until they
// read back as c, then each number gives up the decimals it can spare.
Numbers ShortestNumbers(Rgb c, const SpaceNotation& n)
{
    const ColorCoords coords = ConvertColor(ColorSpace::Srgb, n.space, SrgbFrom8Bit(c));
    std::array<double, 3> v{};
    for (std::size_t i = 0; i < 3; ++i)
        v[i] = n.percentOf[i] != 0.0 ? coords[i] / n.percentOf[i] * 100.0 : coords[i];
    std::array<int, 3> decimals = n.firstDecimals;
    Numbers numbers = NumbersAt(v, decimals);
    constexpr int extraDecimals = 12;
    for (int step = 0; step < extraDecimals && !ReadsBackAs(numbers, n, c); ++step) {
        for (int& d : decimals)
            ++d;
        numbers = NumbersAt(v, decimals);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        while (decimals[i] > 0) {
            Numbers fewer = numbers;
            fewer[i] = Fixed(v[i], decimals[i] - 1);
            // The same text (a trailing zero dropped) needs no check.
            if (fewer[i] != numbers[i] && !ReadsBackAs(fewer, n, c))
                break;
            --decimals[i];
            numbers = std::move(fewer);
        }
    }
    return numbers;
}

std::string SpaceText(Rgb c, const SpaceNotation& n)
{
    return n.text(ShortestNumbers(c, n));
}

std::string Fraction(int channel)
{
    return Fixed(channel / 255.0, 3);
}

struct PlaceholderEntry {
    std::string_view name;
    std::string (*expand)(Rgb) = nullptr;
};

constexpr PlaceholderEntry Placeholders[] = {
    {"r", [](Rgb c) { return D(c.red); }},
    {"g", [](Rgb c) { return D(c.green); }},
    {"b", [](Rgb c) { return D(c.blue); }},
    {"rx", [](Rgb c) { return Hex2(c.red, true); }},
    {"gx", [](Rgb c) { return Hex2(c.green, true); }},
    {"bx", [](Rgb c) { return Hex2(c.blue, true); }},
    {"RX", [](Rgb c) { return Hex2(c.red, false); }},
    {"GX", [](Rgb c) { return Hex2(c.green, false); }},
    {"BX", [](Rgb c) { return Hex2(c.blue, false); }},
    {"hex", [](Rgb c) { return Hex6(c.red, c.green, c.blue, true); }},
    {"HEX", [](Rgb c) { return Hex6(c.red, c.green, c.blue, false); }},
    {"bgr", [](Rgb c) { return Hex6(c.blue, c.green, c.red, true); }},
    {"BGR", [](Rgb c) { return Hex6(c.blue, c.green, c.red, false); }},
    {"dec", [](Rgb c) { return D(MakeColorRef(c.red, c.green, c.blue)); }},
    {"decrgb", [](Rgb c) { return DecimalText(c.ToRrggbb()); }},
    {"rf", [](Rgb c) { return Fraction(c.red); }},
    {"gf", [](Rgb c) { return Fraction(c.green); }},
    {"bf", [](Rgb c) { return Fraction(c.blue); }},
    {"h", [](Rgb c) { return D(RgbToHsb(c).hue); }},
    {"s", [](Rgb c) { return D(RgbToHsb(c).saturation); }},
    {"v", [](Rgb c) { return D(RgbToHsb(c).brightness); }},
    {"ax", [](Rgb) { return std::string("ff"); }},
    {"AX", [](Rgb) { return std::string("FF"); }},
    {"hslh", [](Rgb c) { return ShortestNumbers(c, HslModern)[0]; }},
    {"hsls", [](Rgb c) { return ShortestNumbers(c, HslModern)[1]; }},
    {"hsll", [](Rgb c) { return ShortestNumbers(c, HslModern)[2]; }},
    {"hwbh", [](Rgb c) { return ShortestNumbers(c, Hwb)[0]; }},
    {"hwbw", [](Rgb c) { return ShortestNumbers(c, Hwb)[1]; }},
    {"hwbb", [](Rgb c) { return ShortestNumbers(c, Hwb)[2]; }},
    {"labl", [](Rgb c) { return ShortestNumbers(c, Lab)[0]; }},
    {"laba", [](Rgb c) { return ShortestNumbers(c, Lab)[1]; }},
    {"labb", [](Rgb c) { return ShortestNumbers(c, Lab)[2]; }},
    {"lchl", [](Rgb c) { return ShortestNumbers(c, Lch)[0]; }},
    {"lchc", [](Rgb c) { return ShortestNumbers(c, Lch)[1]; }},
    {"lchh", [](Rgb c) { return ShortestNumbers(c, Lch)[2]; }},
    {"oklabl", [](Rgb c) { return ShortestNumbers(c, Oklab)[0]; }},
    {"oklaba", [](Rgb c) { return ShortestNumbers(c, Oklab)[1]; }},
    {"oklabb", [](Rgb c) { return ShortestNumbers(c, Oklab)[2]; }},
    {"oklchl", [](Rgb c) { return ShortestNumbers(c, Oklch)[0]; }},
    {"oklchc", [](Rgb c) { return ShortestNumbers(c, Oklch)[1]; }},
    {"oklchh", [](Rgb c) { return ShortestNumbers(c, Oklch)[2]; }},
    {"p3r", [](Rgb c) { return ShortestNumbers(c, DisplayP3)[0]; }},
    {"p3g", [](Rgb c) { return ShortestNumbers(c, DisplayP3)[1]; }},
    {"p3b", [](Rgb c) { return ShortestNumbers(c, DisplayP3)[2]; }},
};

// The expansion of one placeholder name, or nullopt when it is unknown.
std::optional<std::string> Placeholder(std::string_view name, Rgb c)
{
    for (const PlaceholderEntry& p : Placeholders)
        if (p.name == name)
            return p.expand(c);
    return std::nullopt;
}

std::string PlaceholderListText()
{
    std::string list;
    for (const PlaceholderEntry& p : Placeholders)
        list += (list.empty() ? "{" : " {") + std::string(p.name) + "}";
    return list;
}

std::optional<std::string> ShortHex(Rgb c)
{
    if (c.red % 17 != 0 || c.green % 17 != 0 || c.blue % 17 != 0)
        return std::nullopt;
    return "#" + Hex2(c.red, true).substr(1) + Hex2(c.green, true).substr(1) + Hex2(c.blue, true).substr(1);
}

std::string HsbText(Rgb c)
{
    const HsbTriple hsb = RgbToHsb(c);
    return D(hsb.hue) + ", " + D(hsb.saturation) + ", " + D(hsb.brightness);
}

struct FormatEntry {
    ColorFormat format;
    std::optional<std::string> (*make)(Rgb) = nullptr;
};

constexpr std::array<FormatEntry, 23> FormatTable{{
    {{"html", TINTORA_TR_NOOP("ColorFormat", "#RRGGBB (HTML)"), true},
     [](Rgb c) -> std::optional<std::string> { return "#" + Hex6(c.red, c.green, c.blue, false); }},
    {{"hex-lower", TINTORA_TR_NOOP("ColorFormat", "#rrggbb (lower case)"), true},
     [](Rgb c) -> std::optional<std::string> { return "#" + Hex6(c.red, c.green, c.blue, true); }},
    {{"hex3", TINTORA_TR_NOOP("ColorFormat", "#rgb (short)"), true}, ShortHex},
    {{"rgb", TINTORA_TR_NOOP("ColorFormat", "RGB(r, g, b) (BASIC)"), true},
     [](Rgb c) -> std::optional<std::string> { return "RGB(" + Triple(c) + ")"; }},
    {{"css-rgb", TINTORA_TR_NOOP("ColorFormat", "CSS rgb()"), true},
     [](Rgb c) -> std::optional<std::string> { return "rgb(" + Triple(c) + ")"; }},
    {{"css-hsl", TINTORA_TR_NOOP("ColorFormat", "CSS hsl()"), true},
     [](Rgb c) -> std::optional<std::string> { return SpaceText(c, HslLegacy); }},
    {{"rgb-modern", TINTORA_TR_NOOP("ColorFormat", "CSS rgb() (space syntax)"), true},
     [](Rgb c) -> std::optional<std::string> {
         return "rgb(" + D(c.red) + " " + D(c.green) + " " + D(c.blue) + ")";
     }},
    {{"hsl-modern", TINTORA_TR_NOOP("ColorFormat", "CSS hsl() (space syntax)"), true},
     [](Rgb c) -> std::optional<std::string> { return SpaceText(c, HslModern); }},
    {{"hwb", TINTORA_TR_NOOP("ColorFormat", "CSS hwb()"), true},
     [](Rgb c) -> std::optional<std::string> { return SpaceText(c, Hwb); }},
    {{"lab", TINTORA_TR_NOOP("ColorFormat", "CSS lab()"), true},
     [](Rgb c) -> std::optional<std::string> { return SpaceText(c, Lab); }},
    {{"lch", TINTORA_TR_NOOP("ColorFormat", "CSS lch()"), true},
     [](Rgb c) -> std::optional<std::string> { return SpaceText(c, Lch); }},
    {{"oklab", TINTORA_TR_NOOP("ColorFormat", "CSS oklab()"), true},
     [](Rgb c) -> std::optional<std::string> { return SpaceText(c, Oklab); }},
    {{"oklch", TINTORA_TR_NOOP("ColorFormat", "CSS oklch()"), true},
     [](Rgb c) -> std::optional<std::string> { return SpaceText(c, Oklch); }},
    {{"display-p3", TINTORA_TR_NOOP("ColorFormat", "CSS color(display-p3)"), true},
     [](Rgb c) -> std::optional<std::string> { return SpaceText(c, DisplayP3); }},
    {{"hex-alpha", TINTORA_TR_NOOP("ColorFormat", "#rrggbbaa"), true},
     [](Rgb c) -> std::optional<std::string> { return "#" + Hex6(c.red, c.green, c.blue, true) + "ff"; }},
    {{"hsb", TINTORA_TR_NOOP("ColorFormat", "HSB triple (degrees, %, %)"), false},
     [](Rgb c) -> std::optional<std::string> { return HsbText(c); }},
    {{"qcolor", TINTORA_TR_NOOP("ColorFormat", "QColor(r, g, b)"), true},
     [](Rgb c) -> std::optional<std::string> { return "QColor(" + Triple(c) + ")"; }},
    {{"dotnet", TINTORA_TR_NOOP("ColorFormat", "Color.FromArgb(r, g, b)"), true},
     [](Rgb c) -> std::optional<std::string> { return "Color.FromArgb(" + Triple(c) + ")"; }},
    {{"delphi", TINTORA_TR_NOOP("ColorFormat", "Delphi $00BBGGRR"), true},
     [](Rgb c) -> std::optional<std::string> { return "$00" + Hex6(c.blue, c.green, c.red, false); }},
    {{"vbhex", TINTORA_TR_NOOP("ColorFormat", "&HBBGGRR& (BASIC)"), true},
     [](Rgb c) -> std::optional<std::string> { return "&H" + Hex6(c.blue, c.green, c.red, false) + "&"; }},
    {{"decimal", TINTORA_TR_NOOP("ColorFormat", "Decimal, BGR order (red low)"), true},
     [](Rgb c) -> std::optional<std::string> { return D(MakeColorRef(c.red, c.green, c.blue)); }},
    {{"decimal-rgb", TINTORA_TR_NOOP("ColorFormat", "Decimal, RGB order (red high)"), false},
     [](Rgb c) -> std::optional<std::string> { return DecimalText(c.ToRrggbb()); }},
    {{"argb", TINTORA_TR_NOOP("ColorFormat", "0xAARRGGBB (Android, Flutter)"), true},
     [](Rgb c) -> std::optional<std::string> { return "0xFF" + Hex6(c.red, c.green, c.blue, false); }},
}};

constexpr std::array<ColorFormat, FormatTable.size()> Formats = [] {
    std::array<ColorFormat, FormatTable.size()> formats{};
    for (std::size_t i = 0; i < FormatTable.size(); ++i)
        formats[i] = FormatTable[i].format;
    return formats;
}();

// Messages about formats and templates, in the translation context
// "ColorFormat".
Message F(const char* text, std::initializer_list<Message> args = {})
{
    return Tr("ColorFormat", text, args);
}

// Walks a template; with `out` it also expands it for `c`.
Message WalkTemplate(std::string_view templ, Rgb c, std::string* out)
{
    if (templ.size() > MaxTemplateLength) {
        return F(TINTORA_TR_NOOP("ColorFormat", "a template of %1 characters is too long (at most %2)"),
                 {Plain(std::to_string(templ.size())), Plain(std::to_string(MaxTemplateLength))});
    }
    int placeholders = 0;
    for (std::size_t i = 0; i < templ.size(); ++i) {
        const char ch = templ[i];
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F)
            return F(TINTORA_TR_NOOP("ColorFormat", "control character at position %1 of the template"),
                     {Plain(std::to_string(i + 1))});
        if (ch == '{' && i + 1 < templ.size() && templ[i + 1] == '{') {
            if (out)
                out->push_back('{');
            ++i;
        } else if (ch == '}' && i + 1 < templ.size() && templ[i + 1] == '}') {
            if (out)
                out->push_back('}');
            ++i;
        } else if (ch == '{') {
            const std::size_t close = templ.find('}', i + 1);
            if (close == std::string_view::npos)
                return F(TINTORA_TR_NOOP("ColorFormat",
                                         "unclosed '{' at position %1; write {{ for a literal brace"),
                         {Plain(std::to_string(i + 1))});
            const std::string_view name = templ.substr(i + 1, close - i - 1);
            const std::optional<std::string> value = Placeholder(name, c);
            if (!value) {
                return F(TINTORA_TR_NOOP("ColorFormat", "unknown placeholder {%1}; expected one of %2"),
                         {Plain(std::string(name.substr(0, 32))), Plain(PlaceholderListText())});
            }
            if (out)
                out->append(*value);
            ++placeholders;
            i = close;
        } else if (ch == '}') {
            return F(
                TINTORA_TR_NOOP("ColorFormat", "unpaired '}' at position %1; write }} for a literal brace"),
                {Plain(std::to_string(i + 1))});
        } else if (out) {
            out->push_back(ch);
        }
    }
    if (placeholders == 0)
        return F(TINTORA_TR_NOOP("ColorFormat", "the template has no placeholder; expected one of %1"),
                 {Plain(PlaceholderListText())});
    return {};
}

} // namespace

std::span<const ColorFormat> ColorFormats()
{
    return Formats;
}

HsbTriple RgbToHsb(Rgb c)
{
    const int mx = std::max({c.red, c.green, c.blue});
    const int mn = std::min({c.red, c.green, c.blue});
    int hue = RoundHalfUp(HueDegrees(c));
    if (hue >= 360)
        hue -= 360;
    const int saturation = mx == 0 ? 0 : RoundHalfUp((mx - mn) * 100.0 / mx);
    const int brightness = RoundHalfUp(mx * 100.0 / 255.0);
    return HsbTriple{hue, saturation, brightness};
}

std::optional<std::string> FormatColor(Rgb c, std::string_view id)
{
    for (const FormatEntry& entry : FormatTable)
        if (entry.format.id == id)
            return entry.make(c);
    return std::nullopt;
}

Message ColorTemplateProblem(std::string_view templ)
{
    return WalkTemplate(templ, Rgb{}, nullptr);
}

std::string ValidateColorTemplate(std::string_view templ)
{
    return ColorTemplateProblem(templ).English();
}

FormattedColor FormattedColor::Failed(Message problem)
{
    FormattedColor result;
    result.error = problem.English();
    result.message = std::move(problem);
    return result;
}

FormattedColor ExpandColorTemplate(std::string_view templ, Rgb rgb)
{
    std::string out;
    Message problem = WalkTemplate(templ, rgb, &out);
    if (!problem.empty())
        return FormattedColor::Failed(std::move(problem));
    return FormattedColor{std::move(out), {}, {}};
}

std::string PlaceholderList()
{
    return PlaceholderListText();
}

std::string FormatIdList()
{
    std::string list;
    for (const ColorFormat& f : Formats) {
        if (!list.empty())
            list += ", ";
        list += f.id;
    }
    return list;
}

Message FormatSpecProblem(std::string_view choice)
{
    if (choice.find('{') != std::string_view::npos)
        return ColorTemplateProblem(choice);
    for (const ColorFormat& f : Formats)
        if (f.id == choice)
            return {};
    return F(
        TINTORA_TR_NOOP(
            "ColorFormat",
            "unknown format '%1'; expected one of %2, or a template such as '{r}, {g}, {b}' or '0x{HEX}'"),
        {Plain(std::string(choice.substr(0, 40))), Plain(FormatIdList())});
}

std::string ValidateFormatSpec(std::string_view choice)
{
    return FormatSpecProblem(choice).English();
}

FormattedColor FormatColorBySpec(Rgb rgb, std::string_view choice)
{
    if (choice.find('{') != std::string_view::npos)
        return ExpandColorTemplate(choice, rgb);
    if (Message problem = FormatSpecProblem(choice); !problem.empty())
        return FormattedColor::Failed(std::move(problem));
    if (std::optional<std::string> text = FormatColor(rgb, choice))
        return FormattedColor{std::move(text), {}, {}};
    return FormattedColor::Failed(F(
        TINTORA_TR_NOOP("ColorFormat",
                        "%1 has no exact #rgb form; every channel must be a doubled digit (00, 11, ..., FF)"),
        {Plain("#" + Hex6(rgb.red, rgb.green, rgb.blue, false))}));
}

} // namespace tintora
