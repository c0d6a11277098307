#include "mainwin/form1.h"

#include "core/color_conversions.h"
#include "mainwin/classic_field_style.h"
#include "mainwin/swatch_label.h"
#include "mainwin/system_colors_qt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace tintora {

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

Form1::Form1(QString programDir, QString userDataDir, QWidget* parent)
    : QWidget(parent), color_(*this), picker_(surface_, color_, *this), store_(std::move(programDir), std::move(userDataDir)),
      palettes_(surface_, color_, store_)
{
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    // Fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    BuildControls();
    RefreshSystemColors();
    surface_.Cls();
    surface_.setFont(font());
    surface_.setRefreshListener([this](const QRect& r) { update(r); });

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::webSiteRequested);
    connect(Command5, &QPushButton::clicked, this, &Form1::aboutRequested);
    connect(cmdADD, &QPushButton::clicked, this, &Form1::cmdADD_Click);
    connect(cmbPreset, &QComboBox::activated, this, [this](int) { cmbPreset_Click(); });
    connect(lblADDColor, &SwatchLabel::clicked, this, &Form1::lblADDColor_Click);
    connect(lblSelColor, &SwatchLabel::clicked, this, &Form1::lblSelColor_Click);
    connect(Label2, &SwatchLabel::clicked, this, &Form1::Label2_Click);
    for (int i = 0; i < ColorHistory::Size; ++i)
        connect(hist[static_cast<std::size_t>(i)], &SwatchLabel::clicked, this, [this, i] { hist_Click(i); });
    for (int i = 0; i < 4; ++i)
        connect(cmdCopy[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdCopy_Click(i); });
    connect(optH, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            picker_.optH_Click();
    });
    connect(optS, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            picker_.optS_Click();
    });
    connect(optB, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            picker_.optB_Click();
    });
    for (QLineEdit* f : {txtH, txtS, txtB})
        f->installEventFilter(this);
    for (QLineEdit* f : txtColor)
        f->installEventFilter(this);
    // Text fields paint their whole rectangle, so a changed field repaints
    // itself alone and not the frame behind it.
    fieldStyle_ = std::make_unique<ClassicFieldStyle>();
    for (QLineEdit* f : findChildren<QLineEdit*>()) {
        f->setAttribute(Qt::WA_OpaquePaintEvent);
        f->setStyle(fieldStyle_.get());
    }
}

Form1::~Form1() = default;

void Form1::Load()
{
    brand_ = LoadBranding();
    setWindowTitle(Q(brand_.productName) + QStringLiteral(" by ") + Q(brand_.companyName));
    Command4->setText(QStringLiteral("Visit ") + Q(brand_.webSite));
    palettes_.SetView(PaletteView::Picker);
    cmbPreset->clear();
    cmbPreset->addItem(QStringLiteral("Custom..."));
    cmbPreset->addItem(QStringLiteral("Safe Palette (216)"));
    cmbPreset->setCurrentIndex(-1);
    // Draws the hue strip (showing the window), the markers and the plane
    // for pure red.
    picker_.StartUp();
    surface_.setForeColor(0);
    loaded_ = true;
    SettingsStore settings(Q(brand_.productName));
    if (settings.GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1")) ==
        QStringLiteral("1"))
        emit showHelpAtStartup();
}

// ---- public operations -----------------------------------------------------

void Form1::DrawPicker()
{
    // The ring is state drawn at paint time: showing the picker shows it.
    picker_.SetMarkersVisible(true);
}

std::string Form1::GetHexVal(int red, int green, int blue) const
{
    return tintora::GetHexVal(red, green, blue);
}

void Form1::LoadColorDialog(ColorRef oldColor)
{
    lblSelColor->setColor(oldColor);
}

// ---- PickerView --------------------------------------------------------------

PickerMode Form1::Mode() const
{
    if (optS->isChecked())
        return PickerMode::Saturation;
    if (optB->isChecked())
        return PickerMode::Brightness;
    return PickerMode::Hue;
}

QLineEdit* Form1::Field(ChannelField field) const
{
    switch (field) {
    case ChannelField::Hue:
        return txtH;
    case ChannelField::Saturation:
        return txtS;
    case ChannelField::Brightness:
        return txtB;
    case ChannelField::Red:
        return Text1;
    case ChannelField::Green:
        return Text2;
    case ChannelField::Blue:
        return Text3;
    }
    return txtH;
}

std::string Form1::FieldText(ChannelField field) const
{
    return Field(field)->text().toStdString();
}

void Form1::SetFieldText(ChannelField field, const std::string& text)
{
    QLineEdit* f = Field(field);
    const QString t = Q(text);
    if (f->text() != t)
        f->setText(t);
}

void Form1::SetSelColor(ColorRef color)
{
    lblSelColor->setColor(color);
}

void Form1::ShowMessage(const QString& text)
{
    const QString title = Q(brand_.productName);
    if (messageHook_) {
        messageHook_(title, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
}

void Form1::ShowHueMessage()
{
    ShowMessage(QStringLiteral("Enter an Integer Value Between 0 and 360"));
}

void Form1::FocusHueField()
{
    txtH->setFocus(Qt::OtherFocusReason);
}

void Form1::ShowWindow()
{
    if (!isVisible())
        show();
}

void Form1::MarkersChanged(int x, int y, int width, int height)
{
    update(QRect(x, y, width, height));
}

void Form1::ShowOutputs(const ColorOutputs& outputs)
{
    // Only what changed is touched, so a drag repaints only the codes that
    // differ from the last move.
    for (std::size_t i = 0; i < txtColor.size(); ++i) {
        const QString t = Q(outputs.text[i]);
        if (txtColor[i]->text() != t)
            txtColor[i]->setText(t);
        if (txtColor[i]->isEnabled() != outputs.enabled[i])
            txtColor[i]->setEnabled(outputs.enabled[i]);
    }
    if (cboSysColors->currentIndex() != outputs.sysColorIndex)
        cboSysColors->setCurrentIndex(outputs.sysColorIndex);
}

// ---- events ------------------------------------------------------------------

void Form1::DrawMarkers(QImage& img, QPoint origin) const
{
    if (!picker_.MarkersVisible())
        return;
    // The ring and the dashes invert what lies beneath them.
    const PickerLayout& l = picker_.layout();
    Surface::InvertCircle(img, l.SelX - origin.x(), l.SelY - origin.y(), 5);
    const int row = picker_.MarkerRow() - origin.y();
    Surface::InvertHLine(img, l.SliderRight + 2 - origin.x(), l.SliderRight + 5 - origin.x(), row, 3);
    Surface::InvertHLine(img, l.SliderLeft - 5 - origin.x(), l.SliderLeft - 2 - origin.x(), row, 3);
}

QImage Form1::ComposedImage() const
{
    QImage img = surface_.image().copy();
    DrawMarkers(img, QPoint(0, 0));
    return img;
}

void Form1::paintEvent(QPaintEvent* e)
{
    const QRect r = e->rect().intersected(QRect(0, 0, Surface::Width, Surface::Height));
    QPainter p(this);
    if (!r.isEmpty()) {
        QImage part = surface_.image().copy(r);
        DrawMarkers(part, r.topLeft());
        p.drawImage(r.topLeft(), part);
    }
    if (loaded_ && !painted_) {
        painted_ = true;
        emit firstPaintDone();
    }
}

namespace {

// The client pixel under the pointer. On a scaled screen the pointer can sit
// between logical pixels; it is read at the pixel it is over, so a pick
// gives the same colour at every scale.
QPointF PixelUnder(const QMouseEvent* e)
{
    return {std::floor(e->position().x()), std::floor(e->position().y())};
}

} // namespace

void Form1::mousePressEvent(QMouseEvent* e)
{
    const CurrentColorModel::Batch batch(color_);
    const QPointF pos = PixelUnder(e);
    int button = 0;
    if (e->button() == Qt::LeftButton)
        button = LeftButton;
    else if (e->button() == Qt::RightButton)
        button = RightButton;
    else if (e->button() == Qt::MiddleButton)
        button = MiddleButton;
    if (palettes_.View() != PaletteView::Picker) {
        if (button == LeftButton) {
            const auto pick = palettes_.PickPaletteCell(pos.x(), pos.y());
            if (pick.hit)
                lblSelColor->setColor(pick.selColor);
        }
        return;
    }
    picker_.MouseDown(button, pos.x(), pos.y());
}

void Form1::mouseMoveEvent(QMouseEvent* e)
{
    const CurrentColorModel::Batch batch(color_);
    const QPointF pos = PixelUnder(e);
    const bool leftAlone = e->buttons() == Qt::LeftButton;
    if (palettes_.View() != PaletteView::Picker) {
        if (leftAlone) {
            const auto pick = palettes_.PickPaletteCell(pos.x(), pos.y());
            if (pick.hit)
                lblSelColor->setColor(pick.selColor);
        }
        return;
    }
    picker_.MouseMove(leftAlone ? LeftButton : 0, pos.x(), pos.y());
}

void Form1::mouseReleaseEvent(QMouseEvent*)
{
    const CurrentColorModel::Batch batch(color_);
    picker_.MouseUp();
}

void Form1::closeEvent(QCloseEvent* e)
{
    e->accept();
    emit closed();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        // Ctrl+C in an output field with nothing selected copies the whole code.
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && std::find(txtColor.begin(), txtColor.end(), field) != txtColor.end() &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !field->hasSelectedText()) {
            QApplication::clipboard()->setText(field->text());
            return true;
        }
    } else if (event->type() == QEvent::KeyRelease) {
        if (watched == txtH)
            picker_.txtH_KeyUp();
        else if (watched == txtS)
            picker_.txtS_KeyUp();
        else if (watched == txtB)
            picker_.txtB_KeyUp();
    } else if (event->type() == QEvent::FocusOut && watched == txtH) {
        // Leaving the field, not a message box or popup taking the focus
        // for a moment.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible())
            picker_.txtH_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange)
        RefreshSystemColors();
    QWidget::changeEvent(e);
}

void Form1::RefreshSystemColors()
{
    const SystemColorTable sys = SystemColorsFromPalette(QApplication::palette());
    color_.setSystemColors(sys);
    surface_.setEdgeColors(EdgeColorsFrom(sys));
    surface_.setBackColor(sys[15]);
}

// ---- palettes and history ------------------------------------------------------

void Form1::Command3_Click()
{
    surface_.Cls();
    if (palettes_.View() != PaletteView::Picker) {
        // Back to the picker, rebuilt for the selected mode from the fields.
        surface_.Cls();
        cmbPreset->hide();
        Command3->setText(QStringLiteral("&Preset"));
        picker_.SetMarkersVisible(true);
        picker_.RunModeHandler();
        palettes_.SetView(PaletteView::Picker);
        Frame2->show();
        cmdADD->hide();
        lblADDColor->hide();
        Frame3->hide();
    } else {
        Frame2->hide();
        picker_.SetMarkersVisible(false);
        palettes_.SetView(PaletteView::CustomColors);
        palettes_.LoadCustomColors();
        Command3->setText(QStringLiteral("&Picker"));
        cmbPreset->show();
        cmbPreset->setCurrentIndex(0);
        cmbPreset_Click();
        lblADDColor->setColor(lblSelColor->color());
        cmdADD->show();
        lblADDColor->show();
        Frame3->show();
    }
    surface_.Refresh();
    update();
}

void Form1::cmbPreset_Click()
{
    surface_.Cls();
    switch (cmbPreset->currentIndex()) {
    case 0:
        palettes_.LoadCustomColors();
        cmdADD->show();
        lblADDColor->show();
        palettes_.SetView(PaletteView::CustomColors);
        break;
    case 1:
        palettes_.DrawSafePalette();
        cmdADD->hide();
        lblADDColor->hide();
        palettes_.SetView(PaletteView::SafePalette);
        break;
    default:
        break;
    }
    surface_.Refresh();
}

void Form1::cmdADD_Click()
{
    const SaveResult saved = palettes_.AddColor(lblADDColor->color());
    if (!saved.ok && !saveFailureReported_) {
        // Said once a session: the colour stays in the grid until the
        // program ends, and the next "Add" tries to save again.
        saveFailureReported_ = true;
        ShowMessage(QStringLiteral("The custom colours could not be saved.\n\n%1\n\n"
                                   "The new colour stays in the palette until %2 is closed.")
                        .arg(saved.error, Q(brand_.productName)));
    }
}

void Form1::lblADDColor_Click()
{
    palettes_.ShowSwatchColor(lblADDColor->color());
}

void Form1::Command1_Click()
{
    history_.Keep(lblSelColor->color());
    Label2->setColor(history_.Old());
    for (int i = 0; i < ColorHistory::Size; ++i)
        hist[static_cast<std::size_t>(i)]->setColor(history_.At(i));
}

void Form1::hist_Click(int index)
{
    if (index < 0 || index >= ColorHistory::Size)
        return;
    palettes_.ShowSwatchColor(hist[static_cast<std::size_t>(index)]->color());
}

void Form1::lblSelColor_Click()
{
    palettes_.ShowSwatchColor(lblSelColor->color());
}

void Form1::Label2_Click()
{
    palettes_.ShowSwatchColor(Label2->color());
}

void Form1::cmdCopy_Click(int index)
{
    static constexpr int paired[] = {2, 4, 3, 5};
    if (index < 0 || index > 3)
        return;
    QApplication::clipboard()->setText(txtColor[static_cast<std::size_t>(paired[index])]->text());
}

} // namespace tintora
