// SPDX-License-Identifier: MIT
#include "core/message.h"

#include <utility>

namespace tintora {

std::string Message::English() const
{
    if (args.empty())
        return text;
    // One pass, so that an argument holding "%1" (typed by the user) stays.
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n =
            i + 1 < text.size() && text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9'
                ? static_cast<std::size_t>(text[i + 1] - '1')
                : args.size();
        if (n < args.size()) {
            out += args[n].English();
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
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
