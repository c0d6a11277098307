// SPDX-License-Identifier: MIT
// The reader's entry: the checks on the whole text, comments, source lines,
// quotes and the choice of a reader by the text's first characters; the
// readers themselves live in color_notation_css.cpp (CSS) and
// color_notation_code.cpp (programmers' notations).
#include "core/color_notation.h"

#include "core/color_notation_internal.h"
#include "core/color_spaces.h"
#include "core/message.h"
#include "core/numeric.h"
#include "core/translatable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

namespace tintora {

namespace notation {

// Messages of the parser, in the translation context "ColorNotation".
Message N(const char* text, std::initializer_list<Message> args)
{
    return Tr("ColorNotation", text, args);
}

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

NotationParse Ok(Rgb rgb, double alpha, bool mapped, NotationForm form)
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

namespace {

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

} // namespace notation

using namespace notation;

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
