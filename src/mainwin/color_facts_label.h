// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

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
// threshold that it misses. The tooltip spells everything out.
class ColorFactsLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ColorFactsLabel(QWidget* parent = nullptr);

    // Channels 0..255 each.
    void setColors(Rgb newColor, Rgb oldColor);

private:
    // What the text shows, so that the same colours are not worked out again
    // on every move of a drag.
    std::optional<std::pair<Rgb, Rgb>> shown_;
};

} // namespace tintora
