// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_tokenizer.h"
#include "core/numeric.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tintora {

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool RtfTokenizer::Next(RtfToken& token)
{
    const qsizetype size = data_.size();
    while (pos_ < size) {
        const char c = data_[pos_];
        if (c == '{' || c == '}') {
            token = RtfToken{};
            token.kind = c == '{' ? RtfToken::Kind::GroupOpen : RtfToken::Kind::GroupClose;
            ++pos_;
            return true;
        }
        if (c == '\\') {
            ReadControl(token);
            return true;
        }
        if (c == '\r' || c == '\n' || c == '\0') {
            ++pos_;
            continue;
        }
        const qsizetype start = pos_;
        while (pos_ < size) {
            const char t = data_[pos_];
            if (t == '{' || t == '}' || t == '\\' || t == '\r' || t == '\n' || t == '\0')
                break;
            ++pos_;
        }
        token = RtfToken{};
        token.kind = RtfToken::Kind::Text;
        token.text = data_.sliced(start, pos_ - start);
        return true;
    }
    return false;
}

void RtfTokenizer::ReadControl(RtfToken& token)
{
    token = RtfToken{};
    ++pos_; // the backslash
    if (pos_ >= data_.size()) {
        // A lone backslash at the very end: report it as a literal.
        token.kind = RtfToken::Kind::ControlSymbol;
        token.symbol = '\\';
        return;
    }
    const char c = data_[pos_];
    if (IsLetter(c)) {
        ReadWord(token);
        return;
    }
    ++pos_;
    if (c == '\'') {
        token.kind = RtfToken::Kind::HexByte;
        int value = 0;
        for (int i = 0; i < 2 && pos_ < data_.size(); ++i) {
            const int digit = HexDigitValue(data_[pos_]);
            if (digit < 0)
                break;
            value = value * 16 + digit;
            ++pos_;
        }
        token.symbol = static_cast<char>(value);
        return;
    }
    token.kind = RtfToken::Kind::ControlSymbol;
    token.symbol = (c == '\r' || c == '\n') ? '\n' : c;
}

void RtfTokenizer::ReadWord(RtfToken& token)
{
    const qsizetype size = data_.size();
    const qsizetype start = pos_;
    while (pos_ < size && IsLetter(data_[pos_]))
        ++pos_;
    token.kind = RtfToken::Kind::ControlWord;
    token.text = data_.sliced(start, std::min<qsizetype>(pos_ - start, MaxWordLength));

    bool negative = false;
    if (pos_ + 1 < size && data_[pos_] == '-' && IsDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < size && IsDigit(data_[pos_])) {
        constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
        std::int64_t value = 0;
        while (pos_ < size && IsDigit(data_[pos_])) {
            value = std::min<std::int64_t>(value * 10 + (data_[pos_] - '0'), limit);
            ++pos_;
        }
        value = negative ? -value : std::min<std::int64_t>(value, limit - 1);
        token.param = static_cast<int>(value);
        token.hasParam = true;
    }
    // A single space delimits the word and belongs to it.
    if (pos_ < size && data_[pos_] == ' ')
        ++pos_;
    if (token.text == QByteArrayView("bin") && token.hasParam) {
        const qsizetype length = std::min<qsizetype>(std::max(token.param, 0), size - pos_);
        token.kind = RtfToken::Kind::Binary;
        token.text = data_.sliced(pos_, length);
        pos_ += length;
    }
}

} // namespace tintora
