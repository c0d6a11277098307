// SPDX-License-Identifier: MIT
#pragma once

#include "core/system_colors.h"
#include "core/view_update.h"
#include "palettes/custom_colors_store.h"
#include "palettes/grid_cells.h"
#include "surface/surface.h"

#include <QString>

#include <array>
#include <string>

namespace tintora {

// What the picker area shows.
enum class PaletteView { Picker = 0, CustomColors = 1, SafePalette = 4 };

// The 224-cell grid that replaces the picker on demand: painting the custom
// or web-safe palette, the sunken frame round the selected cell, picking a
// cell and storing a colour in the personal palette, and the colour readout.
// The window keeps the controls (which view is shown, the swatches); this
// class draws on the surface and returns what the window must show.
class PaletteController
{
public:
    PaletteController(Surface& surface, CustomColorsStore& store);

    const GridCells& Cells() const { return cells_; }
    PaletteView View() const { return view_; }
    void SetView(PaletteView v) { view_ = v; }
    Surface& surface() const { return surface_; }
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

    // A click on the grid: selects the cell under (x, y) (strictly inside;
    // outlines and gaps select nothing), and its colour fills the "New"
    // swatch, becomes current and is printed in the readout. The eight
    // filler cells after the web-safe colours are black, and pick black.
    ViewUpdate PickPaletteCell(double x, double y, const SystemColorTable& sys);
    // The same for cell `index` (1..224), for the keyboard.
    ViewUpdate PickCell(int index, const SystemColorTable& sys);
    // The cell `dx` columns and `dy` rows from the selected one, clamped to
    // the grid.
    int CellMovedBy(int dx, int dy) const;
    // Moves the selection frame to cell `index` (1..224) without picking it.
    void SelectCell(int index);
    // The colour cell `index` (1..224) of the shown grid picks.
    ColorRef CellColor(int index) const;

    // "Add": stores `addColor` in the selected cell, repaints it and saves
    // the palette. The colour stays in memory when saving fails. The grid
    // then shows the palette as saved, with cells that another window saved
    // meanwhile.
    SaveResult AddColor(ColorRef addColor);
    // Whether the last AddColor's failure is news to the user: the first
    // failure, or the first after a save succeeded. A failure that repeats
    // on every "Add" is said once.
    bool SaveFailureIsNews() const { return saveFailureIsNews_; }

    // A swatch click: the swatch's colour becomes current and the readout
    // shows it; "New" and the picker stay as they are.
    ViewUpdate ShowSwatchColor(ColorRef color, const SystemColorTable& sys);

    // The four-line "R: ", "G: ", "B: ", "Hex: #" readout, printed in the
    // band below the two bottom buttons where no control covers it.
    void ShowColorInfo(int red, int green, int blue, const std::string& hex);
    static std::array<QString, 4> ColorInfoLines(int red, int green, int blue, const std::string& hex);

    static constexpr int ReadoutLeft = 8;
    static constexpr int ReadoutTop = 451;
    static constexpr int ReadoutWidth = 100;

private:
    void DrawCell(int index, ColorRef fill);
    ViewUpdate SelectAndPick(int k, const SystemColorTable& sys);

    Surface& surface_;
    CustomColorsStore& store_;
    GridCells cells_ = BuildGridCells();
    CustomColorArray customColors_{};
    PaletteView view_ = PaletteView::Picker;
    int selectedCell_ = 1;
    bool lastSaveOk_ = true;
    bool saveFailureIsNews_ = false;
};

} // namespace tintora
