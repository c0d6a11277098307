// SPDX-License-Identifier: MIT
#pragma once

#include "shell/rtf/rtf_group_state.h"
#include "shell/rtf/rtf_keywords.h"
#include "shell/rtf/rtf_list_numbering.h"

#include <QString>

#include <optional>

namespace tintora {

// The lists of a document: the words that describe them (\pn groups, the
// list table and its overrides) and the numbers of list paragraphs.
//
// A number the file writes out (\listtext, \pntext) is shown as it is.
// When it writes none, or only blanks, the number is made when the
// paragraph's own text starts: from the paragraph's \pn when it has one,
// otherwise from the list table's level for its \lsN and \ilvlN.
class RtfLists
{
public:
    enum class Handled {
        No,   // not a list word
        Yes,  // applied to the group's state
        Skip, // a list destination where none may be: skip its group
    };

    // Applies a list word to the state of the group it is read in.
    // `mayOpen` is false when groups are nested too deep for a destination
    // to be scoped to its group.
    Handled Keyword(RtfGroupState& s, RtfKeyword keyword, bool hasParam, int param, bool mayOpen);

    // Text in a \pn group or the list table; dropped where it describes
    // nothing.
    void Text(RtfGroupState& s, const QString& text);
    static bool KeepsText(const RtfGroupState& s);

    // Body text is about to be written in a group with state `s`: the
    // number to write before it (empty for none), or nothing when the text
    // itself is left out (a \listtext of blanks, whose number is made
    // when the paragraph's text starts).
    std::optional<QString> BeforeBodyText(const RtfGroupState& s, const QString& text);
    // A paragraph or a table cell ended: the next text starts a new one.
    void EndParagraph() { numberShown_ = false; }

private:
    bool ListTableKeyword(RtfKeyword keyword, int value);
    QString Number(const RtfListProps& list);

    RtfListNumbering numbers_;
    RtfListTable table_;
    bool numberShown_ = false; // the paragraph's list number is written
};

} // namespace tintora
