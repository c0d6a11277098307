// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_tables.h"

#include "shell/rtf/rtf_document_writer.h"

namespace tintora {

RtfTables::RtfTables(RtfDocumentWriter& writer) : writer_(writer)
{
    writer_.SetRowDefinition(&rows_.Row());
}

bool RtfTables::DefinitionKeyword(RtfKeyword keyword, bool hasParam, int param, const RtfStyleTables& tables)
{
    return rows_.Keyword(keyword, hasParam, param, tables);
}

void RtfTables::InsertText(const QString& text, const QTextCharFormat& format, bool inTable)
{
    writer_.InsertText(text, format, inTable, rows_.Cells());
}

void RtfTables::InsertImage(const QImage& image, QSizeF size, const QTextCharFormat& format, bool inTable)
{
    writer_.InsertImage(image, size, format, inTable, rows_.Cells());
}

void RtfTables::EndParagraph(const QTextBlockFormat& format, bool inTable)
{
    writer_.EndParagraph(format, inTable, rows_.Cells());
}

void RtfTables::EndCell(const QTextBlockFormat& format)
{
    writer_.EndCell(format, rows_.Cells());
}

void RtfTables::EndRow()
{
    writer_.EndRow();
}

} // namespace tintora
