// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QHash>
#include <QLabel>

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
// threshold that it misses. The tooltip and the accessible description
// (details()) spell everything out. Each line is a label of its own, so a
// change repaints only the line that changed.
class ColorFactsLabel : public QWidget
{
    Q_OBJECT

public:
    explicit ColorFactsLabel(QWidget* parent = nullptr);

    // Channels 0..255 each. Sets a line's text only when it changes.
    void setColors(Rgb newColor, Rgb oldColor);
    // The two lines, separated by '\n'.
    QString text() const;
    // The ratio, each level's verdict and the name's distance.
    QString details() const;

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    struct Name {
        QString text;
        bool exact = false;
        double deltaE = 0;
    };
    // The nearest name is the costly part and a drag comes back to the same
    // colours: names are kept by colour.
    const Name& nameOf(Rgb rgb) const;

    QLabel* contrast_;
    QLabel* name_;
    std::optional<std::pair<Rgb, Rgb>> shown_;
    mutable QHash<quint32, Name> names_;
};

} // namespace tintora
