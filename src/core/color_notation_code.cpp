// SPDX-License-Identifier: MIT
// Programmers' notations: hexadecimal literals, Delphi's TColor, the BASIC
// hex constant, a decimal value, QColor() and Color.FromArgb(); the "#" forms
// of CSS are read here too, since "RRGGBB" without "#" shares them.
#include "core/color_notation_internal.h"

#include "core/color_types.h"
#include "core/message.h"
#include "core/numeric.h"
#include "core/translatable.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace tintora::notation {

namespace {

int HexByte(std::string_view two)
{
    return HexDigitValue(two[0]) * 16 + HexDigitValue(two[1]);
}
NotationParse ParseColorRefValue(std::uint64_t value, std::string_view what)
{
    if (value > 0xFFFFFF)
        return Fail(N(TINTORA_TR_NOOP("ColorNotation",
                                      "%1 is beyond 16777215 (&HFFFFFF&); expected a plain colour value"),
                      {Plain(std::string(what))}));
    return Ok(Rgb::FromColorRef(static_cast<ColorRef>(value)), 1.0, false, NotationForm::Code);
}
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

} // namespace

bool AllHex(std::string_view digits)
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return HexDigitValue(c) >= 0; });
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

} // namespace tintora::notation
