// SPDX-License-Identifier: MIT
#include "palettes/custom_colors_file.h"

#include <charconv>
#include <limits>
#include <string>

namespace tintora {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Magnitudes above this cannot become an int32 whatever the sign.
constexpr std::uint64_t MagnitudeLimit = std::uint64_t{1} << 31;

} // namespace

std::int32_t ParseCustomColorLine(std::string_view line)
{
    bool readable = true;
    return ParseCustomColorLine(line, &readable);
}

std::int32_t ParseCustomColorLine(std::string_view line, bool* readable)
{
    *readable = true;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
    };

    skipBlanks();
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }

    // The integer part is accumulated only while it can still fit, so any
    // number of digits is read in linear time without overflow.
    bool anyDigit = false;
    bool tooLarge = false;
    std::uint64_t magnitude = 0;
    for (skipBlanks(); i < line.size() && IsDigit(line[i]); skipBlanks()) {
        anyDigit = true;
        if (!tooLarge) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(line[i] - '0');
            tooLarge = magnitude > MagnitudeLimit;
        }
        ++i;
    }

    // Rounding needs only the first fraction digit and whether any later one
    // is non-zero, which keeps ties exact (a double would turn
    // "2.50000000000000000001" into a tie).
    int firstFraction = -1;
    bool laterFractionNonZero = false;
    if (i < line.size() && line[i] == '.') {
        ++i;
        for (skipBlanks(); i < line.size() && IsDigit(line[i]); skipBlanks()) {
            anyDigit = true;
            const int d = line[i] - '0';
            if (firstFraction < 0)
                firstFraction = d;
            else if (d != 0)
                laterFractionNonZero = true;
            ++i;
        }
    }

    if (!anyDigit || tooLarge) {
        std::size_t j = 0;
        while (j < line.size() && IsBlank(line[j]))
            ++j;
        *readable = j == line.size();
        return 0;
    }
    const bool roundUp =
        firstFraction > 5 || (firstFraction == 5 && (laterFractionNonZero || magnitude % 2 == 1));
    if (roundUp)
        ++magnitude;
    if (negative) {
        if (magnitude > MagnitudeLimit) {
            *readable = false;
            return 0;
        }
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        *readable = false;
        return 0;
    }
    return static_cast<std::int32_t>(magnitude);
}

CustomColorsParse ParseCustomColors(std::istream& in)
{
    using Traits = std::char_traits<char>;
    CustomColorsParse result;
    std::streambuf* buf = in.rdbuf();
    if (buf == nullptr)
        return result;

    const auto noteProblem = [&result](CustomColorsProblem problem, int line) {
        if (result.problem == CustomColorsProblem::None) {
            result.problem = problem;
            result.problemLine = line;
        }
    };

    std::size_t budget = CustomColorsMaxReadBytes;
    bool atEnd = false;
    bool reachedEof = false;
    std::string line;
    line.reserve(64);
    while (!atEnd && result.linesRead < CustomColorSlots) {
        line.clear();
        bool tookAny = false;
        for (;;) {
            if (budget == 0) {
                atEnd = true;
                if (!Traits::eq_int_type(buf->sgetc(), Traits::eof())) {
                    result.truncated = true;
                    noteProblem(CustomColorsProblem::ReadCap, 0);
                }
                break;
            }
            const Traits::int_type c = buf->sbumpc();
            if (Traits::eq_int_type(c, Traits::eof())) {
                atEnd = true;
                reachedEof = true;
                break;
            }
            --budget;
            tookAny = true;
            if (c == '\n')
                break;
            if (c < 0x20 && c != '\t' && c != '\r')
                noteProblem(CustomColorsProblem::Binary, result.linesRead + 1);
            if (line.size() < CustomColorsMaxLineBytes) {
                line.push_back(Traits::to_char_type(c));
            } else {
                result.truncated = true;
                noteProblem(CustomColorsProblem::LongLine, result.linesRead + 1);
            }
        }
        if (!tookAny)
            break;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        bool readable = true;
        result.colors[static_cast<std::size_t>(result.linesRead)] = ParseCustomColorLine(line, &readable);
        ++result.linesRead;
        if (!readable)
            noteProblem(CustomColorsProblem::NotANumber, result.linesRead);
    }
    // After the last slot only blank lines may follow (an editor's final
    // empty line); anything else would be dropped by the next save.
    while (!atEnd) {
        const Traits::int_type c = buf->sgetc();
        if (Traits::eq_int_type(c, Traits::eof())) {
            reachedEof = true;
            break;
        }
        if (budget == 0) {
            result.truncated = true;
            noteProblem(CustomColorsProblem::ReadCap, 0);
            break;
        }
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            result.truncated = true;
            noteProblem(CustomColorsProblem::ExtraLines, 0);
            break;
        }
        buf->sbumpc();
        --budget;
    }
    if (reachedEof)
        in.setstate(std::ios::eofbit);
    return result;
}

void FormatCustomColors(const CustomColorArray& colors, std::ostream& out)
{
    // Written through to_chars rather than operator<< so that a stream
    // imbued with a grouping locale cannot put separators into the digits.
    char text[16];
    for (const std::int32_t value : colors) {
        const std::int64_t wide = value;
        text[0] = wide < 0 ? '-' : ' ';
        const auto [end, ec] = std::to_chars(text + 1, text + sizeof text - 3, wide < 0 ? -wide : wide);
        (void)ec; // 10 digits always fit
        char* p = end;
        *p++ = ' ';
        *p++ = '\r';
        *p++ = '\n';
        out.write(text, p - text);
    }
}

} // namespace tintora
