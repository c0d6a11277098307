// SPDX-License-Identifier: MIT
#pragma once

#include "core/branding.h"
#include "core/view_update.h"
#include "palettes/custom_colors_store.h"
#include "palettes/palette_controller.h"

#include <QObject>

#include <functional>

class QComboBox;
class QPushButton;
class QWidget;

namespace tintora {

class SwatchLabel;

// The palette side of the main window: the preset list, the "Add" button
// with the colour it adds, and the grid's menu that imports and exports
// palette files. It runs the PaletteController for them and tells the
// window what to show through its signals.
class PalettePanel : public QObject
{
    Q_OBJECT
public:
    PalettePanel(QWidget* window, PaletteController& palettes, CustomColorsStore& store,
                 const SystemColorTable& sys, const BrandInfo& brand);

    // Creates the controls on the window, in Tab order.
    void buildControls();
    // Fills the preset list, none chosen.
    void fillPresets();
    // Shows the preset list and the add panel (grid true) or hides them.
    void showGrid(bool grid);
    // The colour that "Add" stores, shown on its swatch; emits nothing.
    void showAddColor(ColorRef color);
    void onPresetChosen();
    void addColorToPalette();
    void onAddSwatchClicked();
    void showMenu(const QPoint& globalPos);
    void importPalette();
    void exportPalette();

    // Replaces the file dialogs of palette import and export (tests answer
    // with a path, or an empty text for a cancel).
    using FileDialogHook = std::function<QString(bool save)>;
    void setFileDialogHook(FileDialogHook hook) { fileDialogHook_ = std::move(hook); }

signals:
    void updated(const tintora::ViewUpdate& update);
    // The grid changed: what a screen reader is told must follow.
    void gridChanged();
    void message(const QString& text);

private:
    QString askForPaletteFile(bool save);

    QWidget* window_;
    PaletteController& palettes_;
    CustomColorsStore& store_;
    ColorRef addColor_ = 0;
    const SystemColorTable& sys_;
    const BrandInfo& brand_;
    FileDialogHook fileDialogHook_;

    QWidget* addPanel_ = nullptr;      // Frame3
    SwatchLabel* addSwatch_ = nullptr; // lblADDColor
    QComboBox* presetList_ = nullptr;  // cmbPreset
    QPushButton* addButton_ = nullptr; // cmdADD
};

} // namespace tintora
