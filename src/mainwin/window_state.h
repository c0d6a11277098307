// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"
#include "palettes/color_history.h"
#include "picker/picker_layout.h"

namespace tintora {

// A swatch whose colour the codes show after a click on it, while "New"
// stays as it is: the "New" or "Old" swatch or a history place (0..17).
enum class SwatchId : int { None = -3, New = -2, Old = -1 };

// The main window's own state. The controllers read and update it; the
// widgets show it and hold none of it, so there is one place to ask what
// "New", "Old" or the mode is.
struct WindowState {
    ColorRef newColor = 0;                 // the "New" swatch
    ColorRef addColor = 0;                 // the swatch offered to "Add"
    PickerMode mode = PickerMode::Hue;     // the checked H, S or B option
    ColorHistory history;                  // "Old" and the 18 kept colours
    SwatchId shownSwatch = SwatchId::None; // marked until the next pick

    ColorRef oldColor() const { return history.Old(); }

    // "Keep": New goes to Old and the history. A history colour the codes
    // show moves with it (Old's to place 1, place i's to i + 1), so the mark
    // stays on the swatch that holds it, or goes with the last place.
    void keepNew()
    {
        history.Keep(newColor);
        const int shown = static_cast<int>(shownSwatch);
        if (shownSwatch == SwatchId::Old)
            shownSwatch = static_cast<SwatchId>(1);
        else if (shown >= 0)
            shownSwatch = shown + 1 < ColorHistory::Size ? static_cast<SwatchId>(shown + 1) : SwatchId::None;
    }
    // The colour of a swatch; a history place is its index as a SwatchId.
    ColorRef swatchColor(SwatchId id) const
    {
        if (id == SwatchId::New)
            return newColor;
        if (id == SwatchId::Old)
            return history.Old();
        return history.At(static_cast<int>(id));
    }
    // The colour the codes show: the swatch a click showed, else "New".
    ColorRef shownColor() const
    {
        return shownSwatch == SwatchId::None ? newColor : swatchColor(shownSwatch);
    }
};

} // namespace tintora
