// SPDX-License-Identifier: MIT
#pragma once

#include "shell/rtf/rtf_text_decoder.h"

#include <QByteArray>
#include <QString>

namespace tintora {

// Collects the text of one run in reading order. Consecutive bytes of one
// code page are decoded together, so a double-byte character written as
// two \'hh escapes stays whole, and a \uN high surrogate followed by a \uN
// low surrogate becomes one character, even when a formatting word or a
// group boundary comes between them (writers change \ucN between the two
// halves). A surrogate without its partner becomes U+FFFD.
class RtfTextBuffer
{
public:
    // Bytes in `codePage`, or glyph numbers of a symbol font when `symbols`
    // is not None.
    void AppendBytes(QByteArrayView bytes, int codePage, RtfTextDecoder::SymbolSet symbols);
    void AppendChar(char16_t ch);

    // Everything collected so far; empties the buffer. A high surrogate at
    // the very end stays pending for the next character.
    QString Take();
    // A pending high surrogate becomes U+FFFD: the end of the input.
    void EndOfInput();

private:
    void FlushBytes();
    void ResolveSurrogate();

    RtfTextDecoder decoder_;
    QByteArray bytes_;
    int codePage_ = RtfTextDecoder::DefaultCodePage;
    QString text_;
    char16_t highSurrogate_ = 0;
};

} // namespace tintora
