// SPDX-License-Identifier: MIT
#pragma once

#include "shell/rtf/rtf_table_props.h"

#include <QColor>
#include <QSizeF>
#include <QStringView>
#include <QTextBlock>
#include <QTextCursor>

#include <utility>
#include <vector>

class QImage;
class QString;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;
class QTextTable;

namespace tintora {

// Appends text, paragraphs and table cells to a QTextDocument in reading
// order. The RTF builder decides what to write; this class owns the cursor
// and the bookkeeping of the table being filled.
//
// Table rows become rows of a real QTextTable. A run of paragraphs marked
// "in table" starts a table with the row's declared number of cells; a row
// with more cells than declared grows the table up to MaxColumns columns,
// after which further cells are joined into the last one, separated by a
// tab. The first paragraph not in a table ends it.
//
// With a row definition (SetRowDefinition), a table's columns take the
// widths of its first row's \cellx edges, and each later row's cells are
// placed by their edges: a cell that spans several columns is merged over
// them, a cell of no width joins the one before it, as do \clmrg cells, and
// \clvmrg cells join the cell above. Cells and tables have borders only
// where the definition gives them, in its colours (black for the automatic
// colour), and cells their background. Where every cell of a table draws
// one-pixel lines in the colour of the table's own one-pixel border, the
// cells leave their lines to the grid that Qt draws for such a table, which
// is the same lines.
//
// Qt rebuilds a table's cell grid after every added row, so a long table
// costs time quadratic in its rows. To stay linear, a table is continued
// in a new one after MaxTableRows rows, and after MaxTables tables further
// rows are written as lines of text with the cells separated by tabs.
//
// What the document keeps is bounded, so that laying it out in the help
// view takes about a second and a few MiB at most, whatever the input:
//  - Qt lays a paragraph out in time that grows faster than its length, so
//    a paragraph is continued in a new one after MaxParagraphLength
//    characters, at the last space when there is one.
//  - Every character, run of one format, paragraph and picture costs
//    layout units (LayoutCost); once MaxLayoutCost is spent, nothing more
//    is written and truncated() turns true.
//  - Shown pictures keep at most MaxPictureBytes of pixels in all.
class RtfDocumentWriter
{
public:
    static constexpr int MaxColumns = 64;
    static constexpr int MaxTableRows = 256;
    static constexpr int MaxTables = 256;
    static constexpr int MaxParagraphLength = 4000;
    // About one second of layout on the machines we measured (1 M
    // characters of prose, 100 k runs, or 25 k paragraphs).
    static constexpr qint64 MaxLayoutCost = 1'000'000;
    static constexpr qint64 MaxPictureBytes = 20LL * 1024 * 1024; // 16 screenshots 640 px wide
    struct LayoutCost {
        static constexpr qint64 Character = 1;
        static constexpr qint64 Run = 8;
        static constexpr qint64 Paragraph = 40;
        static constexpr qint64 Picture = 40;
    };

    // Starts writing at the beginning of `doc`, which should be empty.
    explicit RtfDocumentWriter(QTextDocument& doc);
    ~RtfDocumentWriter();
    RtfDocumentWriter(const RtfDocumentWriter&) = delete;
    RtfDocumentWriter& operator=(const RtfDocumentWriter&) = delete;

    // The definition of the row being read, owned by the caller, which keeps
    // it up to date; nullptr for none.
    void SetRowDefinition(const RtfRowDefinition* row) { rowDefinition_ = row; }

    // `columns` is the number of cells the current row declares (may be 0).
    void InsertText(const QString& text, const QTextCharFormat& format, bool inTable, int columns);
    // Gives the current paragraph `format` and starts a new one.
    void EndParagraph(const QTextBlockFormat& format, bool inTable, int columns);
    void EndCell(const QTextBlockFormat& format, int columns);
    void EndRow();
    // Inserts `image`, kept by the document as a resource and shown at
    // `size` pixels. Refused (false) once pictures would exceed
    // MaxPictureBytes of pixels.
    bool InsertImage(const QImage& image, QSizeF size, const QTextCharFormat& format, bool inTable,
                     int columns);
    // Pixel bytes that a further picture may still use.
    qint64 PictureBytesLeft() const { return MaxPictureBytes - pictureBytes_; }
    // Ends the edit block that the writer holds while it writes, so that
    // the document is whole between two parts of a reading (tables get
    // their frames, views their layout); Resume opens a new one.
    void Pause();
    void Resume();
    // Whether a table is being written: its rows may still change.
    bool InTable() const { return mode_ != TableMode::None; }
    // Whether the paragraph being written is still empty.
    bool InEmptyParagraph() const { return cursor_.block().length() == 1; }
    // True once the layout budget ran out and content was left out.
    bool truncated() const { return truncated_; }

    // Formats the last paragraph. A final paragraph break with nothing after
    // it marks the end of the text and does not leave an empty paragraph.
    void Finish(const QTextBlockFormat& format);

private:
    enum class TableMode { None, Grid, Text };

    void SyncTable(bool inTable, int columns);
    void StartTable(int columns);
    void LeaveTable();
    void NextRow(int columns);
    void NextCell();
    void MoveToCell();
    void PlaceRow();
    void SplitColumnAt(int edge);
    void SetColumnWidths();
    bool DrawnByGrid(const RtfCellDefinition& cell) const;
    void KeepCellBorders();
    int GridColumn(int cell) const;
    bool Spend(qint64 cost);
    void InsertBoundedText(QStringView text, const QTextCharFormat& format);

    QTextCursor cursor_;
    TableMode mode_ = TableMode::None;
    bool editing_ = true;
    QTextTable* table_ = nullptr;
    int tableCount_ = 0;
    int row_ = 0;
    int column_ = 0;
    bool rowEnded_ = false;
    bool cellEnded_ = false;
    bool trailingBreak_ = false;
    struct Placement {
        int column = 0;
        int span = 1; // 0: the cell joins the one before it
    };
    const RtfRowDefinition* rowDefinition_ = nullptr;
    std::vector<int> gridEdges_;        // the table's column edges, in twips
    std::vector<Placement> placements_; // the current row's cells on that grid
    std::vector<int> mergeTop_;         // by column: the row a vertical merge starts at
    // While every cell of the table draws the lines that its collapsed grid
    // draws anyway (one pixel, the table's colour), the cells (row, column)
    // hold no border settings of their own.
    bool gridCells_ = false;
    QColor gridColor_;
    std::vector<std::pair<int, int>> gridCellsPlaced_;
    qint64 cost_ = 0;
    qint64 pictureBytes_ = 0;
    int pictureCount_ = 0;
    bool truncated_ = false;
};

} // namespace tintora
