// SPDX-License-Identifier: MIT
#include "core/message.h"

#include <utility>

namespace tintora {

std::string FillPlaceholders(std::string_view templ, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < templ.size(); ++i) {
        const std::size_t n =
            i + 1 < templ.size() && templ[i] == '%' && templ[i + 1] >= '1' && templ[i + 1] <= '9'
                ? static_cast<std::size_t>(templ[i + 1] - '1')
                : args.size();
        if (n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += templ[i];
        }
    }
    return out;
}

std::string Message::English() const
{
    if (args.empty())
        return text;
    std::vector<std::string> filled;
    filled.reserve(args.size());
    for (const Message& arg : args)
        filled.push_back(arg.English());
    return FillPlaceholders(text, filled);
}

Message Plain(std::string text)
{
    Message m;
    m.text = std::move(text);
    return m;
}

Message Tr(const char* context, const char* text, std::initializer_list<Message> args)
{
    Message m;
    m.context = context;
    m.text = text;
    m.args = args;
    return m;
}

} // namespace tintora
