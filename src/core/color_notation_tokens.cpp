// SPDX-License-Identifier: MIT
// The tokenizer of a colour function's arguments, as CSS tokenizes them.
#include "core/color_notation_internal.h"

#include "core/message.h"
#include "core/translatable.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tintora::notation {

namespace {

bool IsNameStart(char c)
{
    return IsLetter(c) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || IsDigit(c) || c == '-';
}

// Whether text at i starts an identifier (CSS "would start an ident
// sequence", without escapes).
bool StartsIdent(std::string_view text, std::size_t i)
{
    if (i >= text.size())
        return false;
    if (text[i] == '-')
        return i + 1 < text.size() && (IsNameStart(text[i + 1]) || text[i + 1] == '-');
    return IsNameStart(text[i]);
}

bool StartsNumber(std::string_view text, std::size_t i)
{
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i < text.size() && IsDigit(text[i]))
        return true;
    return i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1]);
}
} // namespace

// Splits a function's arguments into tokens. Whitespace only separates;
// comments are already gone.
TokenList Tokenize(std::string_view text)
{
    TokenList list;
    std::size_t i = 0;
    auto push = [&](Token t) {
        if (list.size == MaxTokens) {
            list.error = N(TINTORA_TR_NOOP("ColorNotation", "too many values"));
            return false;
        }
        list.items[list.size++] = t;
        return true;
    };
    while (i < text.size() && list.error.empty()) {
        const char c = text[i];
        if (IsSpace(c)) {
            ++i;
        } else if (c == ',') {
            push(Token{Token::Kind::Comma, 0.0, {}});
            ++i;
        } else if (c == '/') {
            push(Token{Token::Kind::Slash, 0.0, {}});
            ++i;
        } else if (StartsNumber(text, i)) {
            const std::size_t start = i;
            if (text[i] == '+' || text[i] == '-')
                ++i;
            while (i < text.size() && IsDigit(text[i]))
                ++i;
            if (i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1])) {
                ++i;
                while (i < text.size() && IsDigit(text[i]))
                    ++i;
            }
            if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
                std::size_t p = i + 1;
                if (p < text.size() && (text[p] == '+' || text[p] == '-'))
                    ++p;
                if (p < text.size() && IsDigit(text[p])) {
                    while (p < text.size() && IsDigit(text[p]))
                        ++p;
                    i = p;
                }
            }
            std::size_t body = start;
            if (text[body] == '+')
                ++body; // from_chars takes no plus sign
            double value = 0.0;
            const auto [end, ec] = std::from_chars(text.data() + body, text.data() + i, value);
            if (ec != std::errc() || end != text.data() + i || !std::isfinite(value)) {
                list.error = N(TINTORA_TR_NOOP("ColorNotation", "the number %1 is beyond range"),
                               {Plain(Quoted(text.substr(start, i - start)))});
                break;
            }
            if (i < text.size() && text[i] == '%') {
                ++i;
                push(Token{Token::Kind::Percentage, value, {}});
            } else if (StartsIdent(text, i)) {
                const std::size_t unit = i;
                while (i < text.size() && IsNameChar(text[i]))
                    ++i;
                push(Token{Token::Kind::Dimension, value, text.substr(unit, i - unit)});
            } else {
                push(Token{Token::Kind::Number, value, {}});
            }
        } else if (StartsIdent(text, i)) {
            const std::size_t start = i;
            while (i < text.size() && IsNameChar(text[i]))
                ++i;
            if (i < text.size() && text[i] == '(') {
                list.error = N(TINTORA_TR_NOOP("ColorNotation", "nested functions such as %1) are not read"),
                               {Plain(Quoted(text.substr(start, i - start + 1)))});
                break;
            }
            push(Token{Token::Kind::Ident, 0.0, text.substr(start, i - start)});
        } else if (c == '(' || c == ')') {
            list.error = N(TINTORA_TR_NOOP("ColorNotation", "unbalanced parentheses"));
        } else {
            list.error =
                N(TINTORA_TR_NOOP("ColorNotation", "%1 is not part of a colour function"), {Shown(c)});
        }
    }
    return list;
}
} // namespace tintora::notation
