// SPDX-License-Identifier: MIT
#pragma once

#include "shell/rtf/rtf_group_state.h"
#include "shell/rtf/rtf_text_decoder.h"

#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class QTextCharFormat;

namespace tintora {

// The font and colour tables of an RTF document, filled while the reader is
// inside \fonttbl and \colortbl, and the character formats made from them.
// Both tables are bounded: fonts past MaxFonts and colours past MaxColors
// are dropped, and text in those fonts or colours shows in the default.
class RtfStyleTables
{
public:
    static constexpr int MaxFonts = 1024;
    static constexpr int MaxColors = 1024;
    static constexpr int MaxFontNameLength = 256;

    struct Font {
        QString family;
        // The family the text is shown in: `family`, or when that is not
        // installed, its first installed substitute (QFont::substitutes),
        // the one Qt would pick. Named directly, it spares Qt's search for
        // the missing family each time a size or style of it is first used.
        QString shownFamily;
        int charset = 0;
        int codePage = 0; // 0: the document's code page
        RtfTextDecoder::SymbolSet symbols = RtfTextDecoder::SymbolSet::None;
        bool fixedPitch = false;
    };

    // Font table: \fN starts an entry, \fcharsetN, \cpgN and \fmodern
    // describe it, its text up to ';' is the family name.
    void BeginFont(int index);
    void SetFontCharset(int charset);
    void SetFontCodePage(int codePage);
    void SetFontFixedPitch();
    void FontTableText(const QString& text);
    void EndFont();
    // The code page of the bytes of the name being read.
    int FontTableCodePage(int documentCodePage) const;

    const Font* FontAt(int index) const;

    // Colour table: \redN \greenN \blueN set the entry that ';' ends; an
    // entry without components is the automatic colour.
    void BeginColorTable();
    enum class Channel { Red, Green, Blue };
    void SetColorComponent(Channel channel, int value);
    void ColorTableText(QByteArrayView bytes);

    // An invalid colour for the automatic colour and unknown indexes.
    QColor ColorAt(int index) const;

    // The format of text with `props`; a font index of -1 means
    // `defaultFont`. A non-empty `href` makes the text a link.
    QTextCharFormat CharFormat(const RtfCharProps& props, int defaultFont, const QString& href) const;

private:
    QString ShownFamily(const QString& family);

    QHash<int, Font> fonts_;
    // The installed families, read once, when a name with substitutes is
    // first met.
    QStringList installedFamilies_;
    bool installedRead_ = false;
    int fontEntry_ = -1;
    QString fontName_;
    std::vector<QColor> colors_;
    QColor nextColor_{0, 0, 0};
    bool colorSet_ = false;
};

} // namespace tintora
