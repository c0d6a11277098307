// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

#include <map>
#include <memory>

class QStringDecoder;

namespace tintora {

// Turns the 8-bit text of an RTF file into Unicode.
//
// Text bytes are read through a Windows code page: the document's \ansicpgN
// or the code page of the current font's \fcharsetN. Code page 1252 is
// built in; other pages go through Qt's converters and fall back to 1252
// when Qt does not know the page. Symbol fonts (Symbol, Wingdings) have no
// code page: their bytes are glyph numbers, mapped here to the Unicode
// characters they show, so that a Symbol bullet \'B7 reads as U+2022.
class RtfTextDecoder
{
public:
    enum class SymbolSet { None, Symbol, Wingdings };

    static constexpr int DefaultCodePage = 1252;

    RtfTextDecoder();
    ~RtfTextDecoder();
    RtfTextDecoder(const RtfTextDecoder&) = delete;
    RtfTextDecoder& operator=(const RtfTextDecoder&) = delete;

    // Decodes bytes that belong together (consecutive text and \'hh bytes).
    QString Decode(QByteArrayView bytes, int codePage);

    // The code page of an RTF \fcharsetN; 0 when the charset means "the
    // document's code page" (ANSI, default) or is not known.
    static int CodePageForCharset(int charset);

    // Which symbol set a font uses, from its charset and family name.
    static SymbolSet SymbolSetFor(int charset, const QString& familyName);

    // The character a symbol font shows for a glyph byte. Word also writes
    // such glyphs as \uN in the private range U+F020..U+F0FF; pass the low
    // byte of those. Bytes without a known mapping keep their Latin-1 value.
    static char16_t SymbolChar(unsigned char byte, SymbolSet set);

private:
    QStringDecoder* DecoderFor(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> decoders_;
};

} // namespace tintora
