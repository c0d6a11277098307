// SPDX-License-Identifier: MIT
// libFuzzer target for the colour notation parser (CSS Color 4 and the
// programmers' notations; seeds of every form in fuzz/seeds/fuzz_notation).
// Besides crashes, sanitizer reports and hangs, it checks properties that
// hold for every input and traps when one fails.

#include "core/color_formats.h"
#include "core/color_notation.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool InRange(int v)
{
    return v >= 0 && v <= 255;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tintora::NotationParse parsed = tintora::ParseColorNotation(text);

    // Exactly one of colour and reason.
    Check(parsed.color.has_value() != !parsed.error.empty());
    if (!parsed.color) {
        // Every refusal says what was expected, and a long input is refused.
        Check(parsed.error.find("expected") != std::string::npos);
        return 0;
    }
    Check(size <= tintora::MaxNotationLength);
    const tintora::Rgb c = *parsed.color;
    Check(InRange(c.red) && InRange(c.green) && InRange(c.blue));
    Check(parsed.alpha >= 0.0 && parsed.alpha <= 1.0);
    Check(tintora::NotationNote(parsed).empty() == (parsed.alpha == 1.0 && !parsed.gamutMapped));

    // Blanks around the text change nothing.
    const tintora::NotationParse padded =
        tintora::ParseColorNotation(" \t" + std::string(text.substr(0, 200)) + "\r\n ");
    if (size <= 200)
        Check(padded.color && *padded.color == c);

    // Every notation the parser knows reads back as the same colour, and
    // every notation and template of a colour formats without failing.
    for (const tintora::ColorFormat& f : tintora::ColorFormats()) {
        const std::optional<std::string> out = tintora::FormatColor(c, f.id);
        Check(out.has_value() || f.id == "hex3");
        if (out && f.parsesBack) {
            const tintora::NotationParse back = tintora::ParseColorNotation(*out);
            Check(back.color && *back.color == c);
        }
    }
    const tintora::FormattedColor templ = tintora::ExpandColorTemplate(
        "{{{r}}} {HEX} {bgr} {dec} {rf} {h} {oklchl} {laba} {p3b} {hwbw} {AX}", c);
    Check(templ.text.has_value());
    return 0;
}
