#pragma once

#include "shell/rtf/rtf_group_state.h"

#include <QString>

#include <map>
#include <vector>

namespace tintora {

// Makes the numbers of list paragraphs whose number the file does not write
// out (an empty \listtext, or \pn alone). Paragraphs of one list (\lsN)
// and level (\ilvlN) count on from the list's \pnstartN; a number at one
// level starts the levels below it afresh. At most MaxCounters lists and
// levels are counted; further ones show their start number.
class RtfListNumbering
{
public:
    static constexpr int MaxLevels = 9;
    static constexpr std::size_t MaxCounters = 4096;

    // The text that goes before the paragraph's own text: the bullet, or
    // the text before, the number in the list's style and the text after,
    // then a tab. Counts the paragraph.
    QString Next(const RtfListProps& list);

    // The number `n` (1..3999) in a numbering style: 3, iii, III, c, C;
    // letters past z double (aa, bb, ...). Empty for bullets.
    static QString Format(RtfListProps::Style style, int n);

private:
    std::map<int, int> counters_; // the next number, by list and level
};

// The list table (\listtable) and its overrides (\listoverridetable): how
// the levels of each list are numbered. Bounded: MaxLists lists of
// RtfListNumbering::MaxLevels levels, MaxOverrides overrides.
class RtfListTable
{
public:
    static constexpr std::size_t MaxLists = 256;
    static constexpr std::size_t MaxOverrides = 1024;

    void BeginList();              // \list
    void SetListId(int id);        // \listidN, in a list or an override
    void BeginLevel();             // \listlevel
    void SetLevelFormat(int nfc);  // \levelnfcN
    void SetLevelStart(int start); // \levelstartatN
    // \leveltext: a length, then text with the level numbers as the
    // characters U+0000..U+0008.
    void SetLevelText(const QString& text);
    void Override(int ls); // \lsN after \listidN in a \listoverride

    // How paragraphs of list override `ls` at `level` are numbered; style
    // None when the table does not say.
    RtfListProps Props(int ls, int level) const;

private:
    struct Level {
        RtfListProps::Style style = RtfListProps::Style::Decimal;
        int start = 1;
        QString text;
    };
    struct List {
        int id = 0;
        std::vector<Level> levels;
    };
    std::vector<List> lists_;
    std::map<int, int> overrides_; // \ls number to list id
    int overrideListId_ = 0;
};

} // namespace tintora
