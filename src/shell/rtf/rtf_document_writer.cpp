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
    trailingBreak_ = mode_ == TableMode::None;
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
    if (mode_ != TableMode::None) {
        rowEnded_ = true;
        cellEnded_ = false;
    }
}

void RtfDocumentWriter::Finish(const QTextBlockFormat& format)
{
    if (mode_ == TableMode::Grid) {
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
        LeaveTable();
    } else if (mode_ == TableMode::None) {
        StartTable(columns);
    } else if (rowEnded_) {
        NextRow(columns);
    } else if (cellEnded_) {
        NextCell();
    }
}

void RtfDocumentWriter::StartTable(int columns)
{
    rowEnded_ = false;
    cellEnded_ = false;
    trailingBreak_ = false;
    row_ = 0;
    column_ = 0;
    if (tableCount_ >= MaxTables) {
        mode_ = TableMode::Text;
        if (cursor_.block().length() > 1) {
            cursor_.insertBlock();
        }
        return;
    }
    ++tableCount_;
    mode_ = TableMode::Grid;
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
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    table_ = cursor_.insertTable(1, std::clamp(columns, 1, MaxColumns), format);
}

void RtfDocumentWriter::LeaveTable()
{
    if (mode_ == TableMode::Grid) {
        cursor_.movePosition(QTextCursor::End);
    } else if (mode_ == TableMode::Text && rowEnded_) {
        cursor_.insertBlock();
    }
    mode_ = TableMode::None;
    table_ = nullptr;
    rowEnded_ = false;
    cellEnded_ = false;
}

void RtfDocumentWriter::NextRow(int columns)
{
    rowEnded_ = false;
    cellEnded_ = false;
    column_ = 0;
    if (mode_ == TableMode::Text) {
        cursor_.insertBlock();
        return;
    }
    if (table_->rows() >= MaxTableRows) {
        LeaveTable();
        StartTable(columns);
        return;
    }
    table_->appendRows(1);
    ++row_;
    MoveToCell();
}

void RtfDocumentWriter::NextCell()
{
    cellEnded_ = false;
    if (mode_ == TableMode::Text) {
        cursor_.insertText(QStringLiteral("\t"));
        return;
    }
    if (column_ < table_->columns()) {
        MoveToCell();
        return;
    }
    if (table_->columns() < MaxColumns) {
        table_->appendColumns(1);
        MoveToCell();
        return;
    }
    // No column left: the cell joins the last one, after a tab.
    column_ = table_->columns() - 1;
    MoveToCell();
    cursor_.insertText(QStringLiteral("\t"));
}

void RtfDocumentWriter::MoveToCell()
{
    cursor_ = table_->cellAt(row_, column_).lastCursorPosition();
}

} // namespace tintora
