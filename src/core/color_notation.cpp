#include "core/color_notation.h"
#include "core/numeric.h"

#include "core/css_color_names.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tintora {

namespace {

constexpr std::string_view ExpectedAny =
    "expected a colour: #RRGGBB, #RGB, RRGGBB, rgb(r, g, b), hsl(h, s%, l%), &HBBGGRR&, "
    "a decimal value 0..16777215 or a CSS colour name";

NotationParse Fail(std::string message)
{
    return NotationParse{std::nullopt, std::move(message)};
}

NotationParse Ok(Rgb rgb)
{
    return NotationParse{rgb, {}};
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix)
{
    if (text.size() < lowerPrefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        const char c = text[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != lowerPrefix[i]) {
            return false;
        }
    }
    return true;
}

// A character for a message: printable ASCII as itself, anything else as
// its byte value, so a message never carries raw bytes of the input.
std::string Shown(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
        return std::string("'") + c + "'";
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "byte 0x%02X", byte);
    return buffer;
}

// Rounds a channel computed from a percentage or from hsl: halves up, as
// browsers do. The value is already known to lie in 0..255.
int RoundChannel(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

NotationParse ParseHex(std::string_view digits, std::string_view form)
{
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (HexDigitValue(digits[i]) < 0) {
            return Fail(Shown(digits[i]) + " is not a hexadecimal digit; expected " + std::string(form));
        }
    }
    int v[6];
    if (digits.size() == 3) {
        for (std::size_t i = 0; i < 3; ++i) {
            v[2 * i] = v[2 * i + 1] = HexDigitValue(digits[i]);
        }
    } else if (digits.size() == 6) {
        for (std::size_t i = 0; i < 6; ++i) {
            v[i] = HexDigitValue(digits[i]);
        }
    } else {
        return Fail(std::to_string(digits.size()) + " hexadecimal digits; expected " + std::string(form));
    }
    return Ok(Rgb{v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]});
}

NotationParse FromColorRef(std::uint64_t value, std::string_view what)
{
    if (value > 0xFFFFFF) {
        return Fail(std::string(what) + " is beyond 16777215 (&HFFFFFF&); expected a plain colour value");
    }
    const auto v = static_cast<int>(value);
    return Ok(Rgb{v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF});
}

NotationParse ParseBasicHex(std::string_view text)
{
    std::string_view digits = text.substr(2);
    if (!digits.empty() && digits.back() == '&') {
        digits.remove_suffix(1);
    }
    constexpr std::string_view form = "&HBBGGRR& with hexadecimal digits up to &HFFFFFF&";
    if (digits.empty()) {
        return Fail(std::string("no digits after &H; expected ") + std::string(form));
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0) {
            return Fail(Shown(c) + " is not a hexadecimal digit; expected " + std::string(form));
        }
        value = value * 16 + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFu) {
            return Fail(std::string("more than eight hexadecimal digits; expected ") + std::string(form));
        }
    }
    return FromColorRef(value, "&H" + std::string(digits) + "&");
}

NotationParse ParseDecimal(std::string_view text)
{
    std::uint64_t value = 0;
    for (const char c : text) {
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 0xFFFFFF) {
            return Fail("the decimal value " + std::string(text.substr(0, 24)) +
                        (text.size() > 24 ? "..." : "") +
                        " is beyond 16777215; expected a decimal value 0..16777215");
        }
    }
    return FromColorRef(value, std::string(text));
}

// Reads from text at pos: blanks, then a number (optional sign, digits with an
// optional fraction, an optional exponent of at most three digits), then an
// optional unit. No NaN, no infinities, no hex floats.
class ArgumentReader
{
public:
    explicit ArgumentReader(std::string_view text) : text_(text) {}

    void SkipSpaces()
    {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) {
            ++pos_;
        }
    }

    // Blanks, then c; on a mismatch nothing is consumed.
    bool Take(char c)
    {
        const std::size_t before = pos_;
        SkipSpaces();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        pos_ = before;
        return false;
    }

    bool AtClose()
    {
        const std::size_t before = pos_;
        const bool close = Take(')');
        pos_ = before;
        return close;
    }

    bool TakeWord(std::string_view lowerWord)
    {
        if (StartsWithIgnoringCase(text_.substr(pos_), lowerWord)) {
            pos_ += lowerWord.size();
            return true;
        }
        return false;
    }

    std::optional<double> Number()
    {
        SkipSpaces();
        const std::size_t start = pos_;
        bool negative = false;
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
            negative = text_[pos_] == '-';
            ++pos_;
        }
        const std::size_t body = pos_;
        std::size_t digits = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            ++pos_;
            ++digits;
        }
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                ++pos_;
                ++digits;
            }
        }
        if (digits == 0) {
            pos_ = start;
            return std::nullopt;
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            std::size_t p = pos_ + 1;
            if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) {
                ++p;
            }
            std::size_t expDigits = 0;
            while (p < text_.size() && IsDigit(text_[p])) {
                ++p;
                ++expDigits;
            }
            if (expDigits == 0 || expDigits > 3) {
                pos_ = start;
                return std::nullopt;
            }
            pos_ = p;
        }
        double value = 0.0;
        const auto [end, ec] = std::from_chars(text_.data() + body, text_.data() + pos_, value);
        if (ec != std::errc() || end != text_.data() + pos_ || !std::isfinite(value)) {
            pos_ = start;
            return std::nullopt;
        }
        return negative ? -value : value;
    }

    bool AtEnd()
    {
        SkipSpaces();
        return pos_ >= text_.size();
    }

    // A separator between arguments: a comma, or at least one blank.
    bool Separator()
    {
        const std::size_t before = pos_;
        SkipSpaces();
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
            return true;
        }
        return pos_ > before;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string Number(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

NotationParse ParseRgbCall(std::string_view text)
{
    constexpr std::string_view form = "expected rgb(r, g, b) with each channel 0..255 or 0%..100%";
    ArgumentReader in(text);
    in.TakeWord("rgb");
    if (!in.Take('(')) {
        return Fail(std::string(form));
    }
    static constexpr const char* names[3] = {"red", "green", "blue"};
    int channel[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && in.AtClose()) {
            return Fail("only " + std::to_string(i) + " of three channels; " + std::string(form));
        }
        if (i > 0 && !in.Separator()) {
            return Fail(std::string("missing separator before ") + names[i] + "; " + std::string(form));
        }
        const std::optional<double> v = in.Number();
        if (!v) {
            return Fail(std::string("no number for ") + names[i] + "; " + std::string(form));
        }
        const bool percent = in.Take('%');
        const double limit = percent ? 100.0 : 255.0;
        if (*v < 0.0 || *v > limit) {
            return Fail(std::string(names[i]) + " " + Number(*v) + (percent ? "%" : "") + " is beyond " +
                        (percent ? "0%..100%" : "0..255") + "; " + std::string(form));
        }
        channel[i] = RoundChannel(percent ? *v * 255.0 / 100.0 : *v);
    }
    if (!in.Take(')')) {
        return Fail(std::string("expected ')' after three channels; ") + std::string(form));
    }
    if (!in.AtEnd()) {
        return Fail(std::string("unexpected text after ')'; ") + std::string(form));
    }
    return Ok(Rgb{channel[0], channel[1], channel[2]});
}

NotationParse ParseHslCall(std::string_view text)
{
    constexpr std::string_view form = "expected hsl(h, s%, l%) with h in degrees and s, l 0..100";
    ArgumentReader in(text);
    in.TakeWord("hsl");
    if (!in.Take('(')) {
        return Fail(std::string(form));
    }
    const std::optional<double> hue = in.Number();
    if (!hue) {
        return Fail(std::string("no number for the hue; ") + std::string(form));
    }
    in.TakeWord("deg");
    double sl[2] = {};
    static constexpr const char* names[2] = {"saturation", "lightness"};
    for (int i = 0; i < 2; ++i) {
        if (in.AtClose()) {
            return Fail("only " + std::to_string(i + 1) + " of three values; " + std::string(form));
        }
        if (!in.Separator()) {
            return Fail(std::string("missing separator before the ") + names[i] + "; " + std::string(form));
        }
        const std::optional<double> v = in.Number();
        if (!v) {
            return Fail(std::string("no number for the ") + names[i] + "; " + std::string(form));
        }
        in.Take('%');
        if (*v < 0.0 || *v > 100.0) {
            return Fail(std::string(names[i]) + " " + Number(*v) + "% is beyond 0%..100%; " +
                        std::string(form));
        }
        sl[i] = *v / 100.0;
    }
    if (!in.Take(')')) {
        return Fail(std::string("expected ')' after three values; ") + std::string(form));
    }
    if (!in.AtEnd()) {
        return Fail(std::string("unexpected text after ')'; ") + std::string(form));
    }
    return Ok(HslToRgb(*hue, sl[0], sl[1]));
}

} // namespace

Rgb HslToRgb(double hue, double saturation, double lightness)
{
    double h = std::fmod(hue, 360.0);
    if (h < 0.0) {
        h += 360.0;
    }
    // The CSS Color 4 formula: each channel sits on a piecewise-linear
    // profile around the hue circle, scaled by the chroma.
    const double a = saturation * std::min(lightness, 1.0 - lightness);
    auto f = [&](double n) {
        const double k = std::fmod(n + h / 30.0, 12.0);
        const double v = lightness - a * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0}));
        return RoundChannel(std::clamp(v, 0.0, 1.0) * 255.0);
    };
    return Rgb{f(0.0), f(8.0), f(4.0)};
}

NotationParse ParseColorNotation(std::string_view text)
{
    if (text.size() > MaxNotationLength) {
        return Fail("text of " + std::to_string(text.size()) +
                    " characters is too long for a colour (at most " + std::to_string(MaxNotationLength) +
                    "); " + std::string(ExpectedAny));
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) {
            return Fail("control character " + Shown(text[i]) + " at position " + std::to_string(i + 1) +
                        "; " + std::string(ExpectedAny));
        }
    }
    auto isTrim = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isTrim(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isTrim(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return Fail("no text; " + std::string(ExpectedAny));
    }
    if (text.find_first_of("\r\n") != std::string_view::npos) {
        return Fail("more than one line; " + std::string(ExpectedAny));
    }

    if (text.front() == '#') {
        return ParseHex(text.substr(1), "#RGB or #RRGGBB (3 or 6 hexadecimal digits)");
    }
    if (StartsWithIgnoringCase(text, "&h")) {
        return ParseBasicHex(text);
    }
    if (StartsWithIgnoringCase(text, "rgba") || StartsWithIgnoringCase(text, "hsla")) {
        return Fail("alpha is not supported; expected rgb(r, g, b) or hsl(h, s%, l%)");
    }
    if (StartsWithIgnoringCase(text, "rgb")) {
        return ParseRgbCall(text);
    }
    if (StartsWithIgnoringCase(text, "hsl")) {
        return ParseHslCall(text);
    }
    if (std::all_of(text.begin(), text.end(), IsDigit)) {
        return ParseDecimal(text);
    }
    if (text.front() == '-' && text.size() > 1 && std::all_of(text.begin() + 1, text.end(), IsDigit)) {
        return Fail("a negative number; expected a decimal value 0..16777215");
    }
    if (text.size() == 6 &&
        std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; })) {
        return ParseHex(text, "RRGGBB");
    }
    if (std::all_of(text.begin(), text.end(), IsLetter)) {
        if (const std::optional<Rgb> named = CssColorByName(text)) {
            return Ok(*named);
        }
        return Fail("'" + std::string(text) + "' is not a CSS colour name; " + std::string(ExpectedAny));
    }
    return Fail(std::string(ExpectedAny));
}

} // namespace tintora
