// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QString>

#include <optional>

namespace tintora {

// Where a typed or pasted colour comes from. Each code field reads what its
// caption promises first: the HTML field takes all-digit text as hex, the
// others as the decimal value.
enum class EntrySource { RgbCode, DecimalCode, HtmlCode, VbHexCode, Clipboard };

// What a piece of typed or pasted text gives: a colour, or a short reason
// naming what the field expects. A note tells how ambiguous text was read.
struct EntryReading {
    std::optional<Rgb> color;
    QString reason; // set exactly when color is not
    QString note;   // for example how six digits were read
};

// Reads text typed into a code field or pasted outside the fields. Any
// notation the parser knows is taken in any field; only all-digit text
// depends on the field (see EntrySource).
EntryReading ReadColorEntry(EntrySource source, const QString& text);

// The note for all-digit text that could also be a hex colour (six digits):
// "Read as the decimal value 336699; for the hex colour, type #336699".
// Empty for any other text.
QString DecimalReadingNote(const QString& text);

// A channel typed into the R, G or B field: a whole number 0..255.
std::optional<int> ChannelEntry(const QString& text);
// Digits only, blanks around them aside.
bool IsWholeNumber(const QString& text);

} // namespace tintora
