// SPDX-License-Identifier: MIT
#include "core/numeric.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace tintora {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Value of c as a digit of the given radix (8, 10 or 16), or -1.
int DigitValue(char c, int radix)
{
    const int d = HexDigitValue(c);
    return d < radix ? d : -1;
}

// Walks the text one character at a time, stepping over blanks, tabs and line
// feeds wherever they stand. Past the end it shows '\0', which fits nothing.
class Reader
{
public:
    explicit Reader(std::string_view text) : text_(text) { SkipBlanks(); }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    void Advance()
    {
        ++pos_;
        SkipBlanks();
    }

private:
    void SkipBlanks()
    {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Hexadecimal or octal digits as a non-negative value. Exact up to 2^53;
// beyond that each step rounds, and after enough digits the value is +inf.
double ReadRadixDigits(Reader& reader, int radix)
{
    double value = 0.0;
    for (int d = DigitValue(reader.Peek(), radix); d >= 0; d = DigitValue(reader.Peek(), radix)) {
        value = value * radix + d;
        reader.Advance();
    }
    return value;
}

// More significant digits than a double can ever need for correct rounding
// (767 is the most any double's exact decimal form has).
constexpr std::size_t MaxKeptDigits = 800;
// Exponents beyond this are all the same to a double; capping keeps the
// arithmetic below from overflowing however many digits are typed.
constexpr std::int64_t ExponentCap = 1'000'000'000'000'000;

// Significant decimal digits of a number with the power of ten that scales
// them: value = digits * 10^scale.
struct Decimal {
    std::string digits; // without leading zeros; empty for zero
    std::int64_t scale = 0;
    bool droppedNonZero = false; // digits beyond MaxKeptDigits were not all zero
    bool any = false;            // at least one mantissa digit was read

    void Add(char c, bool fraction)
    {
        any = true;
        if (digits.empty() && c == '0') {
            if (fraction)
                --scale;
            return;
        }
        if (digits.size() < MaxKeptDigits) {
            digits.push_back(c);
            if (fraction)
                --scale;
        } else {
            droppedNonZero = droppedNonZero || c != '0';
            if (!fraction)
                ++scale;
        }
    }
};

// Signed exponent digits, capped at +-ExponentCap.
std::int64_t ReadExponentDigits(Reader& reader)
{
    std::int64_t e = 0;
    while (IsDecimalDigit(reader.Peek())) {
        e = e * 10 + (reader.Peek() - '0');
        if (e > ExponentCap)
            e = ExponentCap;
        reader.Advance();
    }
    return e;
}

// digits * 10^scale rounded once to the nearest double.
double ToDouble(Decimal d)
{
    if (d.digits.empty())
        return 0.0;
    if (d.droppedNonZero) {
        // The dropped tail lies strictly between 0 and one unit of the last
        // kept digit; a trailing 1 stands for it without changing the rounding.
        d.digits.push_back('1');
        --d.scale;
    } else {
        while (d.digits.back() == '0') {
            d.digits.pop_back();
            ++d.scale;
        }
    }
    // Power of ten of the leading digit.
    const std::int64_t lead = static_cast<std::int64_t>(d.digits.size()) - 1 + d.scale;
    if (lead > 308)
        return std::numeric_limits<double>::infinity();
    if (lead < -400)
        return 0.0;
    // Only digits, 'e' and a sign: strtod reads this the same in every
    // locale, rounds correctly and gives inf or a (sub)normal at the ends.
    const std::string text = d.digits + "e" + std::to_string(d.scale);
    return std::strtod(text.c_str(), nullptr);
}

double ReadDecimal(Reader& reader)
{
    bool negative = false;
    if (reader.Peek() == '+' || reader.Peek() == '-') {
        negative = reader.Peek() == '-';
        reader.Advance();
    }
    Decimal number;
    while (IsDecimalDigit(reader.Peek())) {
        number.Add(reader.Peek(), false);
        reader.Advance();
    }
    if (reader.Peek() == '.') {
        reader.Advance();
        while (IsDecimalDigit(reader.Peek())) {
            number.Add(reader.Peek(), true);
            reader.Advance();
        }
    }
    if (!number.any)
        return 0.0;
    const char marker = reader.Peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        reader.Advance();
        bool negativeExponent = false;
        if (reader.Peek() == '+' || reader.Peek() == '-') {
            negativeExponent = reader.Peek() == '-';
            reader.Advance();
        }
        // Without digits the marker is simply where the number ends.
        const std::int64_t e = ReadExponentDigits(reader);
        number.scale += negativeExponent ? -e : e;
    }
    const double magnitude = ToDouble(std::move(number));
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

template <typename Int> std::optional<Int> ToIntNearest(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = RoundHalfEven(v);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(r);
}

} // namespace

double RoundHalfEven(double v)
{
    const double below = std::floor(v);
    const double fraction = v - below; // exact for every finite double
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

int TwipsToPixels(double twips)
{
    return static_cast<int>(RoundHalfEven(twips / 15.0));
}

double ParseLeadingNumber(std::string_view text)
{
    Reader reader(text);
    if (reader.Peek() != '&')
        return ReadDecimal(reader);
    reader.Advance();
    switch (reader.Peek()) {
    case 'H':
    case 'h':
        reader.Advance();
        return ReadRadixDigits(reader, 16);
    case 'O':
    case 'o':
        reader.Advance();
        return ReadRadixDigits(reader, 8);
    default:
        return 0.0;
    }
}

std::optional<std::int32_t> ToInt32Nearest(double v)
{
    return ToIntNearest<std::int32_t>(v);
}

std::optional<std::int16_t> ToInt16Nearest(double v)
{
    return ToIntNearest<std::int16_t>(v);
}

std::int32_t SaturatingInt32Nearest(double v)
{
    if (std::isnan(v))
        return 0;
    if (const auto exact = ToInt32Nearest(v))
        return *exact;
    return v < 0 ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
}

std::string DecimalText(std::int64_t v)
{
    return std::to_string(v);
}

std::string PaddedHex(std::uint32_t v, std::size_t width, LetterCase letters)
{
    const char* digits = letters == LetterCase::Upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char buffer[8];
    std::size_t n = 0;
    do {
        buffer[sizeof buffer - ++n] = digits[v % 16];
        v /= 16;
    } while (v != 0);
    std::string text(width > n ? width - n : 0, '0');
    text.append(buffer + sizeof buffer - n, n);
    return text;
}

} // namespace tintora
