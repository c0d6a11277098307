// SPDX-License-Identifier: MIT
#pragma once

#include "core/message.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tintora {

// Converts a stream of text with one colour a line (what `--color -` reads)
// into one result a line: each line read by ParseColorNotation and written
// with FormatColorBySpec in one format or template.
//
// Line N of the output is the result for line N of the input, so a script
// can pair them. A line that is no colour, or whose colour has no text in
// the format (hex3), gives an empty output line and an error line
// "<prefix>line N: <reason>"; the other lines are still converted. Lines end
// with "\n" or "\r\n"; the last line needs no line end. A line is never kept
// whole beyond MaxNotationLength + 1 bytes, so any input runs in constant
// memory.
class ColorLineConverter
{
public:
    // Writes an error's reason for the user; English unless the caller
    // translates.
    using Render = std::function<std::string(const Message&)>;

    // `format` must be valid (see ValidateFormatSpec).
    ColorLineConverter(std::string format, std::string errorPrefix, Render render = {});

    // Converts the complete lines in `bytes` (and keeps an incomplete last
    // one for the next call), appending results to `out` and error lines to
    // `errors`.
    void Feed(std::string_view bytes, std::string& out, std::string& errors);

    // Converts a last line without a line end.
    void Finish(std::string& out, std::string& errors);

    // 0 when every line was converted; 2 when a line was no colour; 1 when
    // every line was a colour but one had no text in the format.
    int ExitStatus() const;

    std::size_t LineCount() const { return lineNumber_; }

private:
    void ConvertLine(std::string& out, std::string& errors);

    std::string format_;
    std::string errorPrefix_;
    Render render_;
    std::string line_;
    std::size_t lineLength_ = 0; // the whole length, beyond what line_ keeps
    std::size_t lineNumber_ = 0;
    bool badValue_ = false;
    bool badFormat_ = false;
};

} // namespace tintora
