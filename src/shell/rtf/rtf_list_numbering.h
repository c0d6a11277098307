#pragma once

#include "shell/rtf/rtf_group_state.h"

#include <QString>

#include <map>

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

} // namespace tintora
