// SPDX-License-Identifier: MIT
#include "core/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace tintora {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

struct ParseCase {
    std::string text;
    double expected;
};

TEST(ParseLeadingNumber, ReadsTheLeadingNumberOfTable)
{
    const ParseCase cases[] = {
        {"", 0.0},
        {"180", 180.0},
        {"1 80", 180.0},
        {" -5", -5.0},
        {"- 5", -5.0},
        {"\t1\n2 3", 123.0},
        {"-", 0.0},
        {"+", 0.0},
        {"+3", 3.0},
        {"--3", 0.0},
        {"+-3", 0.0},
        {"abc", 0.0},
        {"12abc", 12.0},
        {"12.5", 12.5},
        {"12.5.3", 12.5},
        {".5", 0.5},
        {"-.25", -0.25},
        {"5.", 5.0},
        {".", 0.0},
        {"-.", 0.0},
        {"007", 7.0},
        {"0.0625", 0.0625},
        {"1E2x", 100.0},
        {"1e2", 100.0},
        {"1D2", 100.0},
        {"1d-2", 0.01},
        {"2.5E+1", 25.0},
        {"1 E 2", 100.0},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1e-", 1.0},
        {"1ex", 1.0},
        {"e5", 0.0},
        {".e5", 0.0},
        {"1,000", 1.0},
        {"\r5", 0.0}, // carriage return is not a blank
        {"&HFF", 255.0},
        {"&hff", 255.0},
        {"& H 1 0", 16.0},
        {"&HFFFF", 65535.0},
        {"&HFFFFFFFF", 4294967295.0},
        {"&HG", 0.0},
        {"&H", 0.0},
        {"&O17", 15.0},
        {"&o78", 7.0},
        {"&O", 0.0},
        {"&", 0.0},
        {"&X1", 0.0},
        {"-&HFF", 0.0},
        {"1E308", 1e308},
        {"1E-320", 1e-320},
        {"1E-400", 0.0},
        {"0E999999999", 0.0},
        {"1E999999999", Inf},
        {"1E99999999999999999999999", Inf},
        {"-1E999999999", -Inf},
        {"1E-99999999999999999999999", 0.0},
        {"0.1", 0.1},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseLeadingNumber(c.text), c.expected) << "text: \"" << c.text << "\"";
}

TEST(ParseLeadingNumber, NegativeZeroReadsAsPlainZero)
{
    EXPECT_FALSE(std::signbit(ParseLeadingNumber("-0")));
    EXPECT_FALSE(std::signbit(ParseLeadingNumber("-0.000")));
    EXPECT_FALSE(std::signbit(ParseLeadingNumber("-1E-999")));
}

TEST(ParseLeadingNumber, LongDigitStringsStayCorrectlyRounded)
{
    // 400 digits overflow a double.
    EXPECT_EQ(ParseLeadingNumber("1" + std::string(400, '0')), Inf);
    EXPECT_EQ(ParseLeadingNumber("-" + std::string(400, '9')), -Inf);
    // Many leading zeros, then the value: exponent bookkeeping must not lose it.
    EXPECT_EQ(ParseLeadingNumber(std::string(100000, '0') + "42"), 42.0);
    EXPECT_EQ(ParseLeadingNumber("0." + std::string(100000, '0') + "5E100005"), 5e4);
    // A long fraction after an ordinary value: digits far beyond a double's
    // precision only decide the rounding.
    EXPECT_EQ(ParseLeadingNumber("1." + std::string(100000, '0')), 1.0);
    EXPECT_EQ(ParseLeadingNumber("2." + std::string(100000, '9')), 3.0);
    // Integer digits beyond the kept ones still scale the value.
    EXPECT_EQ(ParseLeadingNumber("1" + std::string(300, '0')), 1e300);
    EXPECT_EQ(ParseLeadingNumber("1" + std::string(1000, '0') + "E-1000"), 1.0);
    // The exact halfway point between 1 and the next double, then a nonzero
    // digit far beyond the kept ones: must round up, not to even.
    const std::string half = "1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(ParseLeadingNumber(half), 1.0);
    EXPECT_EQ(ParseLeadingNumber(half + std::string(2000, '0') + "1"), std::nextafter(1.0, 2.0));
}

TEST(ParseLeadingNumber, HugeHexDigitStringsBecomeInfinity)
{
    EXPECT_EQ(ParseLeadingNumber("&H" + std::string(300, 'F')), Inf);
    EXPECT_EQ(ParseLeadingNumber("&O" + std::string(400, '7')), Inf);
}

struct RoundCase {
    double value;
    std::optional<std::int32_t> expected32;
    std::optional<std::int16_t> expected16;
};

TEST(NearestConversion, RoundsHalfToEvenAndRejectsOutOfRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const RoundCase cases[] = {
        {137.5, 138, 138},
        {136.5, 136, 136},
        {2.5, 2, 2},
        {3.5, 4, 4},
        {-0.5, 0, 0},
        {-1.5, -2, -2},
        {-2.5, -2, -2},
        {0.49999999999999994, 0, 0},
        {1.4999999999999998, 1, 1},
        {-7.2, -7, -7},
        {32767.4, 32767, 32767},
        {32767.5, 32768, std::nullopt},
        {-32768.5, -32768, -32768},
        {-32769.0, -32769, std::nullopt},
        {2147483647.4, 2147483647, std::nullopt},
        {2147483647.5, std::nullopt, std::nullopt},
        {-2147483648.5, -2147483648, std::nullopt},
        {-2147483649.0, std::nullopt, std::nullopt},
        {1e300, std::nullopt, std::nullopt},
        {Inf, std::nullopt, std::nullopt},
        {-Inf, std::nullopt, std::nullopt},
        {nan, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToInt32Nearest(c.value), c.expected32) << "value " << c.value;
        EXPECT_EQ(ToInt16Nearest(c.value), c.expected16) << "value " << c.value;
    }
}

TEST(NearestConversion, SaturatingClampsIntoInt32)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    const std::int32_t min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(SaturatingInt32Nearest(137.5), 138);
    EXPECT_EQ(SaturatingInt32Nearest(-136.5), -136);
    EXPECT_EQ(SaturatingInt32Nearest(2147483647.5), max);
    EXPECT_EQ(SaturatingInt32Nearest(1e20), max);
    EXPECT_EQ(SaturatingInt32Nearest(Inf), max);
    EXPECT_EQ(SaturatingInt32Nearest(-1e20), min);
    EXPECT_EQ(SaturatingInt32Nearest(-Inf), min);
    EXPECT_EQ(SaturatingInt32Nearest(nan), 0);
}

TEST(NumberText, DecimalAndHexFormats)
{
    EXPECT_EQ(DecimalText(-5), "-5");
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(180), "180");
    EXPECT_EQ(DecimalText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(PaddedHex(0, 1), "0");
    EXPECT_EQ(PaddedHex(10, 1), "A");
    EXPECT_EQ(PaddedHex(255, 1), "FF");
    EXPECT_EQ(PaddedHex(0x100, 1), "100");
    EXPECT_EQ(PaddedHex(0x8000000F, 1), "8000000F");
    EXPECT_EQ(PaddedHex(0xFFFFFFFF, 1), "FFFFFFFF");
    // Padding only ever adds zeros; a longer value keeps every digit.
    EXPECT_EQ(PaddedHex(0, 6), "000000");
    EXPECT_EQ(PaddedHex(0xA, 2), "0A");
    EXPECT_EQ(PaddedHex(0x1234, 2), "1234");
    EXPECT_EQ(PaddedHex(0xFFFFFFFF, 10), "00FFFFFFFF");
    EXPECT_EQ(PaddedHex(0xABCDEF, 8, LetterCase::Lower), "00abcdef");
}

} // namespace
} // namespace tintora
