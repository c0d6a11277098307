// SPDX-License-Identifier: MIT
#include "mainwin/color_entry.h"

#include "core/color_notation.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace tintora {

namespace {

bool AllDigits(const QString& t)
{
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The reason a field gives for text that is no colour: what it expects,
// short enough for the band's message line.
QString Refusal(EntrySource source)
{
    switch (source) {
    case EntrySource::RgbCode:
        return QCoreApplication::translate("ColorEntry",
                                           "Not an RGB colour code (RGB(r, g, b), 0 to 255 each)");
    case EntrySource::DecimalCode:
        return QCoreApplication::translate("ColorEntry", "Not a decimal colour value (0 to 16777215)");
    case EntrySource::HtmlCode:
        return QCoreApplication::translate("ColorEntry", "Not an HTML colour code (#RRGGBB or #RGB)");
    case EntrySource::VbHexCode:
        return QCoreApplication::translate("ColorEntry", "Not a VB hex colour code (&HBBGGRR&)");
    case EntrySource::Clipboard:
        return QCoreApplication::translate("ColorEntry", "The clipboard holds no colour");
    }
    return {};
}

} // namespace

QString DecimalReadingNote(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() != 6 || !AllDigits(t))
        return {};
    return QCoreApplication::translate("ColorEntry",
                                       "Read as the decimal value %1; for the hex colour, type #%1")
        .arg(t);
}

EntryReading ReadColorEntry(EntrySource source, const QString& text)
{
    EntryReading reading;
    const QString t = text.trimmed();
    QString parsed = text;
    if (source == EntrySource::HtmlCode && AllDigits(t)) {
        // Digits where an HTML code belongs are its hex digits.
        if (t.size() != 6 && t.size() != 3) {
            reading.reason = Refusal(source);
            return reading;
        }
        parsed = QLatin1Char('#') + t;
    }
    // The parser bounds its own work, but a pasted megabyte need not be
    // converted to UTF-8 first to be refused.
    if (parsed.size() > static_cast<qsizetype>(MaxNotationLength) * 2) {
        reading.reason = Refusal(source);
        return reading;
    }
    const NotationParse result = ParseColorNotation(parsed.toStdString());
    if (!result.color) {
        reading.reason = Refusal(source);
        return reading;
    }
    reading.color = result.color;
    // What the colour gave up to become Tintora's opaque sRGB colour, and
    // how ambiguous digits were read.
    QStringList notes;
    if (result.alpha < 1.0)
        notes << QCoreApplication::translate("ColorEntry", "Alpha %1 % not kept")
                     .arg(AlphaPercent(result.alpha));
    if (result.gamutMapped)
        notes << QCoreApplication::translate("ColorEntry", "Outside sRGB: mapped");
    if (source != EntrySource::HtmlCode)
        notes << DecimalReadingNote(t);
    notes.removeAll(QString());
    reading.note = notes.join(QStringLiteral("; "));
    return reading;
}

bool IsWholeNumber(const QString& text)
{
    return AllDigits(text.trimmed());
}

std::optional<int> ChannelEntry(const QString& text)
{
    const QString t = text.trimmed();
    if (!AllDigits(t) || t.size() > 3)
        return std::nullopt;
    const int v = t.toInt();
    if (v > 255)
        return std::nullopt;
    return v;
}

} // namespace tintora
