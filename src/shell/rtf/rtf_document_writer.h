#pragma once

#include <QTextCursor>

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
// Qt rebuilds a table's cell grid after every added row, so a long table
// costs time quadratic in its rows. To stay linear, a table is continued
// in a new one after MaxTableRows rows, and after MaxTables tables further
// rows are written as lines of text with the cells separated by tabs.
class RtfDocumentWriter
{
public:
    static constexpr int MaxColumns = 64;
    static constexpr int MaxTableRows = 256;
    static constexpr int MaxTables = 256;

    // Starts writing at the beginning of `doc`, which should be empty.
    explicit RtfDocumentWriter(QTextDocument& doc);
    ~RtfDocumentWriter();
    RtfDocumentWriter(const RtfDocumentWriter&) = delete;
    RtfDocumentWriter& operator=(const RtfDocumentWriter&) = delete;

    // `columns` is the number of cells the current row declares (may be 0).
    void InsertText(const QString& text, const QTextCharFormat& format, bool inTable, int columns);
    // Gives the current paragraph `format` and starts a new one.
    void EndParagraph(const QTextBlockFormat& format, bool inTable, int columns);
    void EndCell(const QTextBlockFormat& format, int columns);
    void EndRow();
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

    QTextCursor cursor_;
    TableMode mode_ = TableMode::None;
    QTextTable* table_ = nullptr;
    int tableCount_ = 0;
    int row_ = 0;
    int column_ = 0;
    bool rowEnded_ = false;
    bool cellEnded_ = false;
    bool trailingBreak_ = false;
};

} // namespace tintora
