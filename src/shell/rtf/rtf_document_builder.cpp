// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_document_builder.h"

#include "shell/rtf/rtf_formats.h"
#include "shell/rtf/rtf_tokenizer.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <algorithm>
#include <optional>

namespace tintora {

namespace {

constexpr char16_t ReplacementChar = 0xFFFD;
constexpr int MaxUnicodeSkip = 16;

// Control characters other than tab would show as boxes; a literal line
// break would split the paragraph behind the builder's back.
void DropControlChars(QString& text)
{
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& doc, int pictureWidth)
    : writer_(doc), bodyTables_(writer_), pictureWidth_(pictureWidth)
{
    stack_.reserve(MaxDepth + 1);
    stack_.emplace_back(); // the state outside every group
}

void RtfDocumentBuilder::Build(QByteArrayView data)
{
    Begin(data);
    Step(data.size());
    End();
}

void RtfDocumentBuilder::Begin(QByteArrayView data)
{
    tokenizer_ = RtfTokenizer(data);
}

bool RtfDocumentBuilder::Step(qsizetype until)
{
    writer_.Resume();
    RtfToken token;
    // Once the writer is full nothing more can be shown: the rest of the
    // input is not read at all.
    // A part never ends inside a table: its rows may still change.
    while (!writer_.truncated() && (tokenizer_.Position() < until || writer_.InTable())) {
        if (!tokenizer_.Next(token))
            return true;
        switch (token.kind) {
        case RtfToken::Kind::GroupOpen:
            OpenGroup();
            break;
        case RtfToken::Kind::GroupClose:
            CloseGroup();
            break;
        case RtfToken::Kind::ControlWord:
            ControlWord(token);
            break;
        case RtfToken::Kind::ControlSymbol:
            ControlSymbol(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            HexByte(static_cast<unsigned char>(token.symbol));
            break;
        case RtfToken::Kind::Text:
            Text(token.text);
            break;
        case RtfToken::Kind::Binary:
            // Binary data is kept only as the data of a picture to show.
            starPending_ = false;
            if (skipNesting_ == 0 && pictureDepth_ == stack_.size() && overflow_ == 0)
                picture_.AppendBinary(token.text);
            break;
        }
    }
    if (writer_.truncated())
        return true;
    // At `until`: ended only when no token is left.
    RtfTokenizer probe = tokenizer_;
    if (probe.Next(token)) {
        writer_.Pause();
        return false;
    }
    return true;
}

void RtfDocumentBuilder::End()
{
    writer_.Resume();
    text_.EndOfInput();
    FlushText();
    WriteFootnotes();
    writer_.Finish(BlockFormat());
    writer_.Pause();
}

void RtfDocumentBuilder::OpenGroup()
{
    FlushText();
    fallbackLeft_ = 0;
    starPending_ = false;
    if (skipNesting_ > 0) {
        ++skipNesting_;
        return;
    }
    if (static_cast<int>(stack_.size()) > MaxDepth) {
        ++overflow_;
        return;
    }
    stack_.push_back(stack_.back());
}

void RtfDocumentBuilder::CloseGroup()
{
    FlushText();
    fallbackLeft_ = 0;
    starPending_ = false;
    if (skipNesting_ > 1) {
        --skipNesting_;
        return;
    }
    // The skipped group itself closes here like any other group.
    const bool skipped = skipNesting_ == 1;
    skipNesting_ = 0;
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    if (stack_.size() <= 1)
        return; // a stray brace
    // A font entry ends with its group, but not with a group skipped inside
    // it, such as the \*\panose that comes before the name.
    if (!skipped && State().destination == RtfDestination::FontTable)
        tables_.EndFont();
    if (!skipped && pictureDepth_ == stack_.size())
        EndPicture();
    // A \pn group describes the paragraph it sits in.
    if (!skipped && State().destination == RtfDestination::ListDefinition && stack_.size() >= 2)
        stack_[stack_.size() - 2].paragraph.list = State().paragraph.list;
    stack_.pop_back();
}

void RtfDocumentBuilder::Skip()
{
    if (InGroup()) {
        FlushText();
        skipNesting_ = 1;
    }
}

void RtfDocumentBuilder::ControlWord(const RtfToken& token)
{
    if (skipNesting_ > 0)
        return;
    const RtfKeyword keyword = LookupKeyword(token.text);
    if (starPending_) {
        // \* marks a destination that readers may ignore. Those this reader
        // knows are read as if the mark were not there: writers put field
        // instructions and results, pictures and footnotes behind it.
        starPending_ = false;
        if (IsDestination(keyword))
            Keyword(keyword, token.hasParam, token.param);
        else
            Skip();
        return;
    }
    if (ConsumeFallback())
        return;
    Keyword(keyword, token.hasParam, token.param);
}

void RtfDocumentBuilder::ControlSymbol(char symbol)
{
    if (skipNesting_ > 0)
        return;
    if (symbol == '*') {
        starPending_ = true;
        return;
    }
    starPending_ = false;
    if (ConsumeFallback())
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        AppendBytes(QByteArrayView(&symbol, 1));
        break;
    case '~':
        AppendChar(0x00A0); // no-break space
        break;
    case '_':
        AppendChar(0x2011); // no-break hyphen
        break;
    case '-':
        AppendChar(0x00AD); // optional hyphen
        break;
    case '\n':
        Keyword(RtfKeyword::Par, false, 0);
        break;
    default:
        break; // \: index subentries, \| formulas and unknown symbols
    }
}

void RtfDocumentBuilder::Keyword(RtfKeyword keyword, bool hasParam, int param)
{
    if (keyword == RtfKeyword::Unicode) {
        if (hasParam)
            Unicode(param);
        return;
    }
    if (const char16_t ch = KeywordCharacter(keyword); ch != 0) {
        AppendChar(ch);
        return;
    }
    // Every other word may change how the text before it is formatted.
    FlushText();
    if (PictureKeyword(keyword, hasParam, param) || ListKeyword(keyword, hasParam, param))
        return;
    if (ApplyCharacterKeyword(State().chars, keyword, hasParam, param) ||
        ParagraphKeyword(keyword, hasParam, param) || TableKeyword(keyword, hasParam, param)) {
        return;
    }
    RtfGroupState& s = State();
    const bool inFontTable = s.destination == RtfDestination::FontTable;
    const bool inColorTable = s.destination == RtfDestination::ColorTable;
    switch (keyword) {
    case RtfKeyword::FontTable:
    case RtfKeyword::ColorTable:
    case RtfKeyword::Field:
    case RtfKeyword::FieldInstruction:
    case RtfKeyword::FieldResult:
    case RtfKeyword::Picture:
    case RtfKeyword::Footnote:
    case RtfKeyword::SkippedDestination:
        DestinationKeyword(keyword);
        break;
    case RtfKeyword::FootnoteMark:
        FootnoteMark();
        break;
    case RtfKeyword::Ansi:
        documentCodePage_ = 1252;
        break;
    case RtfKeyword::Mac:
        documentCodePage_ = 10000;
        break;
    case RtfKeyword::Pc:
        documentCodePage_ = 437;
        break;
    case RtfKeyword::Pca:
        documentCodePage_ = 850;
        break;
    case RtfKeyword::AnsiCodePage:
        if (hasParam && param > 0)
            documentCodePage_ = param;
        break;
    case RtfKeyword::DefaultFont:
        defaultFont_ = hasParam ? param : -1;
        break;
    case RtfKeyword::UnicodeSkip:
        s.unicodeSkip = std::clamp(hasParam ? param : 1, 0, MaxUnicodeSkip);
        break;
    case RtfKeyword::Font:
        if (inFontTable)
            tables_.BeginFont(hasParam ? param : -1);
        else if (hasParam)
            s.chars.font = param;
        break;
    case RtfKeyword::FontCharset:
        if (inFontTable)
            tables_.SetFontCharset(param);
        break;
    case RtfKeyword::FontCodePage:
        if (inFontTable)
            tables_.SetFontCodePage(param);
        break;
    case RtfKeyword::FontFamilyModern:
        if (inFontTable)
            tables_.SetFontFixedPitch();
        break;
    case RtfKeyword::Red:
    case RtfKeyword::Green:
    case RtfKeyword::Blue:
        if (inColorTable) {
            using Channel = RtfStyleTables::Channel;
            const Channel channel = keyword == RtfKeyword::Red     ? Channel::Red
                                    : keyword == RtfKeyword::Green ? Channel::Green
                                                                   : Channel::Blue;
            tables_.SetColorComponent(channel, param);
        }
        break;
    default:
        break; // \rtf, \pntext, \listtext and words that do not matter here
    }
}

void RtfDocumentBuilder::DestinationKeyword(RtfKeyword keyword)
{
    if (overflow_ > 0 && keyword != RtfKeyword::FieldResult) {
        // Too deep to scope a destination to its group: leave it out.
        Skip();
        return;
    }
    RtfGroupState& s = State();
    switch (keyword) {
    case RtfKeyword::FontTable:
        s.destination = RtfDestination::FontTable;
        break;
    case RtfKeyword::ColorTable:
        s.destination = RtfDestination::ColorTable;
        tables_.BeginColorTable();
        break;
    case RtfKeyword::Field:
        s.field = fields_.Begin();
        break;
    case RtfKeyword::FieldInstruction:
        s.destination = RtfDestination::FieldInstruction;
        break;
    case RtfKeyword::FieldResult:
        s.destination = RtfDestination::Body;
        if (const int link = fields_.StartResult(s.field); link >= 0)
            s.link = link;
        break;
    case RtfKeyword::Picture:
        if (s.destination == RtfDestination::Body) {
            s.destination = RtfDestination::Picture;
            picture_.Begin();
            pictureDepth_ = stack_.size();
        } else {
            Skip();
        }
        break;
    case RtfKeyword::Footnote:
        StartFootnote();
        break;
    default:
        Skip();
        break;
    }
}

bool RtfDocumentBuilder::PictureKeyword(RtfKeyword keyword, bool hasParam, int param)
{
    if (State().destination != RtfDestination::Picture)
        return false;
    const int value = hasParam ? param : 0;
    switch (keyword) {
    case RtfKeyword::PngBlip:
        picture_.SetFormat(RtfPicture::Format::Png);
        return true;
    case RtfKeyword::JpegBlip:
        picture_.SetFormat(RtfPicture::Format::Jpeg);
        return true;
    case RtfKeyword::PictureWidthGoal:
    case RtfKeyword::PictureHeightGoal:
        picture_.SetGoal(keyword == RtfKeyword::PictureWidthGoal, value);
        return true;
    case RtfKeyword::PictureScaleX:
    case RtfKeyword::PictureScaleY:
        picture_.SetScale(keyword == RtfKeyword::PictureScaleX, hasParam ? param : 100);
        return true;
    default:
        return false;
    }
}

void RtfDocumentBuilder::EndPicture()
{
    pictureDepth_ = 0;
    if (!picture_.Wanted() || writer_.truncated()) {
        picture_.Begin();
        return;
    }
    const RtfPicture::Shown shown = picture_.Decode(pictureWidth_, writer_.PictureBytesLeft());
    if (shown.image.isNull())
        return;
    // The picture's format is the text format around its group.
    const RtfGroupState& outer = stack_[stack_.size() - 2];
    bodyTables_.InsertImage(shown.image, shown.size,
                            tables_.CharFormat(outer.chars, defaultFont_, fields_.Href(outer.link)),
                            outer.paragraph.inTable);
}

bool RtfDocumentBuilder::ListKeyword(RtfKeyword keyword, bool hasParam, int param)
{
    switch (lists_.Keyword(State(), keyword, hasParam, param, overflow_ == 0)) {
    case RtfLists::Handled::No:
        return false;
    case RtfLists::Handled::Skip:
        Skip();
        break;
    case RtfLists::Handled::Yes:
        break;
    }
    return true;
}

void RtfDocumentBuilder::StartFootnote()
{
    RtfGroupState& s = State();
    const int note = s.destination == RtfDestination::Body ? footnotes_.Begin() : -1;
    if (note < 0) {
        Skip();
        return;
    }
    s.destination = RtfDestination::Footnote;
    s.footnote = note;
}

void RtfDocumentBuilder::FootnoteMark()
{
    RtfGroupState& s = State();
    if (s.destination == RtfDestination::Footnote)
        footnotes_.MarkInNote(s.footnote);
    else if (s.destination == RtfDestination::Body && !s.chars.hidden)
        bodyTables_.InsertText(QString::number(footnotes_.MarkInText()), CharFormat(), s.paragraph.inTable);
}

void RtfDocumentBuilder::WriteFootnotes()
{
    if (footnotes_.empty())
        return;
    // The notes follow the text as numbered paragraphs, after an empty one.
    RtfGroupState& s = State();
    s = RtfGroupState{};
    if (!writer_.InEmptyParagraph())
        writer_.EndParagraph(BlockFormat(), false, 0);
    writer_.EndParagraph(BlockFormat(), false, 0);
    for (const QString& note : footnotes_.Paragraphs()) {
        writer_.InsertText(note, CharFormat(), false, 0);
        writer_.EndParagraph(BlockFormat(), false, 0);
    }
}

bool RtfDocumentBuilder::ParagraphKeyword(RtfKeyword keyword, bool hasParam, int param)
{
    RtfGroupState& s = State();
    if (keyword == RtfKeyword::Par) {
        lists_.EndParagraph();
        if (s.destination == RtfDestination::Body && !writer_.truncated())
            bodyTables_.EndParagraph(BlockFormat(), s.paragraph.inTable);
        else if (s.destination == RtfDestination::Footnote)
            AppendChar(u' ');
        return true;
    }
    return ApplyParagraphKeyword(s.paragraph, keyword, hasParam, param);
}

bool RtfDocumentBuilder::TableKeyword(RtfKeyword keyword, bool hasParam, int param)
{
    const bool inBody = State().destination == RtfDestination::Body;
    switch (keyword) {
    case RtfKeyword::Cell:
        lists_.EndParagraph();
        if (inBody)
            bodyTables_.EndCell(BlockFormat());
        return true;
    case RtfKeyword::Row:
        if (inBody)
            bodyTables_.EndRow();
        return true;
    default:
        return bodyTables_.DefinitionKeyword(keyword, hasParam, param, tables_);
    }
}

void RtfDocumentBuilder::Text(QByteArrayView bytes)
{
    if (skipNesting_ > 0)
        return;
    starPending_ = false;
    if (State().destination == RtfDestination::Picture) {
        // Only the picture's own group holds its data; groups inside it
        // (properties, identifiers) do not.
        if (pictureDepth_ == stack_.size())
            picture_.AppendHex(bytes);
        return;
    }
    if (fallbackLeft_ > 0) {
        const qsizetype skipped = std::min<qsizetype>(fallbackLeft_, bytes.size());
        fallbackLeft_ -= static_cast<int>(skipped);
        bytes = bytes.sliced(skipped);
    }
    if (writer_.truncated() && State().destination == RtfDestination::Body)
        return;
    while (!bytes.isEmpty()) {
        const qsizetype piece = std::min(bytes.size(), MaxPendingBytes);
        AppendBytes(bytes.first(piece));
        bytes = bytes.sliced(piece);
        if (!bytes.isEmpty())
            FlushText();
    }
}

void RtfDocumentBuilder::HexByte(unsigned char byte)
{
    if (skipNesting_ > 0)
        return;
    starPending_ = false;
    if (ConsumeFallback())
        return;
    const char c = static_cast<char>(byte);
    AppendBytes(QByteArrayView(&c, 1));
}

void RtfDocumentBuilder::Unicode(int value)
{
    // Writers store the code unit as a signed 16-bit number.
    const int unit = value < 0 ? value + 65536 : value;
    char16_t ch = unit >= 0 && unit <= 0xFFFF ? static_cast<char16_t>(unit) : ReplacementChar;
    // Word writes the glyphs of symbol fonts in the private range F020..F0FF,
    // and writers that convert lists keep them there in a text font (U+F0B7
    // for a bullet). Shown as they are, they would be invisible.
    if (ch >= 0xF020 && ch <= 0xF0FF) {
        const RtfStyleTables::Font* font = CurrentFont();
        const bool wingdings = font != nullptr && font->symbols == RtfTextDecoder::SymbolSet::Wingdings;
        ch = RtfTextDecoder::SymbolChar(static_cast<unsigned char>(ch & 0xFF),
                                        wingdings ? RtfTextDecoder::SymbolSet::Wingdings
                                                  : RtfTextDecoder::SymbolSet::Symbol);
    }
    AppendChar(ch);
    fallbackLeft_ = State().unicodeSkip;
}

bool RtfDocumentBuilder::ConsumeFallback()
{
    if (fallbackLeft_ > 0) {
        --fallbackLeft_;
        return true;
    }
    return false;
}

bool RtfDocumentBuilder::DropsText() const
{
    const RtfGroupState& s = State();
    switch (s.destination) {
    case RtfDestination::Body:
        return s.chars.hidden;
    case RtfDestination::FieldInstruction:
        return s.field < 0;
    case RtfDestination::Footnote:
        return s.chars.hidden;
    case RtfDestination::Picture:
        return true;
    case RtfDestination::ListDefinition:
    case RtfDestination::ListTable:
        return !RtfLists::KeepsText(s);
    default:
        return false;
    }
}

void RtfDocumentBuilder::AppendBytes(QByteArrayView bytes)
{
    if (DropsText())
        return;
    const RtfDestination destination = State().destination;
    if (destination == RtfDestination::ColorTable) {
        tables_.ColorTableText(bytes);
        return;
    }
    RtfTextDecoder::SymbolSet symbols = RtfTextDecoder::SymbolSet::None;
    if (destination != RtfDestination::FontTable) {
        if (const RtfStyleTables::Font* font = CurrentFont())
            symbols = font->symbols;
    }
    text_.AppendBytes(bytes, CurrentCodePage(), symbols);
}

void RtfDocumentBuilder::AppendChar(char16_t ch)
{
    if (!DropsText() && State().destination != RtfDestination::ColorTable)
        text_.AppendChar(ch);
}

void RtfDocumentBuilder::FlushText()
{
    QString text = text_.Take();
    if (text.isEmpty())
        return;
    RtfGroupState& s = State();
    switch (s.destination) {
    case RtfDestination::Body:
        DropControlChars(text);
        WriteBodyText(text);
        break;
    case RtfDestination::ListTable:
    case RtfDestination::ListDefinition:
        lists_.Text(s, text);
        break;
    case RtfDestination::FontTable:
        tables_.FontTableText(text);
        break;
    case RtfDestination::FieldInstruction:
        fields_.AppendInstruction(s.field, text);
        break;
    case RtfDestination::Footnote:
        DropControlChars(text);
        footnotes_.Append(s.footnote, text);
        break;
    case RtfDestination::ColorTable:
    case RtfDestination::Picture:
        break;
    }
}

void RtfDocumentBuilder::WriteBodyText(const QString& text)
{
    const RtfGroupState& s = State();
    const std::optional<QString> number = lists_.BeforeBodyText(s, text);
    if (!number)
        return;
    if (!number->isEmpty())
        bodyTables_.InsertText(*number, CharFormat(), s.paragraph.inTable);
    bodyTables_.InsertText(text, CharFormat(), s.paragraph.inTable);
}

const RtfStyleTables::Font* RtfDocumentBuilder::CurrentFont() const
{
    const RtfCharProps& c = State().chars;
    return tables_.FontAt(c.font >= 0 ? c.font : defaultFont_);
}

int RtfDocumentBuilder::CurrentCodePage() const
{
    if (State().destination == RtfDestination::FontTable)
        return tables_.FontTableCodePage(documentCodePage_);
    const RtfStyleTables::Font* font = CurrentFont();
    return font != nullptr && font->codePage > 0 ? font->codePage : documentCodePage_;
}

QTextCharFormat RtfDocumentBuilder::CharFormat() const
{
    const RtfGroupState& s = State();
    return tables_.CharFormat(s.chars, defaultFont_, fields_.Href(s.link));
}

QTextBlockFormat RtfDocumentBuilder::BlockFormat() const
{
    const RtfParagraphProps& p = State().paragraph;
    QTextBlockFormat format = RtfBlockFormat(p);
    // Colour 0 is the automatic colour: no shading.
    if (const QColor shading = tables_.ColorAt(p.background); p.background > 0 && shading.isValid())
        format.setBackground(shading);
    return format;
}

} // namespace tintora
