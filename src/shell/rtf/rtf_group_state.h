// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

namespace tintora {

// Where the text of a group goes.
enum class RtfDestination {
    Body,             // the document (also list bullets and field results)
    FontTable,        // font names
    ColorTable,       // colour entries, ended by ';'
    FieldInstruction, // the instruction of the enclosing \field
    Picture,          // the data of a \pict
    Footnote,         // the text of a \footnote, shown at the end
    ListDefinition,   // a \pn group: its text is the number's text before or after
    ListTable,        // \listtable, \listoverridetable: only level texts are kept
};

// How a paragraph's list number is made, from \pn (\pndec, \pnstart1,
// {\pntxta .}) and \ls. Used when the file gives no \listtext or \pntext
// with the number written out.
struct RtfListProps {
    enum class Style { None, Bullet, Decimal, UpperRoman, LowerRoman, UpperLetter, LowerLetter };
    static constexpr int MaxAffix = 8;

    Style style = Style::None;
    int start = 1;
    int list = 0;  // \lsN: paragraphs of one list count on
    int level = 0; // \ilvlN
    QString before;
    QString after;
};

// Paragraph properties; lengths in twips (1/1440 inch), as RTF writes them.
struct RtfParagraphProps {
    static constexpr int MaxTabStops = 32;
    enum class Align { Left, Center, Right, Justify };
    // Where text meets a tab stop: its start, end or middle, or its decimal point.
    enum class TabKind : unsigned char { Left, Right, Center, Decimal };
    struct Tab {
        int position = 0;
        TabKind kind = TabKind::Left;
    };

    Align align = Align::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool inTable = false;
    int background = 0; // \cbpatN, an index into the colour table; 0 for none
    RtfListProps list;
    int tabCount = 0;
    TabKind nextTabKind = TabKind::Left; // set by \tqr, \tqc, \tqdec for the next \txN
    std::array<Tab, MaxTabStops> tabs{};
};

// Character properties. Colours are indexes into the colour table; 0 is the
// automatic colour.
struct RtfCharProps {
    enum class Underline { None, Single, Double };
    enum class Script { Normal, Super, Sub };

    int font = -1;       // \fN, -1 for the document default
    int halfPoints = 24; // \fsN
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    bool caps = false;      // \caps
    bool smallCaps = false; // \scaps
    Underline underline = Underline::None;
    Script script = Script::Normal;
    int foreground = 0;
    int background = 0;
};

// Which text of a list description a group holds.
enum class RtfListAffix : unsigned char {
    None,
    Before,    // \pntxtb: the text before a \pn number
    After,     // \pntxta: the text after it
    LevelText, // \leveltext: a list table level's number template
};

// The state that a group saves on { and restores on }. Plain data (the
// strings are shared until written), so the stack copies it cheaply.
struct RtfGroupState {
    RtfDestination destination = RtfDestination::Body;
    RtfCharProps chars;
    RtfParagraphProps paragraph;
    int unicodeSkip = 1;   // \ucN: fallback characters after each \uN
    int field = -1;        // the \field this group belongs to, an index into the builder's fields
    int link = -1;         // in a field result: the field whose hyperlink the text carries
    int footnote = -1;     // in a footnote: an index into the builder's notes
    bool listText = false; // in \listtext or \pntext: the number written out
    RtfListAffix listAffix = RtfListAffix::None;
};

} // namespace tintora
