// SPDX-License-Identifier: MIT
// libFuzzer target for the leading-number parse of the channel fields.
// Besides crashes, sanitizer reports and hangs, it checks properties that
// hold for every input and traps when one fails.

#include "core/numeric.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool HasAnyDigit(std::string_view text)
{
    for (const char c : text)
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))
            return true;
    return false;
}

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = tintora::ParseLeadingNumber(text);

    // Never NaN; negative zero is never produced.
    Check(!std::isnan(value));
    Check(value != 0.0 || !std::signbit(value));

    // Blanks, tabs and line feeds are ignored wherever they stand.
    std::string squeezed;
    for (const char c : text)
        if (!IsBlank(c))
            squeezed.push_back(c);
    Check(tintora::ParseLeadingNumber(squeezed) == value);

    // Without any digit there is no number.
    if (!HasAnyDigit(text))
        Check(value == 0.0);

    // The integer conversions agree with each other on every parsed value.
    const auto as32 = tintora::ToInt32Nearest(value);
    const auto as16 = tintora::ToInt16Nearest(value);
    const std::int32_t saturated = tintora::SaturatingInt32Nearest(value);
    if (as32) {
        Check(saturated == *as32);
        Check(std::fabs(static_cast<double>(*as32) - value) <= 0.5);
    } else {
        Check(!std::isfinite(value) || std::fabs(value) > 2147483647.0);
    }
    if (as16)
        Check(as32 && *as32 == *as16);
    return 0;
}
