#pragma once

#include "core/current_color.h"
#include "palettes/custom_colors_store.h"
#include "palettes/grid_cells.h"
#include "surface/surface.h"

#include <string>

namespace tintora {

// What the picker area shows.
enum class PaletteView { Picker = 0, CustomColors = 1, SafePalette = 4 };

// The 224-cell grid that replaces the picker on demand: painting the custom
// or web-safe palette, the sunken frame round the selected cell, picking a
// cell and storing a colour in the personal palette. The window keeps the
// controls (which view is shown, the swatches); this class does what happens
// on the drawing surface and to the current colour.
class PaletteController
{
public:
    PaletteController(Surface& surface, CurrentColorModel& color, CustomColorsStore& store);

    const GridCells& Cells() const { return cells_; }
    PaletteView View() const { return view_; }
    void SetView(PaletteView v) { view_ = v; }
    int SelectedCell() const { return selectedCell_; }
    const CustomColorArray& CustomColors() const { return customColors_; }

    // Reads the custom colours file (never creating it), paints the 224
    // cells and marks the selected one.
    void LoadCustomColors();
    // Paints the 216 web-safe colours, the eight black filler cells and the
    // selection frame.
    void DrawSafePalette();
    // The sunken frame round cell `index`, or its erasure.
    void DrawSafePicker(int index, bool clear);

    // What a click on the grid gave the "New" swatch.
    struct CellPick {
        bool hit = false;
        ColorRef selColor = 0;
    };
    // Selects the cell under (x, y) (strictly inside; outlines and gaps
    // select nothing), makes its colour current and prints the readout.
    CellPick PickPaletteCell(double x, double y);

    // "Add": stores `addColor` in the selected cell, repaints it and saves
    // the palette. The colour stays in memory when saving fails.
    SaveResult AddColor(ColorRef addColor);

    // The four-line "R: ", "G: ", "B: ", "Hex: #" readout right of the strip.
    void ShowColorInfo(int red, int green, int blue, const std::string& hex);
    // A swatch click: the swatch's colour made current, then the readout.
    void ShowSwatchColor(ColorRef color);

    static constexpr int ReadoutLeft = 312; // strip's right edge + 20
    static constexpr int ReadoutTop = 80;

private:
    void DrawCell(int index, ColorRef fill);

    Surface& surface_;
    CurrentColorModel& color_;
    CustomColorsStore& store_;
    GridCells cells_ = BuildGridCells();
    CustomColorArray customColors_{};
    PaletteView view_ = PaletteView::Picker;
    int selectedCell_ = 1;
};

} // namespace tintora
