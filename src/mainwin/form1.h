#pragma once

#include "core/branding.h"
#include "core/color_state.h"
#include "core/view_update.h"
#include "palettes/color_history.h"
#include "palettes/custom_colors_store.h"
#include "palettes/palette_controller.h"
#include "picker/picker_controller.h"
#include "surface/surface.h"

#include <QHash>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tintora {

class SwatchLabel;
class ClassicFieldStyle;
class ColorFactsLabel;
class CopyAsMenu;
class Eyedropper;
class FocusArea;
class SettingsStore;

// The main window: a fixed 480 x 519 client area holding the picker surface,
// the channel fields, the palette controls, the history row and the output
// codes. It builds its controls at their fixed places, hands events to the
// picker and palette controllers with the mode and the field texts, and
// applies the ViewUpdate they return in one place (Apply). It never opens
// other windows itself: it asks for them with signals.
//
// Each control's design name is its objectName ("Command1", "txtH", ...).
class Form1 : public QWidget
{
    Q_OBJECT
public:
    // programDir and userDataDir locate the custom colours file.
    Form1(QString programDir, QString userDataDir, QWidget* parent = nullptr);
    ~Form1() override;

    static constexpr int ClientWidth = 480;
    static constexpr int ClientHeight = 519;

    // The start-up sequence: branding, title and captions, grid cells,
    // picker layout, palette list, the picker drawn for pure red (which
    // shows the window, centred on its screen) with pure red made current,
    // then the "showHelp" setting.
    void Load();
    bool Loaded() const { return loaded_; }

    // Public operations of the window.
    void DrawPicker();
    void DrawSelFrame() { picker_.DrawSelFrame(); }
    void DrawMainFrame() { picker_.DrawMainFrame(); }
    void DrawSafePicker(int index, bool clear) { palettes_.DrawSafePicker(index, clear); }
    std::string GetHexVal(int red, int green, int blue) const;
    void LoadColorDialog(ColorRef oldColor);

    // User actions, public so that tests and the keyboard can drive them.
    void keepColor();         // "Keep"
    void togglePaletteView(); // "Presets" / "Picker"
    void onPresetChosen();    // the preset list
    void addColorToPalette(); // "Add"
    void onAddSwatchClicked();
    void onHistorySwatchClicked(int index);
    void onNewSwatchClicked();
    void onOldSwatchClicked();
    void copyOutput(int index); // Copy button 0..3
    void pickFromScreen();      // the eyedropper
    void importPalette();
    void exportPalette();
    // A colour from outside the picker (the eyedropper, a typed or pasted
    // code) made current exactly, as the picker shows it.
    void showColor(const Rgb& rgb);

    PickerMode mode() const { return mode_; }
    const PickerController& picker() const { return picker_; }
    const PaletteController& palettes() const { return palettes_; }
    const Surface& surface() const { return surface_; }
    const ColorHistory& history() const { return history_; }
    const BrandInfo& brand() const { return brand_; }
    const ColorState& colorModel() const { return color_; }

    // The surface with the markers drawn over it, as the window shows it.
    QImage ComposedImage() const;

    // Replaces the modal message boxes (tests record them instead).
    using MessageHook = std::function<void(const QString& title, const QString& text)>;
    void setMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
    // Replaces the file dialogs of palette import and export (tests answer
    // with a path, or an empty text for a cancel).
    using FileDialogHook = std::function<QString(bool save)>;
    void setFileDialogHook(FileDialogHook hook) { fileDialogHook_ = std::move(hook); }
    Eyedropper& eyedropper();

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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* e) override;

private:
    // Everything a controller's update asks for, in one place.
    void Apply(const ViewUpdate& update);
    PickerInput Input() const;
    void setMode(PickerMode mode);
    void onChannelKeyReleased(QLineEdit* field);
    bool handlePlaneKey(QKeyEvent* e);
    bool handleSliderKey(QKeyEvent* e);

    void BuildControls();
    // Draws the ring and the slider dashes over a piece of the surface
    // whose top left corner is `origin`.
    void DrawMarkers(QImage& img, QPoint origin) const;
    QLineEdit* Field(ChannelField field) const;
    void ShowMessage(const QString& text);
    void RefreshSystemColors();
    QPointF PixelUnder(const QMouseEvent* e) const;
    // Typed and pasted colours.
    void applyTypedColor(QLineEdit* field);
    void pasteColor();
    void markField(QLineEdit* field, const QString& why);
    void unmarkField(QLineEdit* field);
    bool isEntryField(const QObject* o) const;
    void showCopyAsMenu(int output, const QPoint& globalPos);
    void refreshColorFacts();
    QString askForPaletteFile(bool save);

    BrandInfo brand_;
    Surface surface_;
    ColorState color_;
    SystemColorTable sys_{};
    PickerController picker_;
    CustomColorsStore store_;
    PaletteController palettes_;
    ColorHistory history_;
    PickerMode mode_ = PickerMode::Hue;
    bool loaded_ = false;
    bool painted_ = false;
    bool saveFailureReported_ = false;
    // The channel field in which the last key went down: a key release only
    // counts where its press happened, so the key that closes a message box
    // is not taken as typing in the field beneath it.
    QLineEdit* keyDownIn_ = nullptr;
    MessageHook messageHook_;
    FileDialogHook fileDialogHook_;
    std::unique_ptr<ClassicFieldStyle> fieldStyle_;
    std::unique_ptr<SettingsStore> settings_;
    CopyAsMenu* copyAsMenu_ = nullptr;
    Eyedropper* eyedropper_ = nullptr;
    // What the window last wrote into each entry field: Escape brings it back.
    QHash<QLineEdit*, QString> shownText_;

    QPushButton* keepButton_ = nullptr;        // Command1
    QPushButton* cancelButton_ = nullptr;      // Command2, never shown
    QPushButton* presetsButton_ = nullptr;     // Command3
    QPushButton* visitButton_ = nullptr;       // Command4
    QPushButton* aboutButton_ = nullptr;       // Command5
    QPushButton* addButton_ = nullptr;         // cmdADD
    QGroupBox* swatchFrame_ = nullptr;         // Frame1
    QWidget* channelPanel_ = nullptr;          // Frame2
    QWidget* addPanel_ = nullptr;              // Frame3
    QGroupBox* outputsFrame_ = nullptr;        // Frame4
    QGroupBox* historyFrame_ = nullptr;        // Frame5
    QLabel* newCaption_ = nullptr;             // Label1
    QLabel* oldCaption_ = nullptr;             // Label3
    SwatchLabel* newSwatch_ = nullptr;         // lblSelColor
    SwatchLabel* oldSwatch_ = nullptr;         // Label2
    SwatchLabel* addSwatch_ = nullptr;         // lblADDColor
    QRadioButton* hueOption_ = nullptr;        // optH
    QRadioButton* saturationOption_ = nullptr; // optS
    QRadioButton* brightnessOption_ = nullptr; // optB
    QLineEdit* hueField_ = nullptr;            // txtH
    QLineEdit* saturationField_ = nullptr;     // txtS
    QLineEdit* brightnessField_ = nullptr;     // txtB
    QLabel* degreeLabel_ = nullptr;            // lblH
    QLabel* saturationUnit_ = nullptr;         // lblS
    QLabel* brightnessUnit_ = nullptr;         // lblBB
    QLabel* redCaption_ = nullptr;             // lblR
    QLabel* greenCaption_ = nullptr;           // lblG
    QLabel* blueCaption_ = nullptr;            // lblB
    QLineEdit* redField_ = nullptr;            // Text1
    QLineEdit* greenField_ = nullptr;          // Text2
    QLineEdit* blueField_ = nullptr;           // Text3
    QComboBox* presetList_ = nullptr;          // cmbPreset
    QComboBox* systemColorList_ = nullptr;     // cboSysColors, never shown
    FocusArea* planeArea_ = nullptr;           // keyboard focus for the plane or the grid
    FocusArea* sliderArea_ = nullptr;          // keyboard focus for the slider
    ColorFactsLabel* colorFacts_ = nullptr;    // contrast and name, below the bottom buttons
    QPushButton* pickButton_ = nullptr;        // "Pick from Screen", below the bottom buttons
    std::array<SwatchLabel*, ColorHistory::Size> historySwatches_{}; // hist(i)
    std::array<QLabel*, 5> outputCaptions_{};                        // lblCap(i)
    std::array<QLineEdit*, OutputCount> outputFields_{};             // txtColor(i)
    std::array<QPushButton*, 4> copyButtons_{};                      // cmdCopy(i)
};

} // namespace tintora
