// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>

namespace tintora {

// One line of text shaped as a line edit shapes it (no wrapping, trailing
// spaces counted): its glyphs, placed from the line's top left, and how far
// it advances.
struct ShapedLine {
    QList<QGlyphRun> runs;
    qreal width = 0;
};

ShapedLine ShapeLine(const QString& text, const QFont& font);

} // namespace tintora
