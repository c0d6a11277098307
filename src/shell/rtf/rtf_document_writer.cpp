#include "shell/rtf/rtf_document_writer.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace tintora {

RtfDocumentWriter::RtfDocumentWriter(QTextDocument& doc) : cursor_(&doc)
{
    // One edit block for the whole document: the document and any view of
    // it hear of the change once, at the end, instead of after every run.
    cursor_.beginEditBlock();
}

RtfDocumentWriter::~RtfDocumentWriter()
{
    cursor_.endEditBlock();
}

void RtfDocumentWriter::InsertText(const QString& text, const QTextCharFormat& format, bool inTable,
                                   int columns)
{
    if (text.isEmpty()) {
        return;
    }
    SyncTable(inTable, columns);
    cursor_.insertText(text, format);
    trailingBreak_ = false;
}

void RtfDocumentWriter::EndParagraph(const QTextBlockFormat& format, bool inTable, int columns)
{
    SyncTable(inTable, columns);
    cursor_.setBlockFormat(format);
    cursor_.insertBlock(format);
    trailingBreak_ = table_ == nullptr;
}

void RtfDocumentWriter::EndCell(const QTextBlockFormat& format, int columns)
{
    SyncTable(true, columns);
    cursor_.setBlockFormat(format);
    ++column_;
    cellEnded_ = true;
    trailingBreak_ = false;
}

void RtfDocumentWriter::EndRow()
{
    if (table_ != nullptr) {
        rowEnded_ = true;
        cellEnded_ = false;
    }
}

void RtfDocumentWriter::Finish(const QTextBlockFormat& format)
{
    if (table_ != nullptr) {
        return;
    }
    if (trailingBreak_ && cursor_.block().length() == 1) {
        // Joining the empty last paragraph into the previous one keeps the
        // previous paragraph's format, which is the one it was given.
        cursor_.deletePreviousChar();
        return;
    }
    cursor_.setBlockFormat(format);
}

void RtfDocumentWriter::SyncTable(bool inTable, int columns)
{
    if (!inTable) {
        if (table_ != nullptr) {
            cursor_.movePosition(QTextCursor::End);
            table_ = nullptr;
        }
        return;
    }
    if (table_ == nullptr) {
        StartTable(columns);
        return;
    }
    if (rowEnded_) {
        table_->appendRows(1);
        ++row_;
        column_ = 0;
        rowEnded_ = false;
        cellEnded_ = false;
        MoveToCell();
        return;
    }
    if (cellEnded_) {
        cellEnded_ = false;
        if (column_ >= table_->columns()) {
            if (table_->columns() < MaxColumns) {
                table_->appendColumns(1);
            } else {
                column_ = table_->columns() - 1;
                MoveToCell();
                cursor_.insertText(QStringLiteral("\t"));
                return;
            }
        }
        MoveToCell();
    }
}

void RtfDocumentWriter::StartTable(int columns)
{
    // QTextDocument always keeps a paragraph before a table. When the
    // current paragraph is an empty one that only a paragraph break opened,
    // fold it away so the table follows the text directly.
    const QTextBlock block = cursor_.block();
    if (block.length() == 1 && block.previous().isValid()) {
        QTextCursor previous(block.previous());
        if (previous.currentTable() == nullptr) {
            cursor_.deletePreviousChar();
        }
    }
    const int count = std::clamp(columns, 1, MaxColumns);
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    table_ = cursor_.insertTable(1, count, format);
    row_ = 0;
    column_ = 0;
    rowEnded_ = false;
    cellEnded_ = false;
    trailingBreak_ = false;
}

void RtfDocumentWriter::MoveToCell()
{
    cursor_ = table_->cellAt(row_, column_).lastCursorPosition();
}

} // namespace tintora
