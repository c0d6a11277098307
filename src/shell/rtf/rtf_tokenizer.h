// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tintora {

// One lexical unit of RTF.
struct RtfToken {
    enum class Kind {
        GroupOpen,     // {
        GroupClose,    // }
        ControlWord,   // \word or \wordN; name in `text`
        ControlSymbol, // \x for a non-letter x; the character in `symbol`
        HexByte,       // \'hh; the byte in `symbol`
        Text,          // a run of literal bytes, without CR and LF
        Binary,        // the data of \binN; bytes in `text`
    };
    Kind kind = Kind::Text;
    QByteArrayView text; // ControlWord: the name (at most RtfTokenizer::MaxWordLength letters);
                         // Text, Binary: the bytes
    int param = 0;       // ControlWord: the parameter, clamped to the 32-bit range
    bool hasParam = false;
    char symbol = 0;
};

// Splits RTF bytes into tokens in one forward pass, so the cost is linear in
// the input. It never fails: malformed escapes become the nearest sensible
// token and every call consumes at least one byte until the end.
//
//  - A backslash followed by CR or LF is reported as the control symbol '\n'
//    (writers use it for a paragraph break). Bare CR and LF are dropped.
//  - Control words keep at most MaxWordLength letters; longer names are
//    consumed whole but truncated, so they never match a known word.
//  - Parameters keep all their digits in the input but their value is
//    clamped to [INT32_MIN, INT32_MAX].
//  - \binN takes the next N bytes as one Binary token, never more than the
//    bytes left; a negative N counts as 0.
//  - \'h with a missing or bad digit yields the digits that were valid.
//  - NUL bytes in text are dropped.
class RtfTokenizer
{
public:
    static constexpr int MaxWordLength = 32;

    explicit RtfTokenizer(QByteArrayView data) : data_(data) {}

    // Reads the next token; false at the end of the input.
    bool Next(RtfToken& token);

    qsizetype Position() const { return pos_; }

private:
    void ReadControl(RtfToken& token);
    void ReadWord(RtfToken& token);

    QByteArrayView data_;
    qsizetype pos_ = 0;
};

} // namespace tintora
