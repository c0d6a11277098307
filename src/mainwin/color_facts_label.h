// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QWidget>

#include <optional>
#include <utility>

namespace tintora {

// Two lines for the free band below the bottom buttons: the WCAG 2.x
// contrast of the "New" colour on the "Old" one with the levels it passes,
// and the nearest CSS colour name of "New", marked exact when it is:
//
//   Contrast 4.54:1 - AA: normal, large - AAA: large
//   Nearest name: dimgray
//
// The ratio is cut to two decimals, never rounded up, so it never shows a
// threshold that it misses. The tooltip (details()) spells everything out.
//
// It changes on every move of a drag, usually in one word (the ratio), so it
// draws its text itself, as a plain label would place it, a word at a time:
// each word is shaped once and kept, and a change repaints only the words
// that changed or moved.
class ColorFactsLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ColorFactsLabel(QWidget* parent = nullptr);

    // Channels 0..255 each.
    void setColors(Rgb newColor, Rgb oldColor);

    // The two lines, separated by '\n'.
    QString text() const { return text_; }
    // The tooltip: the ratio, each level's verdict and the name's distance.
    QString details() const;
    QSize sizeHint() const override;

    // A word with the spaces after it, as drawn at `x` on its line.
    struct Word {
        QString text;
        qreal x = 0;
        qreal advance = 0;
        // Where its pixels lie, from x: a glyph may reach past its advance.
        qreal inkLeft = 0;
        qreal inkWidth = 0;
    };
    using Line = QList<Word>;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // A word shaped once for the widget's font, and how far it advances.
    struct Shaped {
        QList<QGlyphRun> glyphs; // placed from the word's top left
        qreal advance = 0;
        QRectF ink; // where its glyphs lie, from the start of the word
    };

    void setText(const QString& text);
    // The lines of `text` in words, each placed; lines spelt as `before` are kept.
    QList<Line> split(const QString& text, const QList<Line>& before);
    const Shaped& shaped(const QString& word);
    // Takes the font's metrics and forgets the words shaped in another font.
    void takeFont();
    // The top of line `i` of the lines shown.
    qreal lineTop(qsizetype i) const;

    QString text_;
    QList<Line> lines_;
    QHash<QString, Shaped> shapes_;
    qreal lineHeight_ = 0;
    qreal leading_ = 0;
    // What the text shows, so that the same colours are not worked out again
    // on every move of a drag.
    std::optional<std::pair<Rgb, Rgb>> shown_;
};

} // namespace tintora
