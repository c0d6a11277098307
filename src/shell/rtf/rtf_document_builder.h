// SPDX-License-Identifier: MIT
#pragma once

#include "shell/rtf/rtf_document_writer.h"
#include "shell/rtf/rtf_fields.h"
#include "shell/rtf/rtf_footnotes.h"
#include "shell/rtf/rtf_group_state.h"
#include "shell/rtf/rtf_keywords.h"
#include "shell/rtf/rtf_lists.h"
#include "shell/rtf/rtf_picture.h"
#include "shell/rtf/rtf_style_tables.h"
#include "shell/rtf/rtf_tables.h"
#include "shell/rtf/rtf_text_buffer.h"
#include "shell/rtf/rtf_tokenizer.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

namespace tintora {

struct RtfToken;

// Reads RTF tokens and builds a QTextDocument from them. The builder keeps
// the group stack and decides where each word and piece of text goes;
// fields (RtfFields), footnotes (RtfFootnotes), lists (RtfLists), tables
// (RtfTables) and pictures (RtfPicture) keep their own state.
//
// The reader is iterative, with an explicit stack of group states, and
// every structure it keeps is bounded:
//  - Groups nest at most MaxDepth deep. Deeper groups are still counted so
//    that braces stay balanced, but their state is not saved: formatting
//    set inside them stays in effect until the deepest saved group closes.
//    Destinations opened inside them are still skipped correctly.
//  - Skipped destinations (\*\anything, \pict, \info, \stylesheet, ...) are
//    passed over by counting braces; nothing inside them is kept.
//  - The font and colour tables are bounded (RtfStyleTables), and so are
//    fields (RtfFields) and footnotes (RtfFootnotes).
//  - Text is handed on in pieces of at most MaxPendingBytes, so a run of
//    megabytes is never held twice; once the writer is full, body text is
//    passed over.
//  - Pictures keep their data only when they are PNG or JPEG, up to
//    RtfPicture's limits; the document keeps what RtfDocumentWriter allows.
//  - A '}' that closes nothing is ignored; groups still open at the end of
//    the input are closed.
class RtfDocumentBuilder
{
public:
    static constexpr int MaxDepth = 256;
    static constexpr qsizetype MaxPendingBytes = 1 << 16;

    // `doc` should be empty; the builder appends to it. Pictures are shown
    // at most `pictureWidth` pixels wide.
    RtfDocumentBuilder(QTextDocument& doc, int pictureWidth);

    void Build(QByteArrayView data);

    // Build a part at a time: Begin, then Step until it returns true, then
    // End. `data` must stay alive until End. A step reads tokens until the
    // input position reaches `until` (a byte offset into `data`) outside a
    // table; a part ends between two tokens, so its last paragraph may
    // still grow.
    void Begin(QByteArrayView data);
    bool Step(qsizetype until);
    void End();

    // True when the document grew past the writer's limits and its end was
    // left out.
    bool truncated() const { return writer_.truncated(); }

private:
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

    void StartFootnote();
    void FootnoteMark();
    bool PictureKeyword(RtfKeyword keyword, bool hasParam, int param);
    void EndPicture();
    void WriteFootnotes();
    bool ListKeyword(RtfKeyword keyword, bool hasParam, int param);
    void WriteBodyText(const QString& text);

    const RtfStyleTables::Font* CurrentFont() const;
    int CurrentCodePage() const;
    QTextCharFormat CharFormat() const;
    QTextBlockFormat BlockFormat() const;

    RtfTokenizer tokenizer_{QByteArrayView()};
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
    RtfFields fields_;
    RtfFootnotes footnotes_;
    RtfLists lists_;
    RtfTables bodyTables_;

    int pictureWidth_;
    RtfPicture picture_;
    std::size_t pictureDepth_ = 0; // the stack size of the \pict group being read, 0 outside
};

} // namespace tintora
