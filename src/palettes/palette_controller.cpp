// SPDX-License-Identifier: MIT
#include "palettes/palette_controller.h"

#include "core/color_conversions.h"
#include "core/numeric.h"

#include <algorithm>
#include <cmath>

namespace tintora {

PaletteController::PaletteController(Surface& surface, CustomColorsStore& store)
    : surface_(surface), store_(store)
{
}

void PaletteController::DrawCell(int index, ColorRef fill)
{
    const CellRect& c = cells_[static_cast<std::size_t>(index)];
    // Slot values that are not plain colours (a hand-edited file) paint
    // as their low three bytes.
    surface_.Rectangle(c.left, c.top, c.right, c.bottom, Pen{0},
                       Fill::Solid(Rgb::FromColorRef(fill).ToColorRef()));
}

void PaletteController::LoadCustomColors()
{
    customColors_ = store_.Load();
    surface_.Cls();
    for (int i = 1; i <= GridCellCount; ++i)
        DrawCell(i, customColors_[static_cast<std::size_t>(i)]);
    DrawSafePicker(selectedCell_, false);
    surface_.Refresh();
}

void PaletteController::DrawSafePalette()
{
    int k = 0;
    for (int red = 0; red <= 255; red += 51)
        for (int green = 0; green <= 255; green += 51)
            for (int blue = 0; blue <= 255; blue += 51)
                DrawCell(++k, MakeColorRef(red, green, blue));
    for (k = 217; k <= GridCellCount; ++k)
        DrawCell(k, 0);
    DrawSafePicker(selectedCell_, false);
}

void PaletteController::DrawSafePicker(int index, bool clear)
{
    if (index < 1 || index > GridCellCount)
        return;
    const CellRect& c = cells_[static_cast<std::size_t>(index)];
    if (!clear) {
        surface_.DrawEdge(c.left - 3, c.top - 3, c.right + 3, c.bottom + 3, EdgeKind::Sunken);
    } else {
        // A 3-pixel pen on this outline paints over the two-pixel edge.
        surface_.Rectangle(c.left - 2, c.top - 2, c.right + 2, c.bottom + 2, Pen{surface_.backColor(), 3});
    }
}

ViewUpdate PaletteController::PickPaletteCell(double x, double y, const SystemColorTable& sys)
{
    // Pointer positions are whole pixels; a fractional one is taken at its
    // pixel.
    const int k = PickCellAt(cells_, static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    if (k == 0)
        return {};
    return SelectAndPick(k, sys);
}

ViewUpdate PaletteController::PickCell(int index, const SystemColorTable& sys)
{
    if (index < 1 || index > GridCellCount)
        return {};
    return SelectAndPick(index, sys);
}

int PaletteController::CellMovedBy(int dx, int dy) const
{
    const int row = std::clamp((selectedCell_ - 1) / GridColumns + dy, 0, GridCellCount / GridColumns - 1);
    const int column = std::clamp((selectedCell_ - 1) % GridColumns + dx, 0, GridColumns - 1);
    return row * GridColumns + column + 1;
}

void PaletteController::SelectCell(int index)
{
    if (index < 1 || index > GridCellCount)
        return;
    DrawSafePicker(selectedCell_, true);
    DrawSafePicker(index, false);
    surface_.Refresh();
    selectedCell_ = index;
}

ColorRef PaletteController::CellColor(int index) const
{
    if (index < 1 || index > GridCellCount)
        return 0;
    if (view_ == PaletteView::CustomColors)
        return customColors_[static_cast<std::size_t>(index)];
    // A filler cell of the safe grid is black on the screen, so black is
    // what it picks: the swatch, the codes and the readout agree.
    if (const auto safe = SafeColorFromIndex(index))
        return safe->color;
    return 0;
}

ViewUpdate PaletteController::SelectAndPick(int k, const SystemColorTable& sys)
{
    SelectCell(k);

    const ColorRef color = CellColor(k);
    ViewUpdate update;
    update.swatch = color;
    update.current = color;
    const Rgb rgb = SplitColor(ResolveColor(color, sys));
    ShowColorInfo(rgb.red, rgb.green, rgb.blue, GetHexVal(rgb.red, rgb.green, rgb.blue));
    return update;
}

SaveResult PaletteController::AddColor(ColorRef addColor)
{
    customColors_[static_cast<std::size_t>(selectedCell_)] = addColor;
    DrawSafePicker(selectedCell_, true);
    DrawCell(selectedCell_, addColor);
    SaveResult saved = store_.Save(customColors_);
    saveFailureIsNews_ = !saved.ok && lastSaveOk_;
    lastSaveOk_ = saved.ok;
    // The save laid this cell over the file as it is now: cells that another
    // window saved meanwhile show here too.
    for (int i = 1; i <= GridCellCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (saved.colors[slot] != customColors_[slot])
            DrawCell(i, saved.colors[slot]);
    }
    customColors_ = saved.colors;
    DrawSafePicker(selectedCell_, false);
    surface_.Refresh();
    return saved;
}

std::array<QString, 4> PaletteController::ColorInfoLines(int red, int green, int blue, const std::string& hex)
{
    return {
        QStringLiteral("R: ") + QString::fromStdString(DecimalText(red)),
        QStringLiteral("G: ") + QString::fromStdString(DecimalText(green)),
        QStringLiteral("B: ") + QString::fromStdString(DecimalText(blue)),
        QStringLiteral("Hex: #") + QString::fromStdString(hex),
    };
}

void PaletteController::ShowColorInfo(int red, int green, int blue, const std::string& hex)
{
    const std::array<QString, 4> lines = ColorInfoLines(red, green, blue, hex);
    const int height = 4 * surface_.lineHeight();
    const ColorRef back = surface_.backColor();
    surface_.Rectangle(ReadoutLeft, ReadoutTop, ReadoutLeft + ReadoutWidth + 1, ReadoutTop + height + 1,
                       Pen{back}, Fill::Solid(back));
    int y = ReadoutTop;
    for (const QString& line : lines)
        y = surface_.Print(ReadoutLeft, y, line, 0);
    surface_.Refresh();
}

ViewUpdate PaletteController::ShowSwatchColor(ColorRef color, const SystemColorTable& sys)
{
    ViewUpdate update;
    update.current = color;
    const Rgb rgb = SplitColor(ResolveColor(color, sys));
    ShowColorInfo(rgb.red, rgb.green, rgb.blue, GetHexVal(rgb.red, rgb.green, rgb.blue));
    return update;
}

} // namespace tintora
