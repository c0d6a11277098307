// SPDX-License-Identifier: MIT
#include "core/color_lines.h"

#include "core/color_formats.h"
#include "core/color_notation.h"
#include "core/translatable.h"

#include <utility>

namespace tintora {

ColorLineConverter::ColorLineConverter(std::string format, std::string errorPrefix, Render render)
    : format_(std::move(format)), errorPrefix_(std::move(errorPrefix)), render_(std::move(render))
{
    line_.reserve(MaxNotationLength + 1);
}

void ColorLineConverter::Feed(std::string_view bytes, std::string& out, std::string& errors)
{
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view part = bytes.substr(0, end);
        // Keep one byte beyond the limit, so the parser still refuses the
        // line as too long.
        if (line_.size() <= MaxNotationLength)
            line_.append(part.substr(0, MaxNotationLength + 1 - line_.size()));
        lineLength_ += part.size();
        if (end == std::string_view::npos)
            return;
        ConvertLine(out, errors);
        bytes.remove_prefix(end + 1);
    }
}

void ColorLineConverter::Finish(std::string& out, std::string& errors)
{
    if (lineLength_ > 0)
        ConvertLine(out, errors);
}

int ColorLineConverter::ExitStatus() const
{
    return badValue_ ? 2 : badFormat_ ? 1 : 0;
}

void ColorLineConverter::ConvertLine(std::string& out, std::string& errors)
{
    ++lineNumber_;
    std::string_view text = line_;
    if (!text.empty() && text.back() == '\r' && lineLength_ <= MaxNotationLength)
        text.remove_suffix(1);
    Message error;
    if (lineLength_ > MaxNotationLength) {
        error =
            Tr("ColorLines",
               TINTORA_TR_NOOP("ColorLines", "a line of %1 characters is too long for a colour (at most %2)"),
               {Plain(std::to_string(lineLength_)), Plain(std::to_string(MaxNotationLength))});
        badValue_ = true;
    } else if (const NotationParse parsed = ParseColorNotation(text); !parsed.color) {
        error = parsed.message;
        badValue_ = true;
    } else if (FormattedColor formatted = FormatColorBySpec(*parsed.color, format_); formatted.text) {
        out += *formatted.text;
    } else {
        error = formatted.message;
        badFormat_ = true;
    }
    out += '\n';
    if (!error.empty()) {
        const Message line = Tr("ColorLines", TINTORA_TR_NOOP("ColorLines", "line %1: %2"),
                                {Plain(std::to_string(lineNumber_)), error});
        errors += errorPrefix_ + (render_ ? render_(line) : line.English()) + '\n';
    }
    line_.clear();
    lineLength_ = 0;
}

} // namespace tintora
