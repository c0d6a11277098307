// SPDX-License-Identifier: MIT
#include "core/color_notation.h"

#include "core/color_spaces.h"
#include "core/css_color_names.h"
#include "core/message.h"
#include "core/numeric.h"
#include "core/translatable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace tintora {

namespace {

// Messages of the parser, in the translation context "ColorNotation".
Message N(const char* text, std::initializer_list<Message> args = {})
{
    return Tr("ColorNotation", text, args);
}

constexpr const char* JoinedText = TINTORA_TR_NOOP("ColorNotation", "%1; %2");

// What is wrong, then what was expected.
Message Joined(Message reason, Message form)
{
    return N(JoinedText, {std::move(reason), std::move(form)});
}

Message ExpectedAny()
{
    return N(TINTORA_TR_NOOP("ColorNotation",
                             "expected a colour: #RRGGBB, #RGB, rgb(), hsl(), hwb(), lab(), lch(), oklab(), "
                             "oklch(), color(), a CSS colour name, 0xRRGGBB, &HBBGGRR& or a decimal value "
                             "0..16777215"));
}

NotationParse Fail(Message message)
{
    NotationParse result;
    result.error = message.English();
    result.message = std::move(message);
    return result;
}

NotationParse Fail(Message reason, Message form)
{
    return Fail(Joined(std::move(reason), std::move(form)));
}

NotationParse Ok(Rgb rgb, double alpha = 1.0, bool mapped = false, NotationForm form = NotationForm::Css)
{
    NotationParse result;
    result.color = rgb;
    result.alpha = alpha;
    result.gamutMapped = mapped;
    result.form = form;
    return result;
}

NotationParse AsCode(NotationParse parse)
{
    if (parse.color)
        parse.form = NotationForm::Code;
    return parse;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lower)
{
    if (text.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < lower.size(); ++i)
        if (Lower(text[i]) != lower[i])
            return false;
    return true;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix)
{
    return text.size() >= lowerPrefix.size() &&
           EqualsIgnoringCase(text.substr(0, lowerPrefix.size()), lowerPrefix);
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A character for a message: printable ASCII as itself, anything else as
// its byte value, so a message never carries raw bytes of the input.
Message Shown(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F)
        return Plain(std::string("'") + c + "'");
    return N(TINTORA_TR_NOOP("ColorNotation", "byte 0x%1"), {Plain(PaddedHex(byte, 2))});
}

Message NotHexDigit(char c)
{
    return N(TINTORA_TR_NOOP("ColorNotation", "%1 is not a hexadecimal digit"), {Shown(c)});
}

// Up to 40 characters of the input for a message, printable ASCII only.
std::string Quoted(std::string_view text)
{
    std::string out;
    for (const char c : text.substr(0, 40)) {
        const auto byte = static_cast<unsigned char>(c);
        out.push_back(byte >= 0x20 && byte < 0x7F ? c : '?');
    }
    return "'" + out + (text.size() > 40 ? "...'" : "'");
}

std::string Number(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

int RoundHalfUp(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// ---- Hexadecimal forms ------------------------------------------------------

bool AllHex(std::string_view digits)
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

int HexByte(std::string_view two)
{
    return HexDigitValue(two[0]) * 16 + HexDigitValue(two[1]);
}

NotationParse ParseHashHex(std::string_view digits)
{
    const Message form = N(TINTORA_TR_NOOP("ColorNotation", "expected #RGB, #RGBA, #RRGGBB or #RRGGBBAA"));
    for (const char c : digits)
        if (HexDigitValue(c) < 0)
            return Fail(NotHexDigit(c), form);
    int v[4] = {0, 0, 0, 255};
    if (digits.size() == 3 || digits.size() == 4)
        for (std::size_t i = 0; i < digits.size(); ++i)
            v[i] = HexDigitValue(digits[i]) * 17;
    else if (digits.size() == 6 || digits.size() == 8)
        for (std::size_t i = 0; i < digits.size() / 2; ++i)
            v[i] = HexByte(digits.substr(2 * i, 2));
    else
        return Fail(N(TINTORA_TR_NOOP("ColorNotation", "%1 hexadecimal digits"),
                      {Plain(std::to_string(digits.size()))}),
                    form);
    return Ok(Rgb{v[0], v[1], v[2]}, v[3] / 255.0);
}

// 0xRRGGBB or 0xAARRGGBB.
NotationParse ParseHexLiteral(std::string_view digits)
{
    const Message form = N(TINTORA_TR_NOOP("ColorNotation", "expected 0xRRGGBB or 0xAARRGGBB"));
    for (const char c : digits)
        if (HexDigitValue(c) < 0)
            return Fail(NotHexDigit(c), form);
    if (digits.size() == 6) {
        return Ok(
            Rgb{HexByte(digits.substr(0, 2)), HexByte(digits.substr(2, 2)), HexByte(digits.substr(4, 2))},
            1.0, false, NotationForm::Code);
    }
    if (digits.size() == 8) {
        return Ok(
            Rgb{HexByte(digits.substr(2, 2)), HexByte(digits.substr(4, 2)), HexByte(digits.substr(6, 2))},
            HexByte(digits.substr(0, 2)) / 255.0, false, NotationForm::Code);
    }
    return Fail(N(TINTORA_TR_NOOP("ColorNotation", "%1 hexadecimal digits after 0x"),
                  {Plain(std::to_string(digits.size()))}),
                form);
}

// Delphi's TColor: $00BBGGRR, or $BBGGRR.
NotationParse ParseDelphi(std::string_view digits)
{
    const Message form = N(TINTORA_TR_NOOP("ColorNotation", "expected a Delphi colour $00BBGGRR"));
    for (const char c : digits)
        if (HexDigitValue(c) < 0)
            return Fail(NotHexDigit(c), form);
    if (digits.size() == 8) {
        if (HexByte(digits.substr(0, 2)) != 0) {
            return Fail(
                N(TINTORA_TR_NOOP("ColorNotation", "$%1 is a system or palette colour (high byte not 00)"),
                  {Plain(std::string(digits))}),
                form);
        }
        digits.remove_prefix(2);
    }
    if (digits.size() != 6)
        return Fail(N(TINTORA_TR_NOOP("ColorNotation", "%1 hexadecimal digits after $"),
                      {Plain(std::to_string(digits.size()))}),
                    form);
    return Ok(Rgb{HexByte(digits.substr(4, 2)), HexByte(digits.substr(2, 2)), HexByte(digits.substr(0, 2))},
              1.0, false, NotationForm::Code);
}

NotationParse ParseColorRefValue(std::uint64_t value, std::string_view what)
{
    if (value > 0xFFFFFF)
        return Fail(N(TINTORA_TR_NOOP("ColorNotation",
                                      "%1 is beyond 16777215 (&HFFFFFF&); expected a plain colour value"),
                      {Plain(std::string(what))}));
    return Ok(Rgb::FromColorRef(static_cast<ColorRef>(value)), 1.0, false, NotationForm::Code);
}

NotationParse ParseBasicHex(std::string_view text)
{
    std::string_view digits = text.substr(2);
    if (!digits.empty() && digits.back() == '&')
        digits.remove_suffix(1);
    const Message form =
        N(TINTORA_TR_NOOP("ColorNotation", "expected &HBBGGRR& with hexadecimal digits up to &HFFFFFF&"));
    if (digits.empty())
        return Fail(N(TINTORA_TR_NOOP("ColorNotation", "no digits after &H")), form);
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return Fail(NotHexDigit(c), form);
        value = value * 16 + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFu)
            return Fail(N(TINTORA_TR_NOOP("ColorNotation", "more than eight hexadecimal digits")), form);
    }
    return ParseColorRefValue(value, "&H" + std::string(digits) + "&");
}

NotationParse ParseDecimal(std::string_view text)
{
    std::uint64_t value = 0;
    for (const char c : text) {
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0xFFFFFF) {
            return Fail(
                N(TINTORA_TR_NOOP(
                      "ColorNotation",
                      "the decimal value %1 is beyond 16777215; expected a decimal value 0..16777215"),
                  {Plain(std::string(text.substr(0, 24)) + (text.size() > 24 ? "..." : ""))}));
        }
    }
    return ParseColorRefValue(value, std::string(text));
}

// ---- CSS tokens ---------------------------------------------------------------

// One token of a function's arguments, as the CSS tokenizer makes them.
struct Token {
    enum class Kind { Number, Percentage, Dimension, Ident, Comma, Slash };
    Kind kind = Kind::Number;
    double value = 0.0;
    std::string_view text; // the ident, or the dimension's unit
};

bool IsNameStart(char c)
{
    return IsLetter(c) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || IsDigit(c) || c == '-';
}

// Whether text at i starts an identifier (CSS "would start an ident
// sequence", without escapes).
bool StartsIdent(std::string_view text, std::size_t i)
{
    if (i >= text.size())
        return false;
    if (text[i] == '-')
        return i + 1 < text.size() && (IsNameStart(text[i + 1]) || text[i + 1] == '-');
    return IsNameStart(text[i]);
}

bool StartsNumber(std::string_view text, std::size_t i)
{
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i < text.size() && IsDigit(text[i]))
        return true;
    return i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1]);
}

constexpr std::size_t MaxTokens = 12;

struct TokenList {
    std::array<Token, MaxTokens> items{};
    std::size_t size = 0;
    Message error; // set when the text is no list of plain tokens
};

// Splits a function's arguments into tokens. Whitespace only separates;
// comments are already gone.
TokenList Tokenize(std::string_view text)
{
    TokenList list;
    std::size_t i = 0;
    auto push = [&](Token t) {
        if (list.size == MaxTokens) {
            list.error = N(TINTORA_TR_NOOP("ColorNotation", "too many values"));
            return false;
        }
        list.items[list.size++] = t;
        return true;
    };
    while (i < text.size() && list.error.empty()) {
        const char c = text[i];
        if (IsSpace(c)) {
            ++i;
        } else if (c == ',') {
            push(Token{Token::Kind::Comma, 0.0, {}});
            ++i;
        } else if (c == '/') {
            push(Token{Token::Kind::Slash, 0.0, {}});
            ++i;
        } else if (StartsNumber(text, i)) {
            const std::size_t start = i;
            if (text[i] == '+' || text[i] == '-')
                ++i;
            while (i < text.size() && IsDigit(text[i]))
                ++i;
            if (i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1])) {
                ++i;
                while (i < text.size() && IsDigit(text[i]))
                    ++i;
            }
            if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
                std::size_t p = i + 1;
                if (p < text.size() && (text[p] == '+' || text[p] == '-'))
                    ++p;
                if (p < text.size() && IsDigit(text[p])) {
                    while (p < text.size() && IsDigit(text[p]))
                        ++p;
                    i = p;
                }
            }
            std::size_t body = start;
            if (text[body] == '+')
                ++body; // from_chars takes no plus sign
            double value = 0.0;
            const auto [end, ec] = std::from_chars(text.data() + body, text.data() + i, value);
            if (ec != std::errc() || end != text.data() + i || !std::isfinite(value)) {
                list.error = N(TINTORA_TR_NOOP("ColorNotation", "the number %1 is beyond range"),
                               {Plain(Quoted(text.substr(start, i - start)))});
                break;
            }
            if (i < text.size() && text[i] == '%') {
                ++i;
                push(Token{Token::Kind::Percentage, value, {}});
            } else if (StartsIdent(text, i)) {
                const std::size_t unit = i;
                while (i < text.size() && IsNameChar(text[i]))
                    ++i;
                push(Token{Token::Kind::Dimension, value, text.substr(unit, i - unit)});
            } else {
                push(Token{Token::Kind::Number, value, {}});
            }
        } else if (StartsIdent(text, i)) {
            const std::size_t start = i;
            while (i < text.size() && IsNameChar(text[i]))
                ++i;
            if (i < text.size() && text[i] == '(') {
                list.error = N(TINTORA_TR_NOOP("ColorNotation", "nested functions such as %1) are not read"),
                               {Plain(Quoted(text.substr(start, i - start + 1)))});
                break;
            }
            push(Token{Token::Kind::Ident, 0.0, text.substr(start, i - start)});
        } else if (c == '(' || c == ')') {
            list.error = N(TINTORA_TR_NOOP("ColorNotation", "unbalanced parentheses"));
        } else {
            list.error =
                N(TINTORA_TR_NOOP("ColorNotation", "%1 is not part of a colour function"), {Shown(c)});
        }
    }
    return list;
}

// ---- CSS colour functions ---------------------------------------------------

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

// ---- Programmers' calls -----------------------------------------------------

// Comma-separated integers 0..255, between count.min and count.max of them.
bool ReadIntegers(std::string_view args, std::size_t count, int* out)
{
    std::size_t n = 0;
    std::size_t i = 0;
    while (true) {
        while (i < args.size() && IsSpace(args[i]))
            ++i;
        const std::size_t start = i;
        while (i < args.size() && IsDigit(args[i]) && i - start < 4)
            ++i;
        if (i == start || n == count)
            return false;
        int v = 0;
        std::from_chars(args.data() + start, args.data() + i, v);
        if (v > 255)
            return false;
        out[n++] = v;
        while (i < args.size() && IsSpace(args[i]))
            ++i;
        if (i == args.size())
            return n == count;
        if (args[i] != ',')
            return false;
        ++i;
    }
}

NotationParse ParseQColor(std::string_view args);
NotationParse ParseFromArgb(std::string_view args);

NotationParse ParseText(std::string_view text, int depth, bool hadComment = false);

NotationParse ParseQColor(std::string_view args)
{
    const Message form = N(TINTORA_TR_NOOP(
        "ColorNotation",
        "expected QColor(r, g, b), QColor(r, g, b, a) with each 0..255, or QColor(\"#RRGGBB\")"));
    args = Trim(args);
    if (args.size() >= 2 && args.front() == '"' && args.back() == '"') {
        const std::string_view inner = args.substr(1, args.size() - 2);
        if (!inner.empty() && (inner.front() == '#' || std::all_of(inner.begin(), inner.end(), IsLetter))) {
            NotationParse inside = ParseText(inner, 1);
            if (inside.color)
                return AsCode(inside);
            // What was wrong inside the quotes, without what it expected.
            const bool joined = inside.message.text == JoinedText && !inside.message.args.empty();
            return Fail(joined ? inside.message.args.front() : inside.message, form);
        }
        return Fail(form);
    }
    int v[4] = {0, 0, 0, 255};
    if (ReadIntegers(args, 3, v) || ReadIntegers(args, 4, v))
        return Ok(Rgb{v[0], v[1], v[2]}, v[3] / 255.0, false, NotationForm::Code);
    return Fail(form);
}

NotationParse ParseFromArgb(std::string_view args)
{
    const Message form = N(TINTORA_TR_NOOP(
        "ColorNotation", "expected Color.FromArgb(r, g, b) or Color.FromArgb(a, r, g, b) with each 0..255"));
    int v[4] = {};
    if (ReadIntegers(args, 3, v))
        return Ok(Rgb{v[0], v[1], v[2]}, 1.0, false, NotationForm::Code);
    if (ReadIntegers(args, 4, v))
        return Ok(Rgb{v[1], v[2], v[3]}, v[0] / 255.0, false, NotationForm::Code);
    return Fail(form);
}

// ---- Names ------------------------------------------------------------------

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

// ---- The whole text ---------------------------------------------------------

NotationParse ParseText(std::string_view text, int depth, bool hadComment)
{
    if (text.empty())
        return Fail(N(TINTORA_TR_NOOP("ColorNotation", "no text")), ExpectedAny());
    if (text.front() == '#')
        return ParseHashHex(text.substr(1));
    if (StartsWithIgnoringCase(text, "0x"))
        return ParseHexLiteral(text.substr(2));
    if (text.front() == '$')
        return ParseDelphi(text.substr(1));
    if (StartsWithIgnoringCase(text, "&h"))
        return ParseBasicHex(text);
    if (depth == 0 && text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        return AsCode(ParseText(Trim(text.substr(1, text.size() - 2)), depth + 1, hadComment));
    }
    const std::size_t open = text.find('(');
    if (open != std::string_view::npos && open > 0) {
        const std::string_view name = text.substr(0, open);
        // The end of the text closes a function left open, as in CSS.
        const std::string_view args =
            text.substr(open + 1, text.size() - open - 1 - (text.back() == ')' ? 1 : 0));
        if (EqualsIgnoringCase(name, "qcolor"))
            return ParseQColor(args);
        if (EqualsIgnoringCase(name, "color.fromargb"))
            return ParseFromArgb(args);
        if (EqualsIgnoringCase(name, "color") && StartsWithIgnoringCase(Trim(args), "0x")) {
            NotationParse inner = ParseHexLiteral(Trim(args).substr(2));
            if (inner.color && Trim(args).size() != 10)
                return Fail(N(TINTORA_TR_NOOP("ColorNotation",
                                              "expected Color(0xAARRGGBB) with eight hexadecimal digits")));
            return inner;
        }
        if (!hadComment && Trim(name) != name && EqualsIgnoringCase(Trim(name), "rgb")) {
            // The BASIC call allows blanks before its parenthesis; CSS does
            // not (and BASIC has no CSS comments).
            return AsCode(ParseCssFunction(Trim(name), args));
        }
        if (!std::all_of(name.begin(), name.end(), [](char c) { return IsLetter(c) || c == '-'; }))
            return Fail(
                N(TINTORA_TR_NOOP("ColorNotation", "%1 is not a colour function"), {Plain(Quoted(name))}),
                ExpectedAny());
        return ParseCssFunction(name, args);
    }
    if (std::all_of(text.begin(), text.end(), IsDigit))
        return ParseDecimal(text);
    if (text.front() == '-' && text.size() > 1 && std::all_of(text.begin() + 1, text.end(), IsDigit))
        return Fail(
            N(TINTORA_TR_NOOP("ColorNotation", "a negative number; expected a decimal value 0..16777215")));
    if (text.size() == 6 && AllHex(text)) {
        NotationParse hex = ParseHashHex(text);
        return AsCode(hex);
    }
    if (std::all_of(text.begin(), text.end(), IsLetter))
        return ParseName(text);
    return Fail(ExpectedAny());
}

// The value of a pasted declaration or assignment: "color: red;",
// "--brand: #336699", "$accent: #f80;", "int c = 0xFF336699;". nullopt when
// the text is none.
std::optional<std::string_view> DeclarationValue(std::string_view text)
{
    std::size_t i = 0;
    bool letter = false;
    while (i < text.size()) {
        const char c = text[i];
        if (IsLetter(c)) {
            letter = true;
        } else if (!(IsDigit(c) || c == '-' || c == '_' || c == '$' || c == '@' || c == '.' || c == ' ' ||
                     c == '\t')) {
            break;
        }
        ++i;
    }
    if (!letter || i == text.size() || (text[i] != ':' && text[i] != '='))
        return std::nullopt;
    return Trim(text.substr(i + 1));
}

} // namespace

Rgb HslToRgb(double hue, double saturation, double lightness)
{
    return SrgbTo8Bit(HslToSrgb(ColorCoords{hue, saturation * 100.0, lightness * 100.0}));
}

NotationParse ParseColorNotation(std::string_view text)
{
    if (text.size() > MaxNotationLength) {
        return Fail(
            N(TINTORA_TR_NOOP("ColorNotation", "text of %1 characters is too long for a colour (at most %2)"),
              {Plain(std::to_string(text.size())), Plain(std::to_string(MaxNotationLength))}),
            ExpectedAny());
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) {
            return Fail(N(TINTORA_TR_NOOP("ColorNotation", "control character %1 at position %2"),
                          {Shown(text[i]), Plain(std::to_string(i + 1))}),
                        ExpectedAny());
        }
    }
    // CSS comments separate like blanks; one left open runs to the end.
    std::array<char, MaxNotationLength> buffer{};
    std::size_t length = 0;
    bool hadComment = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const std::size_t close = text.find("*/", i + 2);
            i = close == std::string_view::npos ? text.size() : close + 2;
            buffer[length++] = ' ';
            hadComment = true;
        } else {
            buffer[length++] = text[i++];
        }
    }
    std::string_view clean = Trim(std::string_view(buffer.data(), length));
    if (clean.empty())
        return Fail(N(TINTORA_TR_NOOP("ColorNotation", "no text")), ExpectedAny());
    if (clean.find_first_of("\r\n") != std::string_view::npos)
        return Fail(N(TINTORA_TR_NOOP("ColorNotation", "more than one line")), ExpectedAny());

    bool sourceLine = false;
    if (const std::optional<std::string_view> value = DeclarationValue(clean)) {
        clean = *value;
        sourceLine = true;
    }
    if (!clean.empty() && clean.back() == ';') {
        clean = Trim(clean.substr(0, clean.size() - 1));
        sourceLine = true;
    }
    if (sourceLine && clean.size() >= 10 && EqualsIgnoringCase(clean.substr(clean.size() - 10), "!important"))
        clean = Trim(clean.substr(0, clean.size() - 10));
    NotationParse result = ParseText(clean, 0, hadComment);
    if (sourceLine && result.color)
        result.form = NotationForm::SourceLine;
    return result;
}

int AlphaPercent(double alpha)
{
    // Whole percent, but never 100 % for a colour that is not opaque, nor
    // 0 % for one that is not fully transparent.
    const int percent = RoundHalfUp(alpha * 100.0);
    if (alpha > 0.0 && alpha < 1.0)
        return std::clamp(percent, 1, 99);
    return percent;
}

std::string NotationNote(const NotationParse& parse)
{
    if (!parse.color)
        return {};
    std::string note;
    if (parse.alpha < 1.0)
        note = "Alpha " + std::to_string(AlphaPercent(parse.alpha)) + " % not kept";
    if (parse.gamutMapped)
        note += (note.empty() ? "" : "; ") + std::string("Outside sRGB: mapped");
    return note;
}

} // namespace tintora
