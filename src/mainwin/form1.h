#pragma once

#include "core/branding.h"
#include "core/current_color.h"
#include "platform/settings_store.h"
#include "palettes/color_history.h"
#include "palettes/custom_colors_store.h"
#include "palettes/palette_controller.h"
#include "picker/picker_controller.h"
#include "surface/surface.h"

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

// The main window: a fixed 480 x 519 client area holding the picker surface,
// the channel fields, the palette controls, the history row and the output
// codes. It builds its controls at their fixed places, forwards events to
// the picker and palette controllers and shows their results. It never opens
// other windows itself: it asks for them with signals.
class Form1 : public QWidget, private PickerView, private OutputsSink
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
    // shows the window), then the "showHelp" setting.
    void Load();
    bool Loaded() const { return loaded_; }

    // Public operations of the window.
    void DrawPicker();
    void DrawSelFrame() { picker_.DrawSelFrame(); }
    void DrawMainFrame() { picker_.DrawMainFrame(); }
    void DrawSafePicker(int index, bool clear) { palettes_.DrawSafePicker(index, clear); }
    std::string GetHexVal(int red, int green, int blue) const;
    void LoadColorDialog(ColorRef oldColor);

    // Handlers, public so that tests and the keyboard can drive them.
    void Command1_Click();          // "Keep"
    void Command3_Click();          // picker <-> grid
    void cmbPreset_Click();
    void cmdADD_Click();
    void lblADDColor_Click();
    void hist_Click(int index);
    void lblSelColor_Click();
    void Label2_Click();
    void cmdCopy_Click(int index);

    PickerController& picker() { return picker_; }
    PaletteController& palettes() { return palettes_; }
    const Surface& surface() const { return surface_; }
    const ColorHistory& history() const { return history_; }
    const BrandInfo& brand() const { return brand_; }
    CurrentColorModel& colorModel() { return color_; }

    // The surface with the markers drawn over it, as the window shows it.
    QImage ComposedImage() const;

    // Replaces the modal message boxes (tests record them instead).
    using MessageHook = std::function<void(const QString& title, const QString& text)>;
    void setMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

signals:
    void aboutRequested();
    void webSiteRequested();
    void showHelpAtStartup();
    void closed();
    // The first paint after the start-up sequence has finished.
    void firstPaintDone();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* e) override;

private:
    // PickerView
    PickerMode Mode() const override;
    std::string FieldText(ChannelField field) const override;
    void SetFieldText(ChannelField field, const std::string& text) override;
    void SetSelColor(ColorRef color) override;
    void ShowHueMessage() override;
    void FocusHueField() override;
    void ShowWindow() override;
    void MarkersChanged(int x, int y, int width, int height) override;
    // OutputsSink
    void ShowOutputs(const ColorOutputs& outputs) override;

    void BuildControls();
    // Draws the ring and the slider dashes over a piece of the surface
    // whose top left corner is `origin`.
    void DrawMarkers(QImage& img, QPoint origin) const;
    QLineEdit* Field(ChannelField field) const;
    void ShowMessage(const QString& text);
    void RefreshSystemColors();

    BrandInfo brand_;
    Surface surface_;
    CurrentColorModel color_;
    PickerController picker_;
    CustomColorsStore store_;
    PaletteController palettes_;
    ColorHistory history_;
    bool loaded_ = false;
    bool painted_ = false;
    bool saveFailureReported_ = false;
    MessageHook messageHook_;
    std::unique_ptr<ClassicFieldStyle> fieldStyle_;

    // Controls, by design name.
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* cmdADD = nullptr;
    QGroupBox* Frame1 = nullptr;
    QWidget* Frame2 = nullptr;
    QWidget* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    SwatchLabel* lblSelColor = nullptr;
    SwatchLabel* Label2 = nullptr;
    SwatchLabel* lblADDColor = nullptr;
    QRadioButton* optH = nullptr;
    QRadioButton* optS = nullptr;
    QRadioButton* optB = nullptr;
    QLineEdit* txtH = nullptr;
    QLineEdit* txtS = nullptr;
    QLineEdit* txtB = nullptr;
    QLabel* lblH = nullptr;
    QLabel* lblS = nullptr;
    QLabel* lblBB = nullptr;
    QLabel* lblR = nullptr;
    QLabel* lblG = nullptr;
    QLabel* lblB = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QComboBox* cmbPreset = nullptr;
    QComboBox* cboSysColors = nullptr;
    std::array<SwatchLabel*, ColorHistory::Size> hist{};
    std::array<QLabel*, 5> lblCap{};
    std::array<QLineEdit*, 8> txtColor{};
    std::array<QPushButton*, 4> cmdCopy{};
};

} // namespace tintora
