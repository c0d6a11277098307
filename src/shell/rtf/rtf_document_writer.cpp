// SPDX-License-Identifier: MIT
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
    Pause();
}

void RtfDocumentWriter::Pause()
{
    if (editing_)
        cursor_.endEditBlock();
    editing_ = false;
}

void RtfDocumentWriter::Resume()
{
    if (!editing_)
        cursor_.beginEditBlock();
    editing_ = true;
}

void RtfDocumentWriter::InsertText(const QString& text, const QTextCharFormat& format, bool inTable,
                                   int columns)
{
    if (text.isEmpty() || truncated_)
        return;
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
        if (!Spend(LayoutCost::Run))
            return;
        // The block's length counts its paragraph mark too.
        const qsizetype room = MaxParagraphLength - (cursor_.block().length() - 1);
        if (text.size() <= room) {
            if (Spend(text.size() * LayoutCost::Character))
                cursor_.insertText(text.toString(), format);
            return;
        }
        // Continue in a new paragraph, after the last space that fits; a
        // paragraph that holds no space yet is cut where it is full.
        qsizetype cut = std::max<qsizetype>(room, 0);
        const qsizetype space = text.first(cut).lastIndexOf(u' ');
        if (space >= 0)
            cut = space + 1;
        else if (cursor_.block().text().contains(u' '))
            cut = 0;
        if (!Spend(cut * LayoutCost::Character + LayoutCost::Paragraph))
            return;
        if (cut > 0)
            cursor_.insertText(text.first(cut).toString(), format);
        cursor_.insertBlock(cursor_.blockFormat(), format);
        text = text.sliced(cut);
    }
}

void RtfDocumentWriter::EndParagraph(const QTextBlockFormat& format, bool inTable, int columns)
{
    if (!Spend(LayoutCost::Paragraph))
        return;
    SyncTable(inTable, columns);
    cursor_.setBlockFormat(format);
    cursor_.insertBlock(format);
    trailingBreak_ = mode_ == TableMode::None;
}

bool RtfDocumentWriter::InsertImage(const QImage& image, QSizeF size, const QTextCharFormat& format,
                                    bool inTable, int columns)
{
    if (image.sizeInBytes() > PictureBytesLeft() || !Spend(LayoutCost::Picture))
        return false;
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
    if (!Spend(LayoutCost::Paragraph))
        return;
    SyncTable(true, columns);
    cursor_.setBlockFormat(format);
    // A paragraph mark right before the end of a cell ends its last
    // paragraph; it does not open an empty one.
    if (mode_ == TableMode::Grid && cursor_.block().length() == 1) {
        const QTextTableCell cell = table_->cellAt(cursor_);
        if (cell.isValid() && cursor_.position() > cell.firstPosition())
            cursor_.deletePreviousChar();
    }
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
    if (mode_ == TableMode::Grid)
        return;
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
    if (!inTable)
        LeaveTable();
    else if (mode_ == TableMode::None)
        StartTable(columns);
    else if (rowEnded_)
        NextRow(columns);
    else if (cellEnded_)
        NextCell();
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
        if (cursor_.block().length() > 1)
            cursor_.insertBlock();
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
        if (previous.currentTable() == nullptr)
            cursor_.deletePreviousChar();
    }
    gridEdges_.clear();
    mergeTop_.clear();
    int rowBorder = 0;
    QColor rowBorderColor;
    if (rowDefinition_ != nullptr) {
        int previous = 0;
        for (const RtfCellDefinition& cell : rowDefinition_->cells) {
            previous = std::max(cell.edge, previous);
            gridEdges_.push_back(previous);
        }
        // Qt draws one width and colour round a table: the widest side's.
        const auto widest = std::max_element(rowDefinition_->border.begin(), rowDefinition_->border.end());
        rowBorder = *widest;
        rowBorderColor =
            rowDefinition_->borderColor[static_cast<std::size_t>(widest - rowDefinition_->border.begin())];
    }
    QTextTableFormat format;
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    // A border only where the file draws one.
    format.setBorder(rowBorder > 0 ? std::max(1.0, rowBorder / 15.0) : 0);
    format.setBorderStyle(rowBorder > 0 ? QTextFrameFormat::BorderStyle_Solid
                                        : QTextFrameFormat::BorderStyle_None);
    // The automatic colour draws black; Qt's own default is grey.
    format.setBorderBrush(rowBorderColor.isValid() ? rowBorderColor : QColor(Qt::black));
    if (!gridEdges_.empty()) {
        gridEdges_.erase(std::unique(gridEdges_.begin(), gridEdges_.end()), gridEdges_.end());
        if (gridEdges_.front() == 0 && gridEdges_.size() > 1)
            gridEdges_.erase(gridEdges_.begin());
        gridEdges_.resize(std::min<std::size_t>(gridEdges_.size(), MaxColumns));
        columns = static_cast<int>(gridEdges_.size());
    }
    // A border of one pixel round the table makes Qt draw a grid of
    // one-pixel lines in its colour between all cells.
    gridCells_ = rowBorder > 0 && format.border() == 1.0;
    gridColor_ = format.borderBrush().color();
    gridCellsPlaced_.clear();
    table_ = cursor_.insertTable(1, std::clamp(columns, 1, MaxColumns), format);
    SetColumnWidths();
    PlaceRow();
}

void RtfDocumentWriter::LeaveTable()
{
    if (mode_ == TableMode::Grid)
        cursor_.movePosition(QTextCursor::End);
    else if (mode_ == TableMode::Text && rowEnded_)
        cursor_.insertBlock();
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
    PlaceRow();
    MoveToCell();
}

void RtfDocumentWriter::NextCell()
{
    cellEnded_ = false;
    if (mode_ == TableMode::Text) {
        cursor_.insertText(QStringLiteral("\t"));
        return;
    }
    if (GridColumn(column_) < table_->columns()) {
        MoveToCell();
        return;
    }
    if (table_->columns() < MaxColumns) {
        // The new column's cells have no borders of their own.
        KeepCellBorders();
        table_->appendColumns(std::min(GridColumn(column_) + 1, MaxColumns) - table_->columns());
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
    cursor_ = table_->cellAt(row_, std::min(GridColumn(column_), table_->columns() - 1)).lastCursorPosition();
}

int RtfDocumentWriter::GridColumn(int cell) const
{
    if (cell < static_cast<int>(placements_.size()))
        return placements_[static_cast<std::size_t>(cell)].column;
    const int next =
        placements_.empty() ? 0 : placements_.back().column + std::max(placements_.back().span, 1);
    return next + cell - static_cast<int>(placements_.size());
}

void RtfDocumentWriter::SetColumnWidths()
{
    if (gridEdges_.empty())
        return;
    QList<QTextLength> widths;
    int previous = 0;
    for (const int edge : gridEdges_) {
        widths.append(QTextLength(QTextLength::FixedLength, (edge - previous) / 15.0));
        previous = edge;
    }
    QTextTableFormat format = table_->format();
    format.setColumnWidthConstraints(widths);
    table_->setFormat(format);
}

void RtfDocumentWriter::SplitColumnAt(int edge)
{
    // The new edge divides a column of the rows above; their cells there
    // are widened over both parts, so that they keep their place.
    const auto at = std::lower_bound(gridEdges_.begin(), gridEdges_.end(), edge);
    const int column = static_cast<int>(at - gridEdges_.begin());
    gridEdges_.insert(at, edge);
    if (column < static_cast<int>(mergeTop_.size()))
        mergeTop_.insert(mergeTop_.begin() + column, -1);
    if (column >= table_->columns()) {
        table_->appendColumns(1);
        return;
    }
    table_->insertColumns(column, 1);
    for (int row = 0; row < row_; ++row) {
        const QTextTableCell right = table_->cellAt(row, column + 1);
        if (right.row() == row && right.column() == column + 1) {
            table_->mergeCells(row, column, right.rowSpan(), right.columnSpan() + 1);
            // Qt joins the empty new cell to the text with a space.
            const QTextTableCell merged = table_->cellAt(row, column);
            QTextCursor first = merged.firstCursorPosition();
            first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            if (first.selectedText() == QStringLiteral(" "))
                first.removeSelectedText();
        }
    }
}

void RtfDocumentWriter::PlaceRow()
{
    placements_.clear();
    if (rowDefinition_ == nullptr || gridEdges_.empty())
        return;
    // Edges within 20 twips count as the same edge: writers round widths
    // differently from row to row.
    constexpr int Tolerance = 20;
    const auto columnsUpTo = [this](int edge) {
        return static_cast<int>(std::upper_bound(gridEdges_.begin(), gridEdges_.end(), edge + Tolerance) -
                                gridEdges_.begin());
    };
    // Edges that the table does not have yet become columns of their own.
    bool split = false;
    for (const RtfCellDefinition& cell : rowDefinition_->cells) {
        const auto near = std::lower_bound(gridEdges_.begin(), gridEdges_.end(), cell.edge - Tolerance);
        const bool known = near != gridEdges_.end() && *near <= cell.edge + Tolerance;
        if (!known && cell.edge > 0 && table_->columns() < MaxColumns) {
            // The new column's cells copy the formats of their neighbours.
            KeepCellBorders();
            SplitColumnAt(cell.edge);
            split = true;
        }
    }
    if (split)
        SetColumnWidths();
    const int columns = table_->columns();
    mergeTop_.resize(static_cast<std::size_t>(columns), -1);
    int previous = 0;
    for (const RtfCellDefinition& cell : rowDefinition_->cells) {
        const int edge = std::max(cell.edge, previous);
        const int first = std::min(columnsUpTo(previous), columns - 1);
        const int last = std::min(columnsUpTo(edge) - 1, columns - 1);
        previous = edge;
        if ((cell.mergedLeft || last < first) && !placements_.empty()) {
            // The cell joins the last one before it that has a place.
            int owner = static_cast<int>(placements_.size()) - 1;
            while (owner > 0 && placements_[static_cast<std::size_t>(owner)].span == 0)
                --owner;
            Placement& joined = placements_[static_cast<std::size_t>(owner)];
            joined.span = std::max(joined.span, last - joined.column + 1);
            placements_.push_back({joined.column, 0});
            continue;
        }
        placements_.push_back({std::max(first, 0), std::max(last - first + 1, 1)});
    }
    // A column that no cell of the row covers keeps cells without borders
    // of their own.
    std::vector<bool> covered(static_cast<std::size_t>(columns), false);
    for (const Placement& place : placements_)
        for (int column = place.column; column < std::min(place.column + place.span, columns); ++column)
            covered[static_cast<std::size_t>(column)] = true;
    if (std::find(covered.begin(), covered.end(), false) != covered.end())
        KeepCellBorders();
    for (std::size_t i = 0; i < placements_.size(); ++i) {
        const Placement& place = placements_[i];
        if (place.span == 0)
            continue;
        const RtfCellDefinition& cell = rowDefinition_->cells[i];
        const int span = std::min(place.span, columns - place.column);
        if (span > 1)
            table_->mergeCells(row_, place.column, 1, span);
        int& top = mergeTop_[static_cast<std::size_t>(place.column)];
        if (cell.mergedUp && top >= 0) {
            table_->mergeCells(top, place.column, row_ - top + 1, span);
            continue;
        }
        top = cell.mergeStart ? row_ : -1;
        QTextTableCellFormat format;
        if (!DrawnByGrid(cell))
            KeepCellBorders();
        if (gridCells_) {
            // Qt resolves each edge of a collapsed border by copying the
            // formats of the cells around it, thousands of times for a table
            // on screen: a cell that the grid draws is left with as few
            // properties as it can be. Should a later cell need borders of
            // its own, KeepCellBorders gives these theirs, so that all cells
            // of a table take part in that resolution alike.
            gridCellsPlaced_.emplace_back(row_, place.column);
            if (cell.background.isValid()) {
                format.setBackground(cell.background);
                table_->cellAt(row_, place.column).setFormat(format);
            }
            continue;
        }
        const std::array<void (QTextTableCellFormat::*)(qreal), 4> widths = {
            &QTextTableCellFormat::setTopBorder, &QTextTableCellFormat::setLeftBorder,
            &QTextTableCellFormat::setBottomBorder, &QTextTableCellFormat::setRightBorder};
        const std::array<void (QTextTableCellFormat::*)(QTextFrameFormat::BorderStyle), 4> styles = {
            &QTextTableCellFormat::setTopBorderStyle, &QTextTableCellFormat::setLeftBorderStyle,
            &QTextTableCellFormat::setBottomBorderStyle, &QTextTableCellFormat::setRightBorderStyle};
        const std::array<void (QTextTableCellFormat::*)(const QBrush&), 4> brushes = {
            &QTextTableCellFormat::setTopBorderBrush, &QTextTableCellFormat::setLeftBorderBrush,
            &QTextTableCellFormat::setBottomBorderBrush, &QTextTableCellFormat::setRightBorderBrush};
        for (std::size_t side = 0; side < 4; ++side) {
            const int twips = cell.border[side];
            (format.*widths[side])(twips > 0 ? std::max(1.0, twips / 15.0) : 0.0);
            (format.*styles[side])(twips > 0 ? QTextFrameFormat::BorderStyle_Solid
                                             : QTextFrameFormat::BorderStyle_None);
            // A side in the automatic colour gets no brush: Qt draws a cell's
            // own border without one in black. Qt resolves each edge of a
            // collapsed border by copying the formats of the cells around it,
            // thousands of times for a table on screen, and every property a
            // cell format holds makes each copy dearer.
            if (cell.borderColor[side].isValid())
                (format.*brushes[side])(QBrush(cell.borderColor[side]));
        }
        if (cell.background.isValid())
            format.setBackground(cell.background);
        table_->cellAt(row_, place.column).setFormat(format);
    }
}

bool RtfDocumentWriter::DrawnByGrid(const RtfCellDefinition& cell) const
{
    for (std::size_t side = 0; side < 4; ++side) {
        const int twips = cell.border[side];
        const QColor color = cell.borderColor[side].isValid() ? cell.borderColor[side] : QColor(Qt::black);
        // Up to 15 twips draw one pixel.
        if (twips <= 0 || twips > 15 || color != gridColor_)
            return false;
    }
    return true;
}

void RtfDocumentWriter::KeepCellBorders()
{
    // The cells placed so far get the borders they were spared: the same
    // lines, now their own.
    if (!gridCells_)
        return;
    gridCells_ = false;
    for (const auto& [row, column] : gridCellsPlaced_) {
        QTextTableCell cell = table_->cellAt(row, column);
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        if (gridColor_ != QColor(Qt::black))
            format.setBorderBrush(gridColor_);
        cell.setFormat(format);
    }
    gridCellsPlaced_.clear();
}

} // namespace tintora
