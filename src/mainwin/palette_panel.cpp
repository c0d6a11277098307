// SPDX-License-Identifier: MIT
#include "mainwin/palette_panel.h"

#include "mainwin/placed_controls.h"
#include "palettes/palette_exchange.h"
#include "platform/window_helpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>

namespace tintora {

PalettePanel::PalettePanel(QWidget* window, PaletteController& palettes, CustomColorsStore& store,
                           const SystemColorTable& sys, const BrandInfo& brand)
    : QObject(window), window_(window), palettes_(palettes), store_(store), sys_(sys), brand_(brand)
{
}

void PalettePanel::buildControls()
{
    addPanel_ = Make<QWidget>(window_, QStringLiteral("Frame3"), 296, 112, 181, 101);
    addPanel_->hide();
    addSwatch_ = Swatch(addPanel_, QStringLiteral("lblADDColor"), 8, 48, 169, 39, true);
    addSwatch_->setAccessibleName(tr("Colour to add"));
    addSwatch_->hide();

    presetList_ = Make<QComboBox>(window_, QStringLiteral("cmbPreset"), 304, 128, 171, 21);
    presetList_->setFont(VerdanaFont(8.25, false));
    presetList_->setPlaceholderText(tr("Safe Colors"));
    presetList_->setAccessibleName(tr("Palette"));
    presetList_->view()->setAccessibleName(tr("Palettes"));
    presetList_->hide();
    addButton_ = Button(window_, QStringLiteral("cmdADD"), 304, 200, 171, 59, tr("Add"));
    addButton_->hide();

    connect(addButton_, &QPushButton::clicked, this, &PalettePanel::addColorToPalette);
    connect(presetList_, &QComboBox::activated, this, [this](int) { onPresetChosen(); });
    connect(addSwatch_, &SwatchLabel::clicked, this, &PalettePanel::onAddSwatchClicked);
}

void PalettePanel::fillPresets()
{
    presetList_->clear();
    presetList_->addItem(tr("Custom..."));
    presetList_->addItem(tr("Safe Palette (216)"));
    presetList_->setCurrentIndex(-1);
}

void PalettePanel::showAddColor(ColorRef color)
{
    addColor_ = color;
    addSwatch_->setColor(color);
}

void PalettePanel::showGrid(bool grid)
{
    if (grid)
        presetList_->setCurrentIndex(0);
    presetList_->setVisible(grid);
    addPanel_->setVisible(grid);
    if (grid) {
        onPresetChosen();
        return;
    }
    addButton_->hide();
    addSwatch_->hide();
}

void PalettePanel::onPresetChosen()
{
    palettes_.surface().Cls();
    const int preset = presetList_->currentIndex();
    if (preset == 0) {
        palettes_.LoadCustomColors();
        palettes_.SetView(PaletteView::CustomColors);
    } else if (preset == 1) {
        palettes_.DrawSafePalette();
        palettes_.SetView(PaletteView::SafePalette);
    }
    if (preset == 0 || preset == 1) {
        addButton_->setVisible(preset == 0);
        addSwatch_->setVisible(preset == 0);
    }
    palettes_.surface().Refresh();
    emit gridChanged();
}

void PalettePanel::addColorToPalette()
{
    const SaveResult saved = palettes_.AddColor(addColor_);
    emit gridChanged();
    // A file that was not read cleanly was kept aside before this first
    // save over it: the user hears where, once.
    if (!saved.notice.isEmpty())
        emit message(saved.notice);
    if (palettes_.SaveFailureIsNews()) {
        emit message(tr("The custom colours could not be saved.\n\n%1\n\n"
                        "The colours you add stay in the palette, also when you switch to the other "
                        "grid and back, until a later \"Add\" saves them. Colours not saved by then "
                        "are lost when %2 is closed.")
                         .arg(saved.error, QString::fromStdString(brand_.productName)));
    }
}

void PalettePanel::onAddSwatchClicked()
{
    emit updated(palettes_.ShowSwatchColor(addColor_, sys_));
}

// ---- palette files ----------------------------------------------------------------

void PalettePanel::showMenu(const QPoint& globalPos)
{
    auto* menu = new QMenu(window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Import Palette..."), this, &PalettePanel::importPalette);
    menu->addAction(tr("Export Palette..."), this, &PalettePanel::exportPalette);
    menu->popup(globalPos);
}

QString PalettePanel::askForPaletteFile(bool save)
{
    if (fileDialogHook_)
        return fileDialogHook_(save);
    const QString filter = PaletteFileDialogFilter();
    return save ? QFileDialog::getSaveFileName(window_, tr("Export Palette"), QString(), filter)
                : QFileDialog::getOpenFileName(window_, tr("Import Palette"), QString(), filter);
}

void PalettePanel::importPalette()
{
    const QString path = askForPaletteFile(false);
    if (path.isEmpty())
        return;
    const PaletteImport result = ImportPaletteIntoStore(path, store_);
    if (result.ok && palettes_.View() == PaletteView::CustomColors) {
        palettes_.LoadCustomColors();
        emit gridChanged();
        window_->update();
    }
    emit message(result.message);
}

void PalettePanel::exportPalette()
{
    const QString path = askForPaletteFile(true);
    if (path.isEmpty())
        return;
    const PaletteExport result = ExportPaletteFile(
        path, store_.Load(), tr("%1 custom colours").arg(QString::fromStdString(brand_.productName)));
    emit message(result.message);
}

} // namespace tintora
