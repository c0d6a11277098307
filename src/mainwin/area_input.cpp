// SPDX-License-Identifier: MIT
#include "mainwin/area_input.h"

namespace tintora {

AreaInput::AreaInput(PickerController& picker, PaletteController& palettes, const SystemColorTable& sys)
    : picker_(picker), palettes_(palettes), sys_(sys)
{
}

std::optional<ViewUpdate> AreaInput::PressGrid(int button, double x, double y)
{
    if (button != LeftButton)
        return std::nullopt;
    return palettes_.PickPaletteCell(x, y, sys_);
}

AreaInput::Focus AreaInput::PressFocus(int button, double x, double y) const
{
    if (button != LeftButton)
        return Focus::None;
    if (picker_.InPlane(x, y))
        return Focus::Plane;
    return picker_.InSliderZone(x, y) ? Focus::Slider : Focus::None;
}

std::optional<ViewUpdate> AreaInput::Drag(const PickerInput& in, bool leftAlone, double x, double y)
{
    if (!GridShown())
        return picker_.Drag(in, leftAlone ? LeftButton : 0, x, y);
    if (!leftAlone)
        return std::nullopt;
    return palettes_.PickPaletteCell(x, y, sys_);
}

std::optional<ViewUpdate> AreaInput::Key(const PickerInput& in, const AreaKey& key, bool slider)
{
    if (GridShown()) {
        if (slider || (key.dx == 0 && key.dy == 0 && !key.activate))
            return std::nullopt;
        if (key.activate)
            return palettes_.PickCell(palettes_.SelectedCell(), sys_);
        palettes_.SelectCell(palettes_.CellMovedBy((key.dx > 0) - (key.dx < 0), (key.dy > 0) - (key.dy < 0)));
        return ViewUpdate{};
    }
    if (key.dx == 0 && key.dy == 0)
        return std::nullopt;
    return slider ? picker_.MoveSliderBy(in, key.dy) : picker_.MoveRingBy(in, key.dx, key.dy);
}

std::optional<ViewUpdate> AreaInput::Key(const PickerInput& in, Focus area, int qtKey, bool shift)
{
    if (area == Focus::None)
        return std::nullopt;
    const bool slider = area == Focus::Slider;
    return Key(in, AreaKeyOf(qtKey, shift, slider), slider);
}

ViewUpdate AreaInput::ToggleView(const PickerInput& in)
{
    palettes_.surface().Cls();
    const bool toPicker = GridShown();
    ViewUpdate markers = picker_.SetMarkersVisible(toPicker);
    if (!toPicker) {
        palettes_.SetView(PaletteView::CustomColors);
        palettes_.LoadCustomColors();
        return markers;
    }
    ViewUpdate picker = picker_.SwitchMode(in);
    picker.repaint.insert(picker.repaint.begin(), markers.repaint.begin(), markers.repaint.end());
    palettes_.SetView(PaletteView::Picker);
    return picker;
}

AreaInput::Descriptions AreaInput::Describe(const PickerInput& in) const
{
    if (!GridShown())
        return {DescribePlane(in.mode, in.fields), DescribeStrip(in.mode, in.fields)};
    const int cell = palettes_.SelectedCell();
    return {DescribeGridCell(cell, GridCellCount, SplitColor(ResolveColor(palettes_.CellColor(cell), sys_))),
            std::nullopt};
}

int PointerButton(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        return LeftButton;
    if (button == Qt::RightButton)
        return RightButton;
    return button == Qt::MiddleButton ? MiddleButton : 0;
}

} // namespace tintora
