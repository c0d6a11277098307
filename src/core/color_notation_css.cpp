// SPDX-License-Identifier: MIT
// CSS colour functions (rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(),
// color()) and colour names.
#include "core/color_notation_internal.h"

#include "core/color_spaces.h"
#include "core/css_color_names.h"
#include "core/message.h"
#include "core/translatable.h"

#include <algorithm>
#include <array>
#include <numbers>
#include <optional>
#include <string>

namespace tintora::notation {

namespace {

// What one argument of a colour function may be.
enum class Arg {
    RgbChannel, // number 0..255 or percentage of 255
    Hue,        // number (degrees) or angle
    Scaled,     // number, or percentage of the channel's reference range
};

struct FunctionSpec {
    std::string_view name;
    ColorSpace space;
    std::array<Arg, 3> args;
    std::array<double, 3> percentOf; // what 100% is, for Scaled arguments
    bool legacy = false;             // the comma syntax is allowed too
};

constexpr double NoPercent = 0.0;

// Function names and their arguments. rgb() and hsl() are read apart (the
// legacy syntax); the table gives the modern grammar.
constexpr FunctionSpec Functions[] = {
    {"rgb", ColorSpace::Srgb, {Arg::RgbChannel, Arg::RgbChannel, Arg::RgbChannel}, {255, 255, 255}, true},
    {"rgba", ColorSpace::Srgb, {Arg::RgbChannel, Arg::RgbChannel, Arg::RgbChannel}, {255, 255, 255}, true},
    {"hsl", ColorSpace::Hsl, {Arg::Hue, Arg::Scaled, Arg::Scaled}, {NoPercent, 100, 100}, true},
    {"hsla", ColorSpace::Hsl, {Arg::Hue, Arg::Scaled, Arg::Scaled}, {NoPercent, 100, 100}, true},
    {"hwb", ColorSpace::Hwb, {Arg::Hue, Arg::Scaled, Arg::Scaled}, {NoPercent, 100, 100}, false},
    {"lab", ColorSpace::Lab, {Arg::Scaled, Arg::Scaled, Arg::Scaled}, {100, 125, 125}, false},
    {"lch", ColorSpace::Lch, {Arg::Scaled, Arg::Scaled, Arg::Hue}, {100, 150, NoPercent}, false},
    {"oklab", ColorSpace::Oklab, {Arg::Scaled, Arg::Scaled, Arg::Scaled}, {1, 0.4, 0.4}, false},
    {"oklch", ColorSpace::Oklch, {Arg::Scaled, Arg::Scaled, Arg::Hue}, {1, 0.4, NoPercent}, false},
};

struct PredefinedSpace {
    std::string_view name;
    ColorSpace space;
};

constexpr PredefinedSpace PredefinedSpaces[] = {
    {"srgb", ColorSpace::Srgb},
    {"srgb-linear", ColorSpace::SrgbLinear},
    {"display-p3", ColorSpace::DisplayP3},
    {"a98-rgb", ColorSpace::A98Rgb},
    {"prophoto-rgb", ColorSpace::ProphotoRgb},
    {"rec2020", ColorSpace::Rec2020},
    {"xyz", ColorSpace::XyzD65},
    {"xyz-d50", ColorSpace::XyzD50},
    {"xyz-d65", ColorSpace::XyzD65},
};

std::optional<double> HueDegreesOf(const Token& t)
{
    if (t.kind == Token::Kind::Number)
        return t.value;
    if (t.kind != Token::Kind::Dimension)
        return std::nullopt;
    if (EqualsIgnoringCase(t.text, "deg"))
        return t.value;
    if (EqualsIgnoringCase(t.text, "grad"))
        return t.value * 360.0 / 400.0;
    if (EqualsIgnoringCase(t.text, "rad"))
        return t.value * 180.0 / std::numbers::pi;
    if (EqualsIgnoringCase(t.text, "turn"))
        return t.value * 360.0;
    return std::nullopt;
}

bool IsNone(const Token& t)
{
    return t.kind == Token::Kind::Ident && EqualsIgnoringCase(t.text, "none");
}

std::string TokenText(const Token& t)
{
    switch (t.kind) {
    case Token::Kind::Number:
        return Number(t.value);
    case Token::Kind::Percentage:
        return Number(t.value) + "%";
    case Token::Kind::Dimension:
        return Number(t.value) + Quoted(t.text).substr(1, t.text.size());
    case Token::Kind::Ident:
        return Quoted(t.text);
    case Token::Kind::Comma:
        return "','";
    case Token::Kind::Slash:
        return "'/'";
    }
    return {};
}

Message NotAlpha(const Token& t)
{
    return N(TINTORA_TR_NOOP("ColorNotation", "%1 is not an alpha value"), {Plain(TokenText(t))});
}

// An alpha value: number or percentage, clamped to 0..1; none is 0.
std::optional<double> AlphaOf(const Token& t, bool noneAllowed)
{
    if (t.kind == Token::Kind::Number)
        return std::clamp(t.value, 0.0, 1.0);
    if (t.kind == Token::Kind::Percentage)
        return std::clamp(t.value / 100.0, 0.0, 1.0);
    if (noneAllowed && IsNone(t))
        return 0.0;
    return std::nullopt;
}

struct Channels {
    ColorCoords value{};
    double alpha = 1.0;
    Message error;
};

// The modern syntax: three arguments, each as `args` says or none, then
// optionally "/" and an alpha.
Channels ReadModern(const TokenList& tokens, std::size_t first, const std::array<Arg, 3>& args,
                    const std::array<double, 3>& percentOf, const Message& form)
{
    Channels out;
    const std::size_t n = tokens.size - first;
    if (n < 3) {
        out.error = Joined(
            N(TINTORA_TR_NOOP("ColorNotation", "only %1 of three values"), {Plain(std::to_string(n))}), form);
        return out;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const Token& t = tokens.items[first + i];
        if (IsNone(t)) {
            out.value[i] = 0.0;
            continue;
        }
        bool ok = false;
        switch (args[i]) {
        case Arg::RgbChannel:
            if (t.kind == Token::Kind::Number) {
                out.value[i] = t.value;
                ok = true;
            } else if (t.kind == Token::Kind::Percentage) {
                out.value[i] = t.value * 255.0 / 100.0;
                ok = true;
            }
            break;
        case Arg::Hue:
            if (const std::optional<double> h = HueDegreesOf(t)) {
                out.value[i] = *h;
                ok = true;
            }
            break;
        case Arg::Scaled:
            if (t.kind == Token::Kind::Number) {
                out.value[i] = t.value;
                ok = true;
            } else if (t.kind == Token::Kind::Percentage) {
                out.value[i] = t.value / 100.0 * percentOf[i];
                ok = true;
            }
            break;
        }
        if (!ok) {
            out.error = Joined(N(TINTORA_TR_NOOP("ColorNotation", "%1 is not a valid value %2"),
                                 {Plain(TokenText(t)), Plain(std::to_string(i + 1))}),
                               form);
            return out;
        }
    }
    if (n == 3)
        return out;
    if (tokens.items[first + 3].kind != Token::Kind::Slash) {
        out.error = Joined(N(TINTORA_TR_NOOP("ColorNotation", "unexpected %1 after three values"),
                             {Plain(TokenText(tokens.items[first + 3]))}),
                           form);
        return out;
    }
    if (n != 5) {
        out.error = Joined(n == 4 ? N(TINTORA_TR_NOOP("ColorNotation", "no alpha after '/'"))
                                  : N(TINTORA_TR_NOOP("ColorNotation", "unexpected text after the alpha")),
                           form);
        return out;
    }
    const std::optional<double> alpha = AlphaOf(tokens.items[first + 4], true);
    if (!alpha) {
        out.error = Joined(NotAlpha(tokens.items[first + 4]), form);
        return out;
    }
    out.alpha = *alpha;
    return out;
}

bool HasComma(const TokenList& tokens)
{
    for (std::size_t i = 0; i < tokens.size; ++i)
        if (tokens.items[i].kind == Token::Kind::Comma)
            return true;
    return false;
}

// The legacy comma syntax of rgb() and hsl(): v, v, v[, alpha], no none.
Channels ReadLegacy(const TokenList& tokens, bool hsl, const Message& form)
{
    Channels out;
    const std::size_t n = tokens.size;
    if (n != 5 && n != 7) {
        out.error = Joined(
            N(TINTORA_TR_NOOP("ColorNotation", "the comma syntax takes three values and an optional alpha")),
            form);
        return out;
    }
    for (std::size_t i = 1; i < n; i += 2) {
        if (tokens.items[i].kind != Token::Kind::Comma) {
            out.error =
                Joined(N(TINTORA_TR_NOOP("ColorNotation", "commas and blanks mixed as separators")), form);
            return out;
        }
    }
    const Token* v[3] = {&tokens.items[0], &tokens.items[2], &tokens.items[4]};
    if (hsl) {
        const std::optional<double> hue = HueDegreesOf(*v[0]);
        if (!hue || v[1]->kind != Token::Kind::Percentage || v[2]->kind != Token::Kind::Percentage) {
            out.error =
                Joined(N(TINTORA_TR_NOOP("ColorNotation",
                                         "the comma syntax of hsl() takes a hue and two percentages")),
                       form);
            return out;
        }
        // The same arithmetic as a percentage of the modern syntax.
        out.value = {*hue, v[1]->value / 100.0 * 100.0, v[2]->value / 100.0 * 100.0};
    } else {
        const Token::Kind kind = v[0]->kind;
        if ((kind != Token::Kind::Number && kind != Token::Kind::Percentage) || v[1]->kind != kind ||
            v[2]->kind != kind) {
            out.error = Joined(
                N(TINTORA_TR_NOOP("ColorNotation",
                                  "the comma syntax of rgb() takes three numbers or three percentages")),
                form);
            return out;
        }
        for (std::size_t i = 0; i < 3; ++i)
            out.value[i] = kind == Token::Kind::Percentage ? v[i]->value * 255.0 / 100.0 : v[i]->value;
    }
    if (n == 7) {
        const std::optional<double> alpha = AlphaOf(tokens.items[6], false);
        if (!alpha) {
            out.error = Joined(NotAlpha(tokens.items[6]), form);
            return out;
        }
        out.alpha = *alpha;
    }
    return out;
}

// A colour in `space` with the clamps CSS applies when it reads the value,
// brought into sRGB.
NotationParse Resolve(ColorSpace space, ColorCoords c, double alpha, bool rgbFunction = false)
{
    if (rgbFunction) { // channels on the 0..255 scale, clamped
        return Ok(Rgb{RoundHalfUp(std::clamp(c[0], 0.0, 255.0)), RoundHalfUp(std::clamp(c[1], 0.0, 255.0)),
                      RoundHalfUp(std::clamp(c[2], 0.0, 255.0))},
                  alpha);
    }
    const CssColor8 resolved = ResolveCssColor(space, c);
    return Ok(resolved.rgb, alpha, resolved.mapped);
}
// System colours of CSS Color 4, current and deprecated, lower case.
constexpr std::string_view SystemColorNames[] = {
    "accentcolor",
    "accentcolortext",
    "activetext",
    "buttonborder",
    "buttonface",
    "buttontext",
    "canvas",
    "canvastext",
    "field",
    "fieldtext",
    "graytext",
    "highlight",
    "highlighttext",
    "linktext",
    "mark",
    "marktext",
    "selecteditem",
    "selecteditemtext",
    "visitedtext",
    "activeborder",
    "activecaption",
    "appworkspace",
    "background",
    "buttonhighlight",
    "buttonshadow",
    "captiontext",
    "inactiveborder",
    "inactivecaption",
    "inactivecaptiontext",
    "infobackground",
    "infotext",
    "menu",
    "menutext",
    "scrollbar",
    "threeddarkshadow",
    "threedface",
    "threedhighlight",
    "threedlightshadow",
    "threedshadow",
    "window",
    "windowframe",
    "windowtext",
};
} // namespace

NotationParse ParseCssFunction(std::string_view name, std::string_view args)
{
    const TokenList tokens = Tokenize(args);
    const std::string lowerName = [&] {
        std::string s(name);
        std::transform(s.begin(), s.end(), s.begin(), Lower);
        return s;
    }();
    if (lowerName == "color") {
        const Message form = N(
            TINTORA_TR_NOOP("ColorNotation", "expected color(SPACE c1 c2 c3[ / alpha]) with SPACE srgb, "
                                             "srgb-linear, display-p3, a98-rgb, prophoto-rgb, rec2020, xyz, "
                                             "xyz-d50 or xyz-d65"));
        if (!tokens.error.empty())
            return Fail(tokens.error, form);
        if (tokens.size == 0 || tokens.items[0].kind != Token::Kind::Ident)
            return Fail(N(TINTORA_TR_NOOP("ColorNotation", "no colour space")), form);
        const std::string_view spaceName = tokens.items[0].text;
        if (spaceName.substr(0, 2) == "--") {
            return Fail(N(TINTORA_TR_NOOP("ColorNotation",
                                          "the custom colour space %1 needs the page's @color-profile"),
                          {Plain(Quoted(spaceName))}),
                        form);
        }
        for (const PredefinedSpace& s : PredefinedSpaces) {
            if (EqualsIgnoringCase(spaceName, s.name)) {
                if (HasComma(tokens))
                    return Fail(N(TINTORA_TR_NOOP("ColorNotation", "commas in color()")), form);
                const Channels ch =
                    ReadModern(tokens, 1, {Arg::Scaled, Arg::Scaled, Arg::Scaled}, {1, 1, 1}, form);
                if (!ch.error.empty())
                    return Fail(ch.error);
                return Resolve(s.space, ch.value, ch.alpha);
            }
        }
        return Fail(
            N(TINTORA_TR_NOOP("ColorNotation", "%1 is not a colour space"), {Plain(Quoted(spaceName))}),
            form);
    }
    for (const FunctionSpec& f : Functions) {
        if (lowerName != f.name)
            continue;
        const Message name = Plain(std::string(f.name));
        const Message form =
            f.space == ColorSpace::Srgb
                ? N(TINTORA_TR_NOOP("ColorNotation", "expected %1(r g b[ / alpha]) or rgb(r, g, b[, alpha])"),
                    {name})
            : f.space == ColorSpace::Hsl
                ? N(TINTORA_TR_NOOP("ColorNotation",
                                    "expected %1(h s l[ / alpha]) or hsl(h, s%, l%[, alpha])"),
                    {name})
                : N(TINTORA_TR_NOOP("ColorNotation", "expected %1(v1 v2 v3[ / alpha])"), {name});
        if (!tokens.error.empty())
            return Fail(tokens.error, form);
        Channels ch;
        if (HasComma(tokens)) {
            if (!f.legacy)
                return Fail(N(TINTORA_TR_NOOP("ColorNotation", "%1() takes no commas"), {name}), form);
            ch = ReadLegacy(tokens, f.space == ColorSpace::Hsl, form);
        } else {
            ch = ReadModern(tokens, 0, f.args, f.percentOf, form);
        }
        if (!ch.error.empty())
            return Fail(ch.error);
        return Resolve(f.space, ch.value, ch.alpha, f.space == ColorSpace::Srgb);
    }
    return Fail(N(TINTORA_TR_NOOP("ColorNotation", "%1 is not a colour function"), {Plain(Quoted(name))}),
                ExpectedAny());
}
NotationParse ParseName(std::string_view text)
{
    if (const std::optional<Rgb> named = CssColorByName(text))
        return Ok(*named);
    if (EqualsIgnoringCase(text, "transparent"))
        return Ok(Rgb{0, 0, 0}, 0.0);
    if (EqualsIgnoringCase(text, "currentcolor")) {
        return Fail(N(TINTORA_TR_NOOP("ColorNotation", "currentcolor is the colour of the text around it and "
                                                       "needs a page; expected a colour that stands "
                                                       "alone")));
    }
    for (const std::string_view name : SystemColorNames) {
        if (EqualsIgnoringCase(text, name)) {
            return Fail(
                N(TINTORA_TR_NOOP("ColorNotation",
                                  "%1 is a system colour, which a browser takes from the page's theme; "
                                  "expected a colour that stands alone"),
                  {Plain(Quoted(text))}));
        }
    }
    return Fail(N(TINTORA_TR_NOOP("ColorNotation", "%1 is not a CSS colour name"), {Plain(Quoted(text))}),
                ExpectedAny());
}
} // namespace tintora::notation
