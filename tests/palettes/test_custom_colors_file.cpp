// SPDX-License-Identifier: MIT
#include "palettes/custom_colors_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

namespace tintora {
namespace {

std::string Format(const CustomColorArray& colors)
{
    std::ostringstream out;
    FormatCustomColors(colors, out);
    return out.str();
}

CustomColorsParse Parse(const std::string& bytes)
{
    std::istringstream in(bytes);
    return ParseCustomColors(in);
}

std::string ZeroLines(int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += " 0 \r\n";
    return s;
}

TEST(FormatCustomColors, CellOneRedGivesExactBytes)
{
    CustomColorArray colors{};
    colors[1] = 255;
    const std::string expected = " 0 \r\n 255 \r\n" + ZeroLines(223);
    EXPECT_EQ(Format(colors), expected);
}

TEST(FormatCustomColors, ValueForms)
{
    struct Row {
        std::int32_t value;
        const char* line;
    };
    const Row rows[] = {
        {0, " 0 \r\n"},
        {-5, "-5 \r\n"},
        {16777215, " 16777215 \r\n"},
        {std::numeric_limits<std::int32_t>::max(), " 2147483647 \r\n"},
        {std::numeric_limits<std::int32_t>::min(), "-2147483648 \r\n"},
    };
    for (const Row& row : rows) {
        CustomColorArray colors{};
        colors[0] = row.value;
        EXPECT_EQ(Format(colors), row.line + ZeroLines(224)) << row.value;
    }
}

TEST(FormatCustomColors, IndexSeventeenIsLineEighteen)
{
    CustomColorArray colors{};
    colors[17] = 0x123456;
    std::istringstream lines(Format(colors));
    std::string line;
    int n = 0;
    while (std::getline(lines, line)) {
        ++n;
        EXPECT_EQ(line, n == 18 ? " 1193046 \r" : " 0 \r") << "line " << n;
    }
    EXPECT_EQ(n, 225);
}

TEST(FormatCustomColors, IgnoresGroupingLocale)
{
    struct Grouping : std::numpunct<char> {
        char do_thousands_sep() const override { return ','; }
        std::string do_grouping() const override { return "\3"; }
    };
    std::ostringstream out;
    out.imbue(std::locale(out.getloc(), new Grouping));
    CustomColorArray colors{};
    colors[0] = 16777215;
    FormatCustomColors(colors, out);
    EXPECT_EQ(out.str().substr(0, 12), " 16777215 \r\n");
}

TEST(CustomColorsRoundTrip, WrittenValuesReadBack)
{
    CustomColorArray colors{};
    for (int i = 0; i < CustomColorSlots; ++i)
        colors[static_cast<std::size_t>(i)] = (i * 74565 + 13) % 16777216 - (i % 7 == 0 ? 300000 : 0);
    colors[3] = std::numeric_limits<std::int32_t>::min();
    colors[4] = std::numeric_limits<std::int32_t>::max();
    const CustomColorsParse parsed = Parse(Format(colors));
    EXPECT_EQ(parsed.colors, colors);
    EXPECT_EQ(parsed.linesRead, 225);
    EXPECT_FALSE(parsed.truncated);
}

TEST(ParseCustomColorLine, LenientReads)
{
    struct Row {
        std::string line;
        std::int32_t expected;
    };
    const Row rows[] = {
        {" 255 ", 255},
        {"255", 255},
        {"255abc", 255},
        {"255 junk 7", 255},
        {"", 0},
        {"x", 0},
        {"x255", 0},
        {"\t2\t55", 255},
        {"2 5 5", 255},
        {"99999999999", 0},
        {"2147483647", 2147483647},
        {"2147483648", 0},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"-2147483649", 0},
        {"2147483647.4", 2147483647},
        {"2147483647.5", 0},
        {"-2147483648.5", std::numeric_limits<std::int32_t>::min()},
        {"-2147483648.6", 0},
        {"12.5", 12},
        {"13.5", 14},
        {"12.51", 13},
        {"12.500000000000000000001", 13},
        {"12.49999", 12},
        {"-2.5", -2},
        {"-3.5", -4},
        {"0.5", 0},
        {".5", 0},
        {".6", 1},
        {"7.", 7},
        {"-3", -3},
        {"+7", 7},
        {"- 5", -5},
        {"--5", 0},
        {"+", 0},
        {".", 0},
        {"-.", 0},
        {"1e5", 1},
        {"&HFF", 0},
        {"00000000000000000000000000255", 255},
        {std::string(5000, '9'), 0},
        {std::string("25\0"
                     "5",
                     4),
         25},
        {"\x01\xff\x80", 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseCustomColorLine(row.line), row.expected) << "line \"" << row.line << "\"";
}

TEST(ParseCustomColors, LineEndsAndShortFiles)
{
    struct Row {
        const char* name;
        std::string bytes;
        int linesRead;
        std::int32_t slot0, slot1, slot2;
    };
    const Row rows[] = {
        {"empty", "", 0, 0, 0, 0},
        {"crlf", "1\r\n255\r\n3\r\n", 3, 1, 255, 3},
        {"lf", "1\n255\n3\n", 3, 1, 255, 3},
        {"no final line end", "1\n255\n3", 3, 1, 255, 3},
        {"blank line", "1\n\n3\n", 3, 1, 0, 3},
        {"one line", " 42 \r\n", 1, 42, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CustomColorsParse parsed = Parse(row.bytes);
        EXPECT_EQ(parsed.linesRead, row.linesRead);
        EXPECT_FALSE(parsed.truncated);
        EXPECT_EQ(parsed.colors[0], row.slot0);
        EXPECT_EQ(parsed.colors[1], row.slot1);
        EXPECT_EQ(parsed.colors[2], row.slot2);
        for (std::size_t i = 3; i < parsed.colors.size(); ++i)
            ASSERT_EQ(parsed.colors[i], 0) << "slot " << i;
    }
}

TEST(ParseCustomColors, TenLineFileLeavesTheRestZero)
{
    std::string bytes;
    for (int i = 0; i < 10; ++i)
        bytes += " " + std::to_string(i + 100) + " \r\n";
    const CustomColorsParse parsed = Parse(bytes);
    EXPECT_EQ(parsed.linesRead, 10);
    for (std::size_t i = 0; i < parsed.colors.size(); ++i)
        EXPECT_EQ(parsed.colors[i], i < 10 ? static_cast<std::int32_t>(i + 100) : 0) << "slot " << i;
}

TEST(ParseCustomColors, LinesPastTheLastSlotAreIgnored)
{
    CustomColorArray colors{};
    colors[224] = 99;
    const CustomColorsParse parsed = Parse(Format(colors) + " 7 \r\n 8 \r\n");
    EXPECT_EQ(parsed.colors, colors);
    EXPECT_EQ(parsed.linesRead, 225);
    EXPECT_TRUE(parsed.truncated);

    // Exactly 225 lines, with or without a final line end, is not truncated.
    EXPECT_FALSE(Parse(Format(colors)).truncated);
    std::string noFinalEnd = Format(colors);
    noFinalEnd.resize(noFinalEnd.size() - 2);
    EXPECT_FALSE(Parse(noFinalEnd).truncated);
    EXPECT_EQ(Parse(noFinalEnd).colors, colors);
}

TEST(ParseCustomColors, VeryLongLineIsCutAndTheNextLineStillRead)
{
    const std::string bytes = "17" + std::string(100000, 'x') + "\r\n255\r\n";
    const CustomColorsParse parsed = Parse(bytes);
    EXPECT_EQ(parsed.colors[0], 17);
    EXPECT_EQ(parsed.colors[1], 255);
    EXPECT_EQ(parsed.linesRead, 2);
    EXPECT_TRUE(parsed.truncated);
}

TEST(ParseCustomColors, ReadingStopsAtTheByteCap)
{
    // One line far beyond the cap: the reader must stop within the cap
    // rather than scanning the whole stream.
    std::istringstream in("5" + std::string(CustomColorsMaxReadBytes * 3, ' ') + "\n255\n");
    const CustomColorsParse parsed = ParseCustomColors(in);
    EXPECT_EQ(parsed.colors[0], 5);
    EXPECT_EQ(parsed.colors[1], 0);
    EXPECT_EQ(parsed.linesRead, 1);
    EXPECT_TRUE(parsed.truncated);
    EXPECT_EQ(static_cast<std::size_t>(in.tellg()), CustomColorsMaxReadBytes);
}

TEST(ParseCustomColors, BinaryInputGivesZerosWithoutFailing)
{
    std::string bytes;
    std::uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        bytes.push_back(static_cast<char>(state >> 24));
    }
    // Without digits at line starts every value must be 0.
    for (char& c : bytes)
        if (c >= '0' && c <= '9')
            c = 'A';
    const CustomColorsParse parsed = Parse(bytes);
    EXPECT_EQ(parsed.colors, CustomColorArray{});
    EXPECT_EQ(parsed.linesRead, 225);
    EXPECT_TRUE(parsed.truncated);
}

// Which streams count as read cleanly decides whether a save first keeps a
// backup: only what the writer would not reproduce is a problem.
TEST(ParseCustomColors, ProblemsAndTheirLines)
{
    struct Row {
        const char* name;
        std::string bytes;
        CustomColorsProblem problem;
        int line;
    };
    const std::string full = ZeroLines(225);
    const Row rows[] = {
        {"empty", "", CustomColorsProblem::None, 0},
        {"short with blank lines", "1\r\n\r\n \t \r\n255 red\r\n+12.5\r\n", CustomColorsProblem::None, 0},
        {"blank lines after the last slot", full + "\r\n  \n\n", CustomColorsProblem::None, 0},
        {"text after the last slot", full + "\r\n 9 \r\n", CustomColorsProblem::ExtraLines, 0},
        {"no number", "1\r\n2\r\nred\r\n", CustomColorsProblem::NotANumber, 3},
        {"too large", "1\r\n99999999999\r\n", CustomColorsProblem::NotANumber, 2},
        {"below int32", "-2147483649\r\n", CustomColorsProblem::NotANumber, 1},
        {"control byte", std::string("1\r\n2\r\n3\x01\r\n", 10), CustomColorsProblem::Binary, 3},
        {"nul", std::string("\0", 1), CustomColorsProblem::Binary, 1},
        {"long line", "1\r\n" + std::string(CustomColorsMaxLineBytes + 1, '5') + "\r\n",
         CustomColorsProblem::LongLine, 2},
        {"first problem wins", "x\r\n\x02\r\n", CustomColorsProblem::NotANumber, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CustomColorsParse parsed = Parse(row.bytes);
        EXPECT_EQ(parsed.problem, row.problem);
        EXPECT_EQ(parsed.problemLine, row.line);
        EXPECT_EQ(parsed.clean(), row.problem == CustomColorsProblem::None);
    }
}

} // namespace
} // namespace tintora
