#include "palettes/palette_controller.h"

#include "core/color_conversions.h"
#include "core/numeric.h"

#include <QString>

#include <cmath>

namespace tintora {

PaletteController::PaletteController(Surface& surface, CurrentColorModel& color, CustomColorsStore& store)
    : surface_(surface), color_(color), store_(store)
{
}

void PaletteController::DrawCell(int index, ColorRef fill)
{
    const CellRect& c = cells_[static_cast<std::size_t>(index)];
    surface_.setFillStyle(FillStyle::Solid);
    surface_.setDrawMode(DrawMode::Copy);
    surface_.setDrawWidth(1);
    surface_.setForeColor(0);
    // Slot values that are not plain colours (a hand-edited file) paint
    // as their low three bytes.
    surface_.setFillColor(static_cast<ColorRef>(static_cast<std::uint32_t>(fill) & 0x00FFFFFFu));
    surface_.Rectangle(c.left, c.top, c.right, c.bottom);
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
    surface_.setFillStyle(FillStyle::Transparent);
    surface_.setDrawMode(DrawMode::Copy);
    surface_.setDrawWidth(3);
    if (!clear) {
        surface_.DrawEdge(c.left - 3, c.top - 3, c.right + 3, c.bottom + 3, EdgeKind::Sunken);
    } else {
        // A 3-pixel pen on this outline paints over the two-pixel edge.
        surface_.setForeColor(surface_.backColor());
        surface_.Rectangle(c.left - 2, c.top - 2, c.right + 2, c.bottom + 2);
    }
    surface_.setDrawWidth(1);
}

PaletteController::CellPick PaletteController::PickPaletteCell(double x, double y)
{
    CellPick pick;
    // Pointer positions are whole pixels; a fractional one is taken at its
    // pixel.
    const int k = PickCellAt(cells_, static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    if (k == 0)
        return pick;
    DrawSafePicker(selectedCell_, true);
    DrawSafePicker(k, false);
    surface_.Refresh();
    selectedCell_ = k;
    pick.hit = true;

    Rgb rgb;
    std::string hex;
    if (view_ == PaletteView::CustomColors) {
        const ColorRef c = customColors_[static_cast<std::size_t>(k)];
        pick.selColor = c;
        color_.AssignCurrentColor(c);
        rgb = color_.SetCurrentColor(c);
        hex = GetHexVal(rgb.red, rgb.green, rgb.blue);
    } else {
        // A filler cell finds no colour: black swatch, empty hex, and the
        // current colour stays as it was.
        if (const auto safe = color_.SafeColorFromIndex(k)) {
            rgb = safe->rgb;
            hex = safe->hex;
            pick.selColor = safe->color;
        }
    }
    ShowColorInfo(rgb.red, rgb.green, rgb.blue, hex);
    return pick;
}

SaveResult PaletteController::AddColor(ColorRef addColor)
{
    customColors_[static_cast<std::size_t>(selectedCell_)] = addColor;
    DrawSafePicker(selectedCell_, true);
    DrawCell(selectedCell_, addColor);
    const SaveResult saved = store_.Save(customColors_);
    DrawSafePicker(selectedCell_, false);
    surface_.Refresh();
    return saved;
}

void PaletteController::ShowColorInfo(int red, int green, int blue, const std::string& hex)
{
    surface_.setFillColor(surface_.backColor());
    surface_.setForeColor(surface_.backColor());
    surface_.setFillStyle(FillStyle::Solid);
    surface_.setDrawMode(DrawMode::Copy);
    surface_.setDrawWidth(1);
    // The box (312, 80) to (392, 130), both corners included.
    surface_.Rectangle(ReadoutLeft, ReadoutTop, ReadoutLeft + 81, ReadoutTop + 51);
    surface_.setCurrentPos(ReadoutLeft, ReadoutTop);
    surface_.setForeColor(0);
    const QString lines[] = {
        QStringLiteral("R: ") + QString::fromStdString(DecimalText(red)),
        QStringLiteral("G: ") + QString::fromStdString(DecimalText(green)),
        QStringLiteral("B: ") + QString::fromStdString(DecimalText(blue)),
        QStringLiteral("Hex: #") + QString::fromStdString(hex),
    };
    for (const QString& line : lines) {
        surface_.setCurrentPos(ReadoutLeft, surface_.currentY());
        surface_.Print(line);
    }
    surface_.Refresh();
}

void PaletteController::ShowSwatchColor(ColorRef color)
{
    const Rgb rgb = color_.SetCurrentColor(color);
    ShowColorInfo(rgb.red, rgb.green, rgb.blue, GetHexVal(rgb.red, rgb.green, rgb.blue));
}

} // namespace tintora
