// SPDX-License-Identifier: MIT
#pragma once

#include "shell/rtf/rtf_group_state.h"

#include <QString>

#include <map>
#include <vector>

namespace tintora {

// How one level of a list in the list table is numbered.
struct RtfListLevel {
    RtfListProps::Style style = RtfListProps::Style::Decimal;
    int start = 1;
    // \leveltext: its length, then the text with the numbers of the levels
    // as the characters U+0000..U+0008 ("\'04\'00.\'01." for "2.1.").
    QString text;
};

// Makes the numbers of list paragraphs whose number the file does not write
// out (an empty \listtext, or \pn alone). Paragraphs of one list (\lsN)
// and level (\ilvlN) count on from the level's start number; a number at
// one level starts the levels below it afresh. At most MaxCounters lists
// and levels are counted; further ones show their start number.
class RtfListNumbering
{
public:
    static constexpr int MaxLevels = 9;
    static constexpr std::size_t MaxCounters = 4096;

    // For \pn: the bullet, or the text before, the number in the list's
    // style and the text after, then a tab. Counts the paragraph.
    QString Next(const RtfListProps& list);
    // For list `list` of the list table at `level`: the level's template
    // with each level's number in that level's style (the numbers of the
    // levels above as they stand), then a tab. Counts the paragraph.
    // Empty when the level has no number (style None).
    QString Next(int list, int level, const std::vector<RtfListLevel>& levels);

    // The number `n` (1..3999) in a numbering style: 3, iii, III, c, C;
    // letters past z double (aa, bb, ...). Empty for bullets.
    static QString Format(RtfListProps::Style style, int n);

private:
    int Count(int list, int level, int start);
    int Current(int list, int level, int start) const;
    static int Key(int list, int level);

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
    static constexpr qsizetype MaxLevelText = 64;

    void BeginList();                       // \list
    void SetListId(int id);                 // \listidN, in a list or an override
    void BeginLevel();                      // \listlevel
    void SetLevelFormat(int nfc);           // \levelnfcN
    void SetLevelStart(int start);          // \levelstartatN
    void SetLevelText(const QString& text); // the text of \leveltext
    void Override(int ls);                  // \lsN after \listidN in a \listoverride

    // The levels of the list that override `ls` names; nullptr when the
    // table does not describe it.
    const std::vector<RtfListLevel>* Levels(int ls) const;

private:
    struct List {
        int id = 0;
        std::vector<RtfListLevel> levels;
    };
    std::vector<List> lists_;
    std::map<int, int> overrides_; // \ls number to list id
    int overrideListId_ = 0;
};

} // namespace tintora
