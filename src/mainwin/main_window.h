// SPDX-License-Identifier: MIT
#pragma once

#include "core/branding.h"
#include "core/color_state.h"
#include "core/color_steps.h"
#include "core/view_update.h"
#include "mainwin/area_input.h"
#include "mainwin/palette_panel.h"
#include "mainwin/screen_pick.h"
#include "mainwin/window_state.h"
#include "palettes/custom_colors_store.h"
#include "palettes/palette_controller.h"
#include "picker/picker_controller.h"
#include "surface/surface.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace tintora {

class SwatchRow;
class ChannelFieldsPanel;
class ClassicFieldStyle;
class ColorFactsLabel;
class FocusArea;
class OutputCodesPanel;
class SettingsStore;

// The main window: a fixed 480 x 519 client area holding the picker surface,
// the channel fields, the palette controls, the history row and the output
// codes. It places the controls, hands events to the picker and palette
// controllers with the mode and the field texts, and applies the ViewUpdate
// they return in one place (apply). What the window holds (New, Old, the
// mode, the history) is a WindowState; the widgets only show it. It never
// opens other windows itself: it asks for them with signals.
//
// Each control's design name is its objectName ("Command1", "txtH", ...).
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    // programDir and userDataDir locate the custom colours file.
    MainWindow(QString programDir, QString userDataDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    static constexpr int ClientWidth = 480;
    static constexpr int ClientHeight = 519;

    // The start-up sequence: branding, title and captions, grid cells,
    // picker layout, palette list, the picker drawn for pure red (which
    // shows the window, centred on its screen) with pure red made current,
    // then the "showHelp" setting.
    void Load();
    // Shows oldColor as "New" without making it current.
    void LoadColorDialog(ColorRef oldColor);

    // User actions, public so that tests and the keyboard can drive them.
    void keepColor();         // "Keep"
    void togglePaletteView(); // "Presets" / "Picker"
    // A click on the "New" or "Old" swatch or a history place: the codes
    // and the readout show its colour, "New" and the picker stay.
    void showSwatch(SwatchId id);
    void pickFromScreen() { screenPick_->start(); } // the eyedropper
    // Ctrl+Z and Ctrl+Shift+Z (or Ctrl+Y): "New" steps back or forward
    // through its changes, each made current as a typed code is.
    void undoColor();
    void redoColor();

    const WindowState& state() const { return state_; }
    const PickerController& picker() const { return picker_; }
    const PaletteController& palettes() const { return palettes_; }
    // The preset list, "Add" and the palette files.
    PalettePanel& palettePanel() { return *palettePanel_; }
    const Surface& surface() const { return surface_; }
    const ColorState& colorModel() const { return color_; }

    // The surface with the markers drawn over it, as the window shows it.
    QImage composedImage() const;

    // Replaces the modal message boxes (tests record them instead).
    using MessageHook = std::function<void(const QString& title, const QString& text)>;
    void setMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
    Eyedropper& eyedropper() { return screenPick_->eyedropper(); }

signals:
    void aboutRequested();
    void webSiteRequested();
    void helpRequested();
    void showHelpAtStartup();
    void closed();
    // The first paint after the start-up sequence has finished.
    void firstPaintDone();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // Everything a controller's update asks for, in one place.
    void apply(const ViewUpdate& update);
    // The state shown on the swatches, the options and the band.
    void showState();
    // The plane's (or the grid's) and the strip's names and values, as a
    // screen reader is told them.
    void describeAreas();
    PickerInput pickerInput() const;
    void setMode(PickerMode mode);
    void showColor(const Rgb& rgb);
    // Makes an undone or redone colour current, recording no step.
    void takeStep(std::optional<ColorRef> color);
    void buildControls();
    void skipShaping();
    void connectControls();
    void showMessage(const QString& text);
    void showNote(const QString& text); // the band's message line
    void refreshSystemColors();
    QPointF pixelUnder(const QMouseEvent* e) const;

    BrandInfo brand_;
    Surface surface_;
    ColorState color_;
    WindowState state_;
    SystemColorTable sys_{};
    PickerController picker_;
    CustomColorsStore store_;
    PaletteController palettes_;
    AreaInput areas_{picker_, palettes_, sys_};
    ColorSteps steps_;
    // The "New" colour before a drag that changed it: the drag is one step,
    // recorded when it ends.
    std::optional<ColorRef> dragFrom_;
    bool stepping_ = false; // applying an undo or a redo
    bool loaded_ = false;
    bool painted_ = false;
    MessageHook messageHook_;
    std::unique_ptr<ClassicFieldStyle> fieldStyle_;
    std::unique_ptr<SettingsStore> settings_;
    ScreenPick* screenPick_ = nullptr;
    PalettePanel* palettePanel_ = nullptr; // Frame3, cmbPreset, cmdADD
    SwatchRow* swatches_ = nullptr;        // Frame1 and Frame5

    QPushButton* keepButton_ = nullptr;      // Command1
    QPushButton* cancelButton_ = nullptr;    // Command2, never shown
    QPushButton* presetsButton_ = nullptr;   // Command3
    QPushButton* visitButton_ = nullptr;     // Command4
    QPushButton* aboutButton_ = nullptr;     // Command5
    ChannelFieldsPanel* channels_ = nullptr; // Frame2
    OutputCodesPanel* codes_ = nullptr;      // Frame4
    QComboBox* systemColorList_ = nullptr;   // cboSysColors, never shown
    FocusArea* planeArea_ = nullptr;         // keyboard focus for the plane or the grid
    FocusArea* sliderArea_ = nullptr;        // keyboard focus for the slider
    ColorFactsLabel* colorFacts_ = nullptr;  // contrast and name, below the bottom buttons
    QLabel* messageLine_ = nullptr;          // refusals and notes, below the bottom buttons
    QPushButton* pickButton_ = nullptr;      // "Pick from Screen", below the bottom buttons
};

} // namespace tintora
