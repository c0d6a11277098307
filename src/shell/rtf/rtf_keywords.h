// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>

namespace tintora {

// The control words the reader acts on. Every other word is ignored, or,
// behind \*, makes its group skipped.
enum class RtfKeyword {
    Unknown,
    // Destinations.
    Rtf,
    FontTable,
    ColorTable,
    Field,
    FieldInstruction,
    FieldResult,
    ListText,
    PnText,
    Picture,      // \pict: shown when PNG or JPEG
    ShapePicture, // \shppict: holds the \pict that a reader should show
    Footnote,
    ListDefinition, // \pn: how the paragraph's number is made
    ListTextBefore, // \pntxtb, \pntxta: text before and after it
    ListTextAfter,
    ListTable,          // \listtable, \listoverridetable
    LevelText,          // \leveltext: a level's number template
    SkippedDestination, // a destination whose content is never shown
    // Document and font table.
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Font,
    FontCharset,
    FontCodePage,
    FontFamilyModern,
    // Colour table.
    Red,
    Green,
    Blue,
    // Character formatting.
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineDouble,
    UnderlineNone,
    Strike,
    FontSize,
    Foreground,
    Background,
    Super,
    Sub,
    NoSuperSub,
    Hidden,
    Caps,      // \caps: shown in capitals
    SmallCaps, // \scaps: shown in small capitals
    Up,        // \upN: raised by N half-points, shown as superscript
    Down,
    FootnoteMark, // \chftn: the automatic number of a footnote
    // Pictures.
    PngBlip,
    JpegBlip,
    PictureWidthGoal,
    PictureHeightGoal,
    PictureScaleX,
    PictureScaleY,
    // Paragraphs.
    Par,
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    TabStop,
    TabRight, // \tqr, \tqc, \tqdec: the kind of the next \txN
    TabCenter,
    TabDecimal,
    ParagraphBackground, // \cbpatN: the paragraph's shading colour
    InTable,
    Cell,
    Row,
    RowDefaults,
    CellEdge,
    NestedCell,
    // Table borders and cells.
    BorderStyle,   // \brdrs, \brdrdb, ...: a border is drawn
    BorderNone,    // \brdrnone, \brdrnil
    BorderWidth,   // \brdrwN
    BorderColor,   // \brdrcfN
    CellBorderTop, // \clbrdrt; the next border words describe it
    CellBorderLeft,
    CellBorderBottom,
    CellBorderRight,
    RowBorderTop, // \trbrdrt
    RowBorderLeft,
    RowBorderBottom,
    RowBorderRight,
    ParagraphBorder, // \brdrt, \box, ...: borders of paragraphs, not shown
    CellBackground,  // \clcbpatN
    CellMergeLeft,   // \clmrg
    CellMergeFirst,  // \clmgf
    CellMergeUp,     // \clvmrg
    CellMergeStart,  // \clvmgf
    NestedRow,
    // Lists.
    ListOverride, // \lsN
    ListLevel,    // \ilvlN
    ListBullet,
    ListDecimal,
    ListUpperRoman,
    ListLowerRoman,
    ListUpperLetter,
    ListLowerLetter,
    ListStart,
    ListEntry,      // \list
    ListId,         // \listidN
    ListLevelEntry, // \listlevel
    LevelFormat,    // \levelnfcN
    LevelStart,     // \levelstartatN
    // Characters written as words.
    Line,
    Tab,
    EmDash,
    EnDash,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    EmSpace,
    EnSpace,
    QuarterEmSpace,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    LtrMark,
    RtlMark,
};

// The keyword for a control word's name (case-sensitive, as RTF is).
RtfKeyword LookupKeyword(QByteArrayView name);

// Whether the keyword starts a destination. Only destinations may follow
// \*; any other word there makes its group skipped.
bool IsDestination(RtfKeyword keyword);

// The character that a character keyword (\tab, \line, \emdash, ...)
// stands for; 0 for every other keyword. \line is U+2028, the line break
// inside a paragraph; \nestcell and \nestrow of tables inside table cells
// become a tab and a line break.
char16_t KeywordCharacter(RtfKeyword keyword);

} // namespace tintora
