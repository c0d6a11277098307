// SPDX-License-Identifier: MIT
// What the files of the notation reader share: the reasons it gives, the
// character tests it makes, the CSS tokenizer and the readers of each family
// of notations. Only the reader's own files include this; its API is
// core/color_notation.h.
#pragma once

#include "core/color_notation.h"
#include "core/color_types.h"
#include "core/message.h"
#include "core/translatable.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tintora::notation {

// ---- Results and reasons ----------------------------------------------------

// Messages of the parser, in the translation context "ColorNotation".
Message N(const char* text, std::initializer_list<Message> args = {});

inline constexpr const char* JoinedText = TINTORA_TR_NOOP("ColorNotation", "%1; %2");

// What is wrong, then what was expected.
Message Joined(Message reason, Message form);
Message ExpectedAny();

NotationParse Fail(Message message);
NotationParse Fail(Message reason, Message form);
NotationParse Ok(Rgb rgb, double alpha = 1.0, bool mapped = false, NotationForm form = NotationForm::Css);
// A colour read as a programmers' notation; a failure stays as it is.
NotationParse AsCode(NotationParse parse);

// A character for a message: printable ASCII as itself, anything else as
// its byte value, so a message never carries raw bytes of the input.
Message Shown(char c);
Message NotHexDigit(char c);
// Up to 40 characters of the input for a message, printable ASCII only.
std::string Quoted(std::string_view text);
std::string Number(double v);
int RoundHalfUp(double v);

// ---- Characters ---------------------------------------------------------------

inline bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lower);
bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix);
std::string_view Trim(std::string_view text);

// ---- CSS tokens (color_notation_tokens.cpp) -----------------------------------

// One token of a function's arguments, as the CSS tokenizer makes them.
struct Token {
    enum class Kind { Number, Percentage, Dimension, Ident, Comma, Slash };
    Kind kind = Kind::Number;
    double value = 0.0;
    std::string_view text; // the ident, or the dimension's unit
};

inline constexpr std::size_t MaxTokens = 12;

struct TokenList {
    std::array<Token, MaxTokens> items{};
    std::size_t size = 0;
    Message error; // set when the text is no list of plain tokens
};

// Splits a function's arguments into tokens. Whitespace only separates;
// comments are already gone.
TokenList Tokenize(std::string_view text);

// ---- Readers of each family -------------------------------------------------

// The whole text, quotes and calls included (color_notation.cpp). `depth`
// counts the quotes already taken off.
NotationParse ParseText(std::string_view text, int depth, bool hadComment = false);

// CSS (color_notation_css.cpp): a colour function by its name and the text
// between its parentheses, and a colour name.
NotationParse ParseCssFunction(std::string_view name, std::string_view args);
NotationParse ParseName(std::string_view text);

// Programmers' notations (color_notation_code.cpp). Each takes the text
// after its prefix ("#", "0x", "$"), the &H constant and a decimal value
// whole, and a call the text between its parentheses.
bool AllHex(std::string_view digits);
NotationParse ParseHashHex(std::string_view digits);
NotationParse ParseHexLiteral(std::string_view digits);
NotationParse ParseDelphi(std::string_view digits);
NotationParse ParseBasicHex(std::string_view text);
NotationParse ParseDecimal(std::string_view text);
NotationParse ParseQColor(std::string_view args);
NotationParse ParseFromArgb(std::string_view args);

} // namespace tintora::notation
