// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"
#include "core/view_update.h"
#include "picker/picker_layout.h"

#include <QString>

namespace tintora {

// What a screen reader is told about the plane, the strip or the grid: its
// name, its value as text and, for the strip, its value as a number in its
// range.
struct AreaDescription {
    QString name;
    QString valueText;
    int value = 0;
    int minimum = 0;
    int maximum = 0;
};

// The plane of the picker in `mode`: named by the two channels it spans,
// its value the two field texts ("S 80 %, B 60 %").
AreaDescription DescribePlane(PickerMode mode, const ChannelTexts& fields);
// The strip: the mode's own channel as a number in its range.
AreaDescription DescribeStrip(PickerMode mode, const ChannelTexts& fields);
// The grid shown in the plane's place, by its selected cell (1..224) and
// that cell's colour ("Cell 17 of 224, #336699").
AreaDescription DescribeGridCell(int cell, int cellCount, Rgb color);

// What a key does on the plane, the strip or the grid: a step in pixels (arrows one, ten with
// Shift; on the slider only up and down, and Page Up and Page Down ten), or
// activate (Space, Return, Enter) on the plane's grid.
struct AreaKey {
    int dx = 0;
    int dy = 0;
    bool activate = false;
};
AreaKey AreaKeyOf(int key, bool shift, bool slider);

} // namespace tintora
