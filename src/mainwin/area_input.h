// SPDX-License-Identifier: MIT
#pragma once

#include "core/view_update.h"
#include "mainwin/focus_area.h"
#include "palettes/palette_controller.h"
#include "picker/picker_controller.h"

#include <optional>

namespace tintora {

// The pointer and the keys on the plane and the slider, or on the palette
// grid drawn in the plane's place: each goes to the controller of what is
// shown. What comes back is for the window to apply; nothing means the
// event was not for the areas.
class AreaInput
{
public:
    enum class Focus { None, Plane, Slider };

    AreaInput(PickerController& picker, PaletteController& palettes, const SystemColorTable& sys);

    bool GridShown() const { return palettes_.View() != PaletteView::Picker; }
    // A left press on the grid picks the cell under it.
    std::optional<ViewUpdate> PressGrid(int button, double x, double y);
    // The area a left press on the picker gives the keyboard focus to.
    Focus PressFocus(int button, double x, double y) const;
    std::optional<ViewUpdate> Drag(const PickerInput& in, bool leftAlone, double x, double y);
    // On the grid the arrows move the selected cell and Space or Enter
    // picks it; on the picker the arrows move the ring or the slider.
    std::optional<ViewUpdate> Key(const PickerInput& in, const AreaKey& key, bool slider);
    // A Qt key pressed while `area` has the keyboard focus (None: nothing).
    std::optional<ViewUpdate> Key(const PickerInput& in, Focus area, int qtKey, bool shift);

    // "Presets" and "Picker": the grid of custom colours in the picker's
    // place with the markers hidden, or the picker back, rebuilt for
    // in.mode from the H, S and B fields.
    ViewUpdate ToggleView(const PickerInput& in);

    // What a screen reader is told of the plane (or the grid in its place)
    // and of the strip; the grid leaves the strip as it was.
    struct Descriptions {
        AreaDescription plane;
        std::optional<AreaDescription> slider;
    };
    Descriptions Describe(const PickerInput& in) const;

private:
    PickerController& picker_;
    PaletteController& palettes_;
    const SystemColorTable& sys_;
};

// The controllers' button (LeftButton ...) for a Qt mouse button, 0 for others.
int PointerButton(Qt::MouseButton button);

} // namespace tintora
