// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_footnotes.h"

#include <algorithm>

namespace tintora {

int RtfFootnotes::Begin()
{
    if (static_cast<int>(notes_.size()) >= MaxNotes)
        return -1;
    notes_.emplace_back();
    return static_cast<int>(notes_.size()) - 1;
}

int RtfFootnotes::MarkInText()
{
    return ++marks_;
}

void RtfFootnotes::MarkInNote(int note)
{
    // The note takes the number of the mark in the text that it belongs to.
    notes_[static_cast<std::size_t>(note)].number = marks_;
}

void RtfFootnotes::Append(int note, const QString& text)
{
    QString& kept = notes_[static_cast<std::size_t>(note)].text;
    const QString piece = text.left(std::min(MaxNoteLength - kept.size(), MaxChars - chars_));
    kept += piece;
    chars_ += piece.size();
}

QStringList RtfFootnotes::Paragraphs() const
{
    QStringList paragraphs;
    int ownNumber = 0;
    for (const Note& note : notes_) {
        QString text = note.text.simplified();
        if (note.number > 0) {
            ownNumber = note.number;
            text = QStringLiteral("%1. %2").arg(note.number).arg(text);
        } else if (text.isEmpty()) {
            text = QStringLiteral("%1.").arg(++ownNumber);
        }
        paragraphs << text;
    }
    return paragraphs;
}

} // namespace tintora
