#include "shell/rtf/rtf_document_writer.h"

#include <QImage>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

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
    if (text.isEmpty() || truncated_) {
        return;
    }
    SyncTable(inTable, columns);
    InsertBoundedText(text, format);
    trailingBreak_ = false;
}

bool RtfDocumentWriter::Spend(qint64 cost)
{
    if (truncated_ || cost_ + cost > MaxLayoutCost) {
        truncated_ = true;
        return false;
    }
    cost_ += cost;
    return true;
}

void RtfDocumentWriter::InsertBoundedText(QStringView text, const QTextCharFormat& format)
{
    while (!text.isEmpty()) {
        if (!Spend(LayoutCost::Run)) {
            return;
        }
        // The block's length counts its paragraph mark too.
        const qsizetype room = MaxParagraphLength - (cursor_.block().length() - 1);
        if (text.size() <= room) {
            if (Spend(text.size() * LayoutCost::Character)) {
                cursor_.insertText(text.toString(), format);
            }
            return;
        }
        // Continue in a new paragraph, after the last space that fits; a
        // paragraph that holds no space yet is cut where it is full.
        qsizetype cut = std::max<qsizetype>(room, 0);
        const qsizetype space = text.first(cut).lastIndexOf(u' ');
        if (space >= 0) {
            cut = space + 1;
        } else if (cursor_.block().text().contains(u' ')) {
            cut = 0;
        }
        if (!Spend(cut * LayoutCost::Character + LayoutCost::Paragraph)) {
            return;
        }
        if (cut > 0) {
            cursor_.insertText(text.first(cut).toString(), format);
        }
        cursor_.insertBlock(cursor_.blockFormat(), format);
        text = text.sliced(cut);
    }
}

void RtfDocumentWriter::EndParagraph(const QTextBlockFormat& format, bool inTable, int columns)
{
    if (!Spend(LayoutCost::Paragraph)) {
        return;
    }
    SyncTable(inTable, columns);
    cursor_.setBlockFormat(format);
    cursor_.insertBlock(format);
    trailingBreak_ = mode_ == TableMode::None;
}

bool RtfDocumentWriter::InsertImage(const QImage& image, QSizeF size, const QTextCharFormat& format,
                                    bool inTable, int columns)
{
    if (image.sizeInBytes() > PictureBytesLeft() || !Spend(LayoutCost::Picture)) {
        return false;
    }
    pictureBytes_ += image.sizeInBytes();
    SyncTable(inTable, columns);
    const QString name = QStringLiteral("rtf-picture:%1").arg(++pictureCount_);
    cursor_.document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat shown;
    shown.merge(format);
    shown.setName(name);
    shown.setWidth(size.width());
    shown.setHeight(size.height());
    cursor_.insertImage(shown);
    trailingBreak_ = false;
    return true;
}

void RtfDocumentWriter::EndCell(const QTextBlockFormat& format, int columns)
{
    if (!Spend(LayoutCost::Paragraph)) {
        return;
    }
    SyncTable(true, columns);
    cursor_.setBlockFormat(format);
    ++column_;
    cellEnded_ = true;
    trailingBreak_ = false;
}

void RtfDocumentWriter::EndRow()
{
    if (mode_ != TableMode::None && !truncated_) {
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
