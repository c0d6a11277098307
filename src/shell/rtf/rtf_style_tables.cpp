// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_style_tables.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextCharFormat>

#include <algorithm>

namespace tintora {

void RtfStyleTables::BeginFont(int index)
{
    EndFont();
    if (index < 0)
        return;
    if (fonts_.size() < MaxFonts || fonts_.contains(index)) {
        fonts_[index] = Font{};
        fontEntry_ = index;
    }
}

void RtfStyleTables::SetFontCharset(int charset)
{
    if (fonts_.contains(fontEntry_)) {
        Font& font = fonts_[fontEntry_];
        font.charset = charset;
        font.codePage = RtfTextDecoder::CodePageForCharset(charset);
    }
}

void RtfStyleTables::SetFontCodePage(int codePage)
{
    if (fonts_.contains(fontEntry_) && codePage > 0)
        fonts_[fontEntry_].codePage = codePage;
}

void RtfStyleTables::SetFontFixedPitch()
{
    if (fonts_.contains(fontEntry_))
        fonts_[fontEntry_].fixedPitch = true;
}

void RtfStyleTables::FontTableText(const QString& text)
{
    for (const QChar c : text)
        if (c == u';')
            EndFont();
        else if (fontName_.size() < MaxFontNameLength)
            fontName_ += c;
}

void RtfStyleTables::EndFont()
{
    if (fonts_.contains(fontEntry_)) {
        Font& font = fonts_[fontEntry_];
        font.family = fontName_.trimmed();
        font.shownFamily = ShownFamily(font.family);
        font.symbols = RtfTextDecoder::SymbolSetFor(font.charset, font.family);
    }
    fontEntry_ = -1;
    fontName_.clear();
}

QString RtfStyleTables::ShownFamily(const QString& family)
{
    const QStringList substitutes = family.isEmpty() ? QStringList() : QFont::substitutes(family);
    // The font database needs the GUI application; without one, or without
    // substitutes, the name is left to Qt.
    if (substitutes.isEmpty() || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return family;
    if (!installedRead_) {
        installedFamilies_ = QFontDatabase::families();
        installedRead_ = true;
    }
    // Qt keeps substitutes in lower case: the name is given as installed.
    auto installed = [this](const QString& name) {
        const auto it =
            std::find_if(installedFamilies_.cbegin(), installedFamilies_.cend(),
                         [&name](const QString& f) { return f.compare(name, Qt::CaseInsensitive) == 0; });
        return it == installedFamilies_.cend() ? QString() : *it;
    };
    if (!installed(family).isEmpty())
        return family;
    for (const QString& substitute : substitutes)
        if (QString name = installed(substitute); !name.isEmpty())
            return name;
    return family;
}

int RtfStyleTables::FontTableCodePage(int documentCodePage) const
{
    const auto it = fonts_.constFind(fontEntry_);
    return it != fonts_.cend() && it->codePage > 0 ? it->codePage : documentCodePage;
}

const RtfStyleTables::Font* RtfStyleTables::FontAt(int index) const
{
    const auto it = fonts_.constFind(index);
    return it != fonts_.cend() ? &*it : nullptr;
}

void RtfStyleTables::BeginColorTable()
{
    nextColor_ = QColor(0, 0, 0);
    colorSet_ = false;
}

void RtfStyleTables::SetColorComponent(Channel channel, int value)
{
    const int v = std::clamp(value, 0, 255);
    switch (channel) {
    case Channel::Red:
        nextColor_.setRed(v);
        break;
    case Channel::Green:
        nextColor_.setGreen(v);
        break;
    case Channel::Blue:
        nextColor_.setBlue(v);
        break;
    }
    colorSet_ = true;
}

void RtfStyleTables::ColorTableText(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (c != ';')
            continue;
        if (static_cast<int>(colors_.size()) < MaxColors)
            colors_.push_back(colorSet_ ? nextColor_ : QColor());
        BeginColorTable();
    }
}

QColor RtfStyleTables::ColorAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(colors_.size()))
        return {};
    return colors_[static_cast<std::size_t>(index)];
}

QTextCharFormat RtfStyleTables::CharFormat(const RtfCharProps& props, int defaultFont,
                                           const QString& href) const
{
    QTextCharFormat format;
    const Font* font = FontAt(props.font >= 0 ? props.font : defaultFont);
    // Symbol fonts are mapped to Unicode characters as they are read, so
    // their text shows in the surrounding font instead.
    if (font != nullptr && !font->family.isEmpty() && font->symbols == RtfTextDecoder::SymbolSet::None) {
        format.setFontFamilies({font->shownFamily});
        if (font->fixedPitch) {
            format.setFontStyleHint(QFont::TypeWriter);
            format.setFontFixedPitch(true);
        }
    }
    format.setFontPointSize(props.halfPoints / 2.0);
    if (props.bold)
        format.setFontWeight(QFont::Bold);
    if (props.italic)
        format.setFontItalic(true);
    if (props.underline != RtfCharProps::Underline::None) {
        // Qt draws no double underline; a single one keeps the emphasis.
        format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    }
    if (props.strike)
        format.setFontStrikeOut(true);
    // Capitals take precedence when both are set.
    if (props.caps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (props.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (props.script == RtfCharProps::Script::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (props.script == RtfCharProps::Script::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    // Entry 0 is the automatic colour whatever the table says: some writers
    // store it as an explicit black, which would paint black on black as a
    // background.
    if (const QColor color = ColorAt(props.foreground); props.foreground > 0 && color.isValid())
        format.setForeground(color);
    if (const QColor color = ColorAt(props.background); props.background > 0 && color.isValid())
        format.setBackground(color);
    if (!href.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(href);
    }
    return format;
}

} // namespace tintora
