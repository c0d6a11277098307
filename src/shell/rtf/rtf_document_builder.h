#pragma once

#include "shell/rtf/rtf_document_writer.h"
#include "shell/rtf/rtf_group_state.h"
#include "shell/rtf/rtf_keywords.h"
#include "shell/rtf/rtf_list_numbering.h"
#include "shell/rtf/rtf_picture.h"
#include "shell/rtf/rtf_style_tables.h"
#include "shell/rtf/rtf_text_buffer.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

namespace tintora {

struct RtfToken;

// Reads RTF tokens and builds a QTextDocument from them.
//
// The reader is iterative, with an explicit stack of group states, and
// every structure it keeps is bounded:
//  - Groups nest at most MaxDepth deep. Deeper groups are still counted so
//    that braces stay balanced, but their state is not saved: formatting
//    set inside them stays in effect until the deepest saved group closes.
//    Destinations opened inside them are still skipped correctly.
//  - Skipped destinations (\*\anything, \pict, \info, \stylesheet, ...) are
//    passed over by counting braces; nothing inside them is kept.
//  - The font and colour tables are bounded (RtfStyleTables); a document
//    keeps MaxFields fields with instructions of at most
//    MaxInstructionLength characters, MaxFieldChars in all; an instruction
//    is dropped once its result starts.
//  - Text is handed on in pieces of at most MaxPendingBytes, so a run of
//    megabytes is never held twice; once the writer is full, body text is
//    passed over.
//  - Pictures keep their data only when they are PNG or JPEG, up to
//    RtfPicture's limits; the document keeps what RtfDocumentWriter allows.
//  - Footnotes keep MaxFootnotes notes of MaxFootnoteLength characters,
//    MaxFootnoteChars in all.
//  - A '}' that closes nothing is ignored; groups still open at the end of
//    the input are closed.
class RtfDocumentBuilder
{
public:
    static constexpr int MaxDepth = 256;
    static constexpr int MaxFields = 65536;
    static constexpr int MaxInstructionLength = 2048;
    static constexpr qsizetype MaxFieldChars = 1 << 20;
    static constexpr int MaxFootnotes = 1024;
    static constexpr int MaxFootnoteLength = 4096;
    static constexpr qsizetype MaxFootnoteChars = 1 << 18;
    static constexpr qsizetype MaxPendingBytes = 1 << 16;

    // `doc` should be empty; the builder appends to it. Pictures are shown
    // at most `pictureWidth` pixels wide.
    RtfDocumentBuilder(QTextDocument& doc, int pictureWidth);

    void Build(QByteArrayView data);

    // True when the document grew past the writer's limits and its end was
    // left out.
    bool truncated() const { return writer_.truncated(); }

private:
    struct Field {
        QString instruction;
        QString href;
    };
    struct Footnote {
        QString text;
        int number = 0; // its \chftn number, 0 when it has its own mark
    };

    RtfGroupState& State() { return stack_.back(); }
    const RtfGroupState& State() const { return stack_.back(); }
    bool InGroup() const { return stack_.size() > 1 || overflow_ > 0; }

    void OpenGroup();
    void CloseGroup();
    void ControlWord(const RtfToken& token);
    void ControlSymbol(char symbol);
    void Keyword(RtfKeyword keyword, bool hasParam, int param);
    void DestinationKeyword(RtfKeyword keyword);
    bool ParagraphKeyword(RtfKeyword keyword, bool hasParam, int param);
    bool TableKeyword(RtfKeyword keyword, bool hasParam, int param);
    void Skip();

    // Text in reading order, collected until the next word that may change
    // its format and then written to the group's destination.
    void Text(QByteArrayView bytes);
    void HexByte(unsigned char byte);
    void Unicode(int value);
    void AppendBytes(QByteArrayView bytes);
    void AppendChar(char16_t ch);
    bool DropsText() const;
    bool ConsumeFallback();
    void FlushText();

    void StartFieldResult();
    void StartFootnote();
    void FootnoteMark();
    bool PictureKeyword(RtfKeyword keyword, bool hasParam, int param);
    void EndPicture();
    void WriteFootnotes();
    bool ListKeyword(RtfKeyword keyword, bool hasParam, int param);

    const RtfStyleTables::Font* CurrentFont() const;
    int CurrentCodePage() const;
    QTextCharFormat CharFormat() const;
    QTextBlockFormat BlockFormat() const;

    RtfDocumentWriter writer_;
    RtfTextBuffer text_;
    std::vector<RtfGroupState> stack_;
    qsizetype overflow_ = 0;    // groups opened beyond MaxDepth and not closed yet
    qsizetype skipNesting_ = 0; // > 0 while inside a skipped destination
    bool starPending_ = false;
    int fallbackLeft_ = 0; // fallback characters still to skip after \uN

    int documentCodePage_ = RtfTextDecoder::DefaultCodePage;
    int defaultFont_ = -1;
    RtfStyleTables tables_;
    std::vector<Field> fields_;
    RtfRowReader rowReader_; // the row being defined or read

    int pictureWidth_;
    RtfPicture picture_;
    std::size_t pictureDepth_ = 0; // the stack size of the \pict group being read, 0 outside
    std::vector<Footnote> footnotes_;
    int footnoteMarks_ = 0;
    qsizetype footnoteChars_ = 0;
    qsizetype fieldChars_ = 0;
    bool markerShown_ = false; // the paragraph's list number is written
    RtfListNumbering listNumbers_;
    RtfListTable listTable_;
};

} // namespace tintora
