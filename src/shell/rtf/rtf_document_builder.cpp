#include "shell/rtf/rtf_document_builder.h"

#include "shell/rtf/rtf_field_instruction.h"
#include "shell/rtf/rtf_formats.h"
#include "shell/rtf/rtf_tokenizer.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <algorithm>

namespace tintora {

namespace {

constexpr char16_t ReplacementChar = 0xFFFD;
constexpr int MaxUnicodeSkip = 16;
bool IsBlank(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

// Control characters other than tab would show as boxes; a literal line
// break would split the paragraph behind the builder's back.
void DropControlChars(QString& text)
{
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& doc, int pictureWidth)
    : writer_(doc), pictureWidth_(pictureWidth)
{
    stack_.reserve(MaxDepth + 1);
    stack_.emplace_back(); // the state outside every group
    writer_.SetRowDefinition(&rowReader_.Row());
}

void RtfDocumentBuilder::Build(QByteArrayView data)
{
    RtfTokenizer tokenizer(data);
    RtfToken token;
    // Once the writer is full nothing more can be shown: the rest of the
    // input is not read at all.
    while (!writer_.truncated() && tokenizer.Next(token)) {
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
            if (skipNesting_ == 0 && pictureDepth_ == stack_.size() && overflow_ == 0) {
                picture_.AppendBinary(token.text);
            }
            break;
        }
    }
    text_.EndOfInput();
    FlushText();
    WriteFootnotes();
    writer_.Finish(BlockFormat());
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
    if (stack_.size() <= 1) {
        return; // a stray brace
    }
    // A font entry ends with its group, but not with a group skipped inside
    // it, such as the \*\panose that comes before the name.
    if (!skipped && State().destination == RtfDestination::FontTable) {
        tables_.EndFont();
    }
    if (!skipped && pictureDepth_ == stack_.size()) {
        EndPicture();
    }
    // A \pn group describes the paragraph it sits in.
    if (!skipped && State().destination == RtfDestination::ListDefinition && stack_.size() >= 2) {
        stack_[stack_.size() - 2].paragraph.list = State().paragraph.list;
    }
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
    if (skipNesting_ > 0) {
        return;
    }
    const RtfKeyword keyword = LookupKeyword(token.text);
    if (starPending_) {
        // \* marks a destination that readers may ignore. Those this reader
        // knows are read as if the mark were not there: writers put field
        // instructions and results, pictures and footnotes behind it.
        starPending_ = false;
        if (IsDestination(keyword)) {
            Keyword(keyword, token.hasParam, token.param);
        } else {
            Skip();
        }
        return;
    }
    if (ConsumeFallback()) {
        return;
    }
    Keyword(keyword, token.hasParam, token.param);
}

void RtfDocumentBuilder::ControlSymbol(char symbol)
{
    if (skipNesting_ > 0) {
        return;
    }
    if (symbol == '*') {
        starPending_ = true;
        return;
    }
    starPending_ = false;
    if (ConsumeFallback()) {
        return;
    }
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
        if (hasParam) {
            Unicode(param);
        }
        return;
    }
    if (const char16_t ch = KeywordCharacter(keyword); ch != 0) {
        AppendChar(ch);
        return;
    }
    // Every other word may change how the text before it is formatted.
    FlushText();
    if (PictureKeyword(keyword, hasParam, param) || ListKeyword(keyword, hasParam, param)) {
        return;
    }
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
    case RtfKeyword::ListText:
    case RtfKeyword::PnText:
        s.listText = true;
        break;
    case RtfKeyword::ListDefinition:
        if (s.destination == RtfDestination::Body && overflow_ == 0) {
            s.destination = RtfDestination::ListDefinition;
        } else {
            Skip();
        }
        break;
    case RtfKeyword::ListTable:
        if (s.destination == RtfDestination::Body && overflow_ == 0) {
            s.destination = RtfDestination::ListTable;
        } else {
            Skip();
        }
        break;
    case RtfKeyword::LevelText:
        if (s.destination == RtfDestination::ListTable) {
            s.listAffix = 3;
        } else {
            Skip();
        }
        break;
    case RtfKeyword::ListTextBefore:
    case RtfKeyword::ListTextAfter:
        if (s.destination == RtfDestination::ListDefinition) {
            s.listAffix = keyword == RtfKeyword::ListTextBefore ? 1 : 2;
        } else {
            Skip();
        }
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
        if (hasParam && param > 0) {
            documentCodePage_ = param;
        }
        break;
    case RtfKeyword::DefaultFont:
        defaultFont_ = hasParam ? param : -1;
        break;
    case RtfKeyword::UnicodeSkip:
        s.unicodeSkip = std::clamp(hasParam ? param : 1, 0, MaxUnicodeSkip);
        break;
    case RtfKeyword::Font:
        if (inFontTable) {
            tables_.BeginFont(hasParam ? param : -1);
        } else if (hasParam) {
            s.chars.font = param;
        }
        break;
    case RtfKeyword::FontCharset:
        if (inFontTable) {
            tables_.SetFontCharset(param);
        }
        break;
    case RtfKeyword::FontCodePage:
        if (inFontTable) {
            tables_.SetFontCodePage(param);
        }
        break;
    case RtfKeyword::FontFamilyModern:
        if (inFontTable) {
            tables_.SetFontFixedPitch();
        }
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
        s.field = -1;
        if (static_cast<int>(fields_.size()) < MaxFields) {
            fields_.emplace_back();
            s.field = static_cast<int>(fields_.size()) - 1;
        }
        break;
    case RtfKeyword::FieldInstruction:
        s.destination = RtfDestination::FieldInstruction;
        break;
    case RtfKeyword::FieldResult:
        StartFieldResult();
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
    if (State().destination != RtfDestination::Picture) {
        return false;
    }
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
    if (shown.image.isNull()) {
        return;
    }
    // The picture's format is the text format around its group.
    const RtfGroupState& outer = stack_[stack_.size() - 2];
    const QString href = outer.link >= 0 ? fields_[static_cast<std::size_t>(outer.link)].href : QString();
    writer_.InsertImage(shown.image, shown.size, tables_.CharFormat(outer.chars, defaultFont_, href),
                        outer.paragraph.inTable, rowReader_.Cells());
}

bool RtfDocumentBuilder::ListKeyword(RtfKeyword keyword, bool hasParam, int param)
{
    using Style = RtfListProps::Style;
    RtfListProps& list = State().paragraph.list;
    const bool inDefinition = State().destination == RtfDestination::ListDefinition;
    if (State().destination == RtfDestination::ListTable) {
        const int value = hasParam ? param : 0;
        switch (keyword) {
        case RtfKeyword::ListEntry:
            listTable_.BeginList();
            return true;
        case RtfKeyword::ListId:
            listTable_.SetListId(value);
            return true;
        case RtfKeyword::ListLevelEntry:
            listTable_.BeginLevel();
            return true;
        case RtfKeyword::LevelFormat:
            listTable_.SetLevelFormat(value);
            return true;
        case RtfKeyword::LevelStart:
            listTable_.SetLevelStart(value);
            return true;
        case RtfKeyword::ListOverride:
            listTable_.Override(value);
            return true;
        default:
            break;
        }
    }
    switch (keyword) {
    case RtfKeyword::ListBullet:
    case RtfKeyword::ListDecimal:
    case RtfKeyword::ListUpperRoman:
    case RtfKeyword::ListLowerRoman:
    case RtfKeyword::ListUpperLetter:
    case RtfKeyword::ListLowerLetter:
        if (inDefinition) {
            list.style = keyword == RtfKeyword::ListBullet        ? Style::Bullet
                         : keyword == RtfKeyword::ListDecimal     ? Style::Decimal
                         : keyword == RtfKeyword::ListUpperRoman  ? Style::UpperRoman
                         : keyword == RtfKeyword::ListLowerRoman  ? Style::LowerRoman
                         : keyword == RtfKeyword::ListUpperLetter ? Style::UpperLetter
                                                                  : Style::LowerLetter;
        }
        return true;
    case RtfKeyword::ListStart:
        if (inDefinition) {
            list.start = std::clamp(hasParam ? param : 1, 0, 3999);
        }
        return true;
    default:
        return false;
    }
}

void RtfDocumentBuilder::StartFootnote()
{
    RtfGroupState& s = State();
    if (s.destination != RtfDestination::Body || static_cast<int>(footnotes_.size()) >= MaxFootnotes) {
        Skip();
        return;
    }
    s.destination = RtfDestination::Footnote;
    footnotes_.emplace_back();
    s.footnote = static_cast<int>(footnotes_.size()) - 1;
}

void RtfDocumentBuilder::FootnoteMark()
{
    RtfGroupState& s = State();
    if (s.destination == RtfDestination::Footnote) {
        // The note's own copy of its mark: the note takes the number of the
        // mark in the text that it belongs to.
        footnotes_[static_cast<std::size_t>(s.footnote)].number = footnoteMarks_;
    } else if (s.destination == RtfDestination::Body && !s.chars.hidden) {
        ++footnoteMarks_;
        writer_.InsertText(QString::number(footnoteMarks_), CharFormat(), s.paragraph.inTable,
                           rowReader_.Cells());
    }
}

void RtfDocumentBuilder::WriteFootnotes()
{
    if (footnotes_.empty()) {
        return;
    }
    // The notes follow the text as numbered paragraphs, after an empty one.
    RtfGroupState& s = State();
    s = RtfGroupState{};
    if (!writer_.InEmptyParagraph()) {
        writer_.EndParagraph(BlockFormat(), false, 0);
    }
    writer_.EndParagraph(BlockFormat(), false, 0);
    int ownNumber = 0;
    for (const Footnote& note : footnotes_) {
        QString text = note.text.simplified();
        if (note.number > 0) {
            ownNumber = note.number;
            text = QStringLiteral("%1. %2").arg(note.number).arg(text);
        } else if (text.isEmpty()) {
            text = QStringLiteral("%1.").arg(++ownNumber);
        }
        writer_.InsertText(text, CharFormat(), false, 0);
        writer_.EndParagraph(BlockFormat(), false, 0);
    }
}

void RtfDocumentBuilder::StartFieldResult()
{
    RtfGroupState& s = State();
    s.destination = RtfDestination::Body;
    if (s.field < 0) {
        return;
    }
    Field& field = fields_[static_cast<std::size_t>(s.field)];
    field.href = HyperlinkTarget(field.instruction);
    field.instruction = QString();
    if (!field.href.isEmpty()) {
        s.link = s.field;
    }
}

bool RtfDocumentBuilder::ParagraphKeyword(RtfKeyword keyword, bool hasParam, int param)
{
    RtfGroupState& s = State();
    if (keyword == RtfKeyword::Par) {
        markerShown_ = false;
        if (s.destination == RtfDestination::Body && !writer_.truncated()) {
            writer_.EndParagraph(BlockFormat(), s.paragraph.inTable, rowReader_.Cells());
        } else if (s.destination == RtfDestination::Footnote) {
            AppendChar(u' ');
        }
        return true;
    }
    return ApplyParagraphKeyword(s.paragraph, keyword, hasParam, param);
}

bool RtfDocumentBuilder::TableKeyword(RtfKeyword keyword, bool hasParam, int param)
{
    const bool inBody = State().destination == RtfDestination::Body;
    switch (keyword) {
    case RtfKeyword::Cell:
        markerShown_ = false;
        if (inBody) {
            writer_.EndCell(BlockFormat(), rowReader_.Cells());
        }
        return true;
    case RtfKeyword::Row:
        if (inBody) {
            writer_.EndRow();
        }
        return true;
    default:
        return rowReader_.Keyword(keyword, hasParam, param, tables_);
    }
}

void RtfDocumentBuilder::Text(QByteArrayView bytes)
{
    if (skipNesting_ > 0) {
        return;
    }
    starPending_ = false;
    if (State().destination == RtfDestination::Picture) {
        // Only the picture's own group holds its data; groups inside it
        // (properties, identifiers) do not.
        if (pictureDepth_ == stack_.size()) {
            picture_.AppendHex(bytes);
        }
        return;
    }
    if (fallbackLeft_ > 0) {
        const qsizetype skipped = std::min<qsizetype>(fallbackLeft_, bytes.size());
        fallbackLeft_ -= static_cast<int>(skipped);
        bytes = bytes.sliced(skipped);
    }
    if (writer_.truncated() && State().destination == RtfDestination::Body) {
        return;
    }
    while (!bytes.isEmpty()) {
        const qsizetype piece = std::min(bytes.size(), MaxPendingBytes);
        AppendBytes(bytes.first(piece));
        bytes = bytes.sliced(piece);
        if (!bytes.isEmpty()) {
            FlushText();
        }
    }
}

void RtfDocumentBuilder::HexByte(unsigned char byte)
{
    if (skipNesting_ > 0) {
        return;
    }
    starPending_ = false;
    if (ConsumeFallback()) {
        return;
    }
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
        return s.listAffix == 0;
    case RtfDestination::ListTable:
        return s.listAffix != 3;
    default:
        return false;
    }
}

void RtfDocumentBuilder::AppendBytes(QByteArrayView bytes)
{
    if (DropsText()) {
        return;
    }
    const RtfDestination destination = State().destination;
    if (destination == RtfDestination::ColorTable) {
        tables_.ColorTableText(bytes);
        return;
    }
    RtfTextDecoder::SymbolSet symbols = RtfTextDecoder::SymbolSet::None;
    if (destination != RtfDestination::FontTable) {
        if (const RtfStyleTables::Font* font = CurrentFont()) {
            symbols = font->symbols;
        }
    }
    text_.AppendBytes(bytes, CurrentCodePage(), symbols);
}

void RtfDocumentBuilder::AppendChar(char16_t ch)
{
    if (!DropsText() && State().destination != RtfDestination::ColorTable) {
        text_.AppendChar(ch);
    }
}

void RtfDocumentBuilder::FlushText()
{
    QString text = text_.Take();
    if (text.isEmpty()) {
        return;
    }
    RtfGroupState& s = State();
    switch (s.destination) {
    case RtfDestination::Body:
        DropControlChars(text);
        if (s.listText) {
            // A number written out is shown as it is; an empty one (some
            // writers leave only the tab) is made from the list's
            // description when the paragraph's text starts.
            if (IsBlank(text)) {
                return;
            }
            markerShown_ = true;
        } else if (!markerShown_ &&
                   (s.paragraph.list.style != RtfListProps::Style::None || s.paragraph.list.list > 0)) {
            markerShown_ = true;
            // \pn describes the number where it is given; otherwise the list
            // table does, for the paragraph's \lsN.
            const RtfListProps& list = s.paragraph.list;
            const RtfListProps props =
                list.style != RtfListProps::Style::None ? list : listTable_.Props(list.list, list.level);
            if (props.style != RtfListProps::Style::None) {
                writer_.InsertText(listNumbers_.Next(props), CharFormat(), s.paragraph.inTable,
                                   rowReader_.Cells());
            }
        }
        writer_.InsertText(text, CharFormat(), s.paragraph.inTable, rowReader_.Cells());
        break;
    case RtfDestination::ListTable:
        listTable_.SetLevelText(text);
        break;
    case RtfDestination::ListDefinition: {
        QString& affix = s.listAffix == 1 ? s.paragraph.list.before : s.paragraph.list.after;
        affix += text.left(RtfListProps::MaxAffix - affix.size());
        break;
    }
    case RtfDestination::FontTable:
        tables_.FontTableText(text);
        break;
    case RtfDestination::FieldInstruction:
        if (s.field >= 0) {
            QString& instruction = fields_[static_cast<std::size_t>(s.field)].instruction;
            const QString kept =
                text.left(std::min(MaxInstructionLength - instruction.size(), MaxFieldChars - fieldChars_));
            instruction += kept;
            fieldChars_ += kept.size();
        }
        break;
    case RtfDestination::Footnote: {
        DropControlChars(text);
        QString& note = footnotes_[static_cast<std::size_t>(s.footnote)].text;
        const QString kept =
            text.left(std::min(MaxFootnoteLength - note.size(), MaxFootnoteChars - footnoteChars_));
        note += kept;
        footnoteChars_ += kept.size();
        break;
    }
    case RtfDestination::ColorTable:
    case RtfDestination::Picture:
        break;
    }
}

const RtfStyleTables::Font* RtfDocumentBuilder::CurrentFont() const
{
    const RtfCharProps& c = State().chars;
    return tables_.FontAt(c.font >= 0 ? c.font : defaultFont_);
}

int RtfDocumentBuilder::CurrentCodePage() const
{
    if (State().destination == RtfDestination::FontTable) {
        return tables_.FontTableCodePage(documentCodePage_);
    }
    const RtfStyleTables::Font* font = CurrentFont();
    return font != nullptr && font->codePage > 0 ? font->codePage : documentCodePage_;
}

QTextCharFormat RtfDocumentBuilder::CharFormat() const
{
    const RtfGroupState& s = State();
    const QString href = s.link >= 0 ? fields_[static_cast<std::size_t>(s.link)].href : QString();
    return tables_.CharFormat(s.chars, defaultFont_, href);
}

QTextBlockFormat RtfDocumentBuilder::BlockFormat() const
{
    return RtfBlockFormat(State().paragraph);
}

} // namespace tintora
