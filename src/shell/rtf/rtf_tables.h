// SPDX-License-Identifier: MIT
#pragma once

#include "shell/rtf/rtf_keywords.h"
#include "shell/rtf/rtf_table_props.h"

#include <QSizeF>

class QImage;
class QString;
class QTextBlockFormat;
class QTextCharFormat;

namespace tintora {

class RtfDocumentWriter;
class RtfStyleTables;

// The tables of the body. Reads the definition of each row (\trowd ...
// \cellxN) and hands the writer every piece of text, picture and
// paragraph with the row it belongs to; \cell and \row end cells and rows.
// Paragraphs not marked \intbl leave the table.
class RtfTables
{
public:
    explicit RtfTables(RtfDocumentWriter& writer);
    RtfTables(const RtfTables&) = delete;
    RtfTables& operator=(const RtfTables&) = delete;

    // A word of a row's definition (\trowd, \cellxN, borders, \clcbpatN,
    // merges); false, changing nothing, for any other word. Colours are
    // looked up in `tables`.
    bool DefinitionKeyword(RtfKeyword keyword, bool hasParam, int param, const RtfStyleTables& tables);

    void InsertText(const QString& text, const QTextCharFormat& format, bool inTable);
    void InsertImage(const QImage& image, QSizeF size, const QTextCharFormat& format, bool inTable);
    void EndParagraph(const QTextBlockFormat& format, bool inTable);
    void EndCell(const QTextBlockFormat& format);
    void EndRow();

private:
    RtfDocumentWriter& writer_;
    RtfRowReader rows_; // the row being defined or read
};

} // namespace tintora
