// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintora {
namespace {

// Renders the tokens of `input` as a compact string, one token per item:
// { } \name \nameN \'hh \sym "text" [bin:n]
std::string Tokens(const QByteArray& input)
{
    RtfTokenizer tokenizer(input);
    RtfToken t;
    std::string out;
    while (tokenizer.Next(t)) {
        if (!out.empty())
            out += ' ';
        switch (t.kind) {
        case RtfToken::Kind::GroupOpen:
            out += '{';
            break;
        case RtfToken::Kind::GroupClose:
            out += '}';
            break;
        case RtfToken::Kind::ControlWord:
            out += '\\' + t.text.toByteArray().toStdString();
            if (t.hasParam)
                out += std::to_string(t.param);
            break;
        case RtfToken::Kind::ControlSymbol:
            out += t.symbol == '\n' ? std::string("\\<nl>") : std::string("\\") + t.symbol;
            break;
        case RtfToken::Kind::HexByte:
            out += "\\'" + QByteArray(1, t.symbol).toHex().toStdString();
            break;
        case RtfToken::Kind::Text:
            out += '"' + t.text.toByteArray().toStdString() + '"';
            break;
        case RtfToken::Kind::Binary:
            out += "[bin:" + t.text.toByteArray().toStdString() + "]";
            break;
        }
    }
    return out;
}

TEST(RtfTokenizer, SplitsInputIntoTokens)
{
    struct Case {
        const char* name;
        QByteArray input;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"group and words", R"({\rtf1\ansi Hi})", R"({ \rtf1 \ansi "Hi" })"},
        {"one delimiting space is eaten", R"(\b  x)", R"(\b " x")"},
        {"negative parameter", R"(\fi-360 x)", R"(\fi-360 "x")"},
        {"minus without digit is text", R"(\a-b)", R"(\a "-b")"},
        {"bare line breaks are dropped", "a\r\nb\nc", R"("a" "b" "c")"},
        {"backslash CR and LF mean a paragraph", "a\\\nb\\\r\nc", R"("a" \<nl> "b" \<nl> "c")"},
        {"escaped specials", R"(\\\{\}\~\*)", R"(\\ \{ \} \~ \*)"},
        {"hex escape", R"(\'e9\'B7)", R"(\'e9 \'b7)"},
        {"hex escape with one digit", R"(\'4x)", R"(\'04 "x")"},
        {"hex escape with no digit", R"(\'zz)", R"(\'00 "zz")"},
        {"parameter clamped high", R"(\fs99999999999999 x)", R"(\fs2147483647 "x")"},
        {"parameter clamped low", R"(\li-99999999999 x)", R"(\li-2147483648 "x")"},
        {"long word truncated", "\\" + QByteArray(40, 'a') + " x", "\\" + std::string(32, 'a') + R"( "x")"},
        {"bin takes raw bytes", R"(\bin4 {}\\x)", R"([bin:{}\\] "x")"},
        {"bin longer than the input", R"(\bin99 ab)", R"([bin:ab])"},
        {"negative bin is empty", R"(\bin-5 ab)", R"([bin:] "ab")"},
        {"backslash at the end", "a\\", R"("a" \\)"},
        {"NUL bytes dropped", QByteArray("a\0b", 3), R"("a" "b")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tokens(c.input), c.expected) << c.name;
}

} // namespace
} // namespace tintora
