// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tintora {

// The footnotes of a document (\footnote), gathered while it is read and
// shown after its text. Marks in the text (\chftn) are numbered in order;
// a note whose own text holds \chftn takes the number of the mark before
// it. A note without its own mark shows its text alone, or, when it has
// none, the number after the last one shown.
// Bounded: MaxNotes notes of MaxNoteLength characters, MaxChars in all.
class RtfFootnotes
{
public:
    static constexpr int MaxNotes = 1024;
    static constexpr int MaxNoteLength = 4096;
    static constexpr qsizetype MaxChars = 1 << 18;

    // A new note: its index, or -1 once MaxNotes notes are kept.
    int Begin();
    // \chftn in the text: the number that its mark shows.
    int MarkInText();
    // \chftn in note `note`: the note's own copy of its mark.
    void MarkInNote(int note);
    // Text of note `note`, kept up to the limits.
    void Append(int note, const QString& text);

    bool empty() const { return notes_.empty(); }
    // The notes as the paragraphs to show, in order: "2. text".
    QStringList Paragraphs() const;

private:
    struct Note {
        QString text;
        int number = 0; // its \chftn number, 0 when it has no mark of its own
    };
    std::vector<Note> notes_;
    int marks_ = 0;
    qsizetype chars_ = 0;
};

} // namespace tintora
