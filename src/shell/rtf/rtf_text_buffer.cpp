// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_text_buffer.h"

namespace tintora {

namespace {

constexpr char16_t ReplacementChar = 0xFFFD;

} // namespace

void RtfTextBuffer::AppendBytes(QByteArrayView bytes, int codePage, RtfTextDecoder::SymbolSet symbols)
{
    ResolveSurrogate();
    if (symbols != RtfTextDecoder::SymbolSet::None) {
        FlushBytes();
        for (const char c : bytes)
            text_ += QChar(RtfTextDecoder::SymbolChar(static_cast<unsigned char>(c), symbols));
        return;
    }
    if (codePage != codePage_) {
        FlushBytes();
        codePage_ = codePage;
    }
    bytes_.append(bytes);
}

void RtfTextBuffer::AppendChar(char16_t ch)
{
    FlushBytes();
    if (QChar::isLowSurrogate(ch)) {
        if (highSurrogate_ != 0) {
            text_ += QChar(highSurrogate_);
            text_ += QChar(ch);
            highSurrogate_ = 0;
        } else {
            text_ += QChar(ReplacementChar);
        }
        return;
    }
    ResolveSurrogate();
    if (QChar::isHighSurrogate(ch)) {
        highSurrogate_ = ch;
        return;
    }
    text_ += QChar(ch);
}

void RtfTextBuffer::EndOfInput()
{
    FlushBytes();
    ResolveSurrogate();
}

QString RtfTextBuffer::Take()
{
    FlushBytes();
    QString out = std::move(text_);
    text_.clear();
    return out;
}

void RtfTextBuffer::FlushBytes()
{
    if (!bytes_.isEmpty()) {
        text_ += decoder_.Decode(bytes_, codePage_);
        bytes_.clear();
    }
}

void RtfTextBuffer::ResolveSurrogate()
{
    if (highSurrogate_ != 0) {
        text_ += QChar(ReplacementChar);
        highSurrogate_ = 0;
    }
}

} // namespace tintora
