// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tintora {

// A text for the user that core builds without Qt: a template marked with
// TINTORA_TR_NOOP(context, ...) whose %1..%9 take the arguments in order.
// An argument is itself a message, so a part that needs words of its own is
// translated in turn; a part that is data (a number, the user's input) is a
// plain message, shown as it is. The layer that shows it translates it (see
// surface/core_message.h); English() is the text as written here.
struct Message {
    const char* context = nullptr; // null: text is plain, not translated
    std::string text;
    std::vector<Message> args;

    bool empty() const { return text.empty(); }
    std::string English() const;
};

// `templ` with %1..%9 replaced by args[0..8] in one pass, so that an argument
// holding "%1" (typed by the user) stays as it is. A placeholder without an
// argument stays too.
std::string FillPlaceholders(std::string_view templ, const std::vector<std::string>& args);

// Data shown as it is.
Message Plain(std::string text);
// A translatable template and its arguments.
Message Tr(const char* context, const char* text, std::initializer_list<Message> args = {});

} // namespace tintora
