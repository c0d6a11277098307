// SPDX-License-Identifier: MIT
#include "mainwin/form1.h"

#include "core/color_conversions.h"
#include "mainwin/channel_fields_panel.h"
#include "mainwin/classic_field_style.h"
#include "mainwin/code_field.h"
#include "mainwin/color_entry.h"
#include "mainwin/color_facts_label.h"
#include "mainwin/field_keys.h"
#include "mainwin/focus_area.h"
#include "mainwin/focus_area_accessible.h"
#include "mainwin/output_codes_panel.h"
#include "mainwin/swatch_label.h"
#include "mainwin/swatch_row.h"
#include "mainwin/system_colors_qt.h"
#include "platform/settings_store.h"
#include "platform/window_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include <cmath>

namespace tintora {

Form1::Form1(QString programDir, QString userDataDir, QWidget* parent)
    : QWidget(parent), picker_(surface_), store_(std::move(programDir), std::move(userDataDir)),
      palettes_(surface_, store_)
{
    setObjectName(QStringLiteral("Form1"));
    // Fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    buildControls();
    refreshSystemColors();
    surface_.Cls();
    surface_.setFont(font());
    surface_.setRefreshListener([this](const QRect& r) { update(r); });
    connectControls();
    // Text fields paint their whole rectangle, so a changed field repaints
    // itself alone and not the frame behind it.
    fieldStyle_ = std::make_unique<ClassicFieldStyle>();
    auto* keys = new FieldKeys(this, [this](const QLineEdit* f) { return codes_->isEntryField(f); });
    for (QLineEdit* f : findChildren<QLineEdit*>()) {
        f->setAttribute(Qt::WA_OpaquePaintEvent);
        f->setStyle(fieldStyle_.get());
        f->installEventFilter(keys);
    }
}

void Form1::connectControls()
{
    connect(keepButton_, &QPushButton::clicked, this, &Form1::keepColor);
    connect(presetsButton_, &QPushButton::clicked, this, &Form1::togglePaletteView);
    connect(visitButton_, &QPushButton::clicked, this, &Form1::webSiteRequested);
    connect(aboutButton_, &QPushButton::clicked, this, &Form1::aboutRequested);
    connect(palettePanel_, &PalettePanel::updated, this, &Form1::apply);
    connect(palettePanel_, &PalettePanel::gridChanged, this, &Form1::describeAreas);
    connect(palettePanel_, &PalettePanel::message, this, &Form1::showMessage);
    connect(pickButton_, &QPushButton::clicked, this, &Form1::pickFromScreen);
    connect(screenPick_, &ScreenPick::picked, this, &Form1::showColor);
    connect(screenPick_, &ScreenPick::failed, this, &Form1::showMessage);
    connect(codes_, &OutputCodesPanel::colorEntered, this, &Form1::showColor);
    connect(codes_, &OutputCodesPanel::message, this, &Form1::showNote);
    connect(channels_, &ChannelFieldsPanel::modeChosen, this, &Form1::setMode);
    connect(channels_, &ChannelFieldsPanel::colorEntered, this, &Form1::showColor);
    connect(channels_, &ChannelFieldsPanel::message, this, &Form1::showNote);
    connect(channels_, &ChannelFieldsPanel::hueFieldLeft, this,
            [this] { apply(picker_.HueFieldLeft(pickerInput())); });
    connect(channels_, &ChannelFieldsPanel::fieldEdited, this,
            [this](ChannelField f) { apply(picker_.FieldEdited(pickerInput(), f)); });
    // New, Old and the history: a click shows the colour in the codes, a
    // double-click or "Use as New" makes it current.
    connect(swatches_, &SwatchRow::showRequested, this, &Form1::showSwatch);
    connect(swatches_, &SwatchRow::useRequested, this,
            [this](SwatchId id) { showColor(SplitColor(ResolveColor(state_.swatchColor(id), sys_))); });
    connect(swatches_, &SwatchRow::pickRequested, this, &Form1::pickFromScreen);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &Form1::helpRequested);
    auto* pick = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    pick->setContext(Qt::WindowShortcut);
    connect(pick, &QShortcut::activated, this, &Form1::pickFromScreen);
}

Form1::~Form1()
{
    // The panels outlive this object's members while QWidget deletes them,
    // and a field losing the focus then must not settle into a window that
    // is half gone.
    disconnect(codes_, nullptr, this, nullptr);
    disconnect(channels_, nullptr, this, nullptr);
}

void Form1::Load()
{
    brand_ = LoadBranding();
    const QString product = QString::fromStdString(brand_.productName);
    setWindowTitle(tr("%1 by %2").arg(product, QString::fromStdString(brand_.companyName)));
    visitButton_->setText(tr("Visit %1").arg(QString::fromStdString(brand_.webSite)));
    palettes_.SetView(PaletteView::Picker);
    palettePanel_->fillPresets();
    // Draws the hue strip (showing the window), the markers and the plane
    // for pure red, and makes that red current.
    apply(picker_.StartUp());
    // The window opens with the focus on "Keep", its first button.
    keepButton_->setFocus(Qt::OtherFocusReason);
    loaded_ = true;
    settings_ = std::make_unique<SettingsStore>(product);
    codes_->setSettings(*settings_);
    showState();
    if (settings_->GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1")) ==
        QStringLiteral("1"))
        emit showHelpAtStartup();
}

void Form1::LoadColorDialog(ColorRef oldColor)
{
    state_.newColor = oldColor;
    showState();
}

// ---- applying an update ------------------------------------------------------

PickerInput Form1::pickerInput() const
{
    PickerInput in;
    in.mode = state_.mode;
    in.fields = channels_->texts();
    return in;
}

void Form1::apply(const ViewUpdate& u)
{
    if (u.askHueQuestion) {
        showMessage(tr("Enter an Integer Value Between 0 and 360"));
        if (u.focusHueField)
            channels_->field(ChannelField::Hue)->setFocus(Qt::OtherFocusReason);
    }
    if (u.showWindow && !isVisible()) {
        CentreOnScreen(this);
        show();
    }
    channels_->showTexts(u.fields, dragging_);
    if (u.swatch)
        state_.newColor = *u.swatch;
    if (u.current) {
        const ColorChange change = color_.SetCurrentColor(*u.current, sys_);
        codes_->showOutputs(change.outputs, change.rgb, dragging_);
        if (systemColorList_->currentIndex() != change.outputs.sysColorIndex)
            systemColorList_->setCurrentIndex(change.outputs.sysColorIndex);
        // A pick ends what a swatch click showed, and what the message line
        // said about an earlier text.
        state_.shownSwatch = SwatchId::None;
        if (!messageLine_->text().isEmpty())
            messageLine_->clear();
    }
    for (const PixelRect& r : u.repaint)
        update(QRect(r.x, r.y, r.width, r.height));
    if (u.swatch || u.current)
        showState();
    describeAreas();
}

void Form1::describeAreas()
{
    const AreaInput::Descriptions d = areas_.Describe(pickerInput());
    planeArea_->describe(d.plane);
    if (d.slider)
        sliderArea_->describe(*d.slider);
}

void Form1::showState()
{
    swatches_->show(state_);
    palettePanel_->addSwatch()->setColor(state_.addColor);
    channels_->showMode(state_.mode);
    // The name and the contrast describe the colour the codes show.
    colorFacts_->setColors(SplitColor(ResolveColor(state_.shownColor(), sys_)),
                           SplitColor(ResolveColor(state_.oldColor(), sys_)));
}

void Form1::setMode(PickerMode mode)
{
    state_.mode = mode;
    apply(picker_.SwitchMode(pickerInput()));
}

void Form1::showColor(const Rgb& rgb)
{
    apply(picker_.ShowColor(pickerInput(), rgb));
}

void Form1::showMessage(const QString& text)
{
    const QString title = QString::fromStdString(brand_.productName);
    if (messageHook_) {
        messageHook_(title, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
}

void Form1::showNote(const QString& text)
{
    messageLine_->setText(text);
}

// ---- painting ------------------------------------------------------------------

QImage Form1::composedImage() const
{
    QImage img = surface_.image().copy();
    picker_.DrawMarkers(img, 0, 0);
    return img;
}

void Form1::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    // Rectangle by rectangle: the bounding box of a ring and the strip
    // spans most of the plane.
    for (const QRect& asked : e->region()) {
        const QRect r = asked.intersected(QRect(0, 0, Surface::Width, Surface::Height));
        if (r.isEmpty())
            continue;
        QImage part = surface_.image().copy(r);
        picker_.DrawMarkers(part, r.x(), r.y());
        p.drawImage(r.topLeft(), part);
    }
    if (loaded_ && !painted_) {
        painted_ = true;
        emit firstPaintDone();
    }
}

// ---- pointer -------------------------------------------------------------------

// The client pixel under the pointer. On a scaled screen a logical pixel
// covers several device pixels and the pointer's position is fractional:
// every device pixel of a logical pixel must pick that pixel, so the
// position is floored, never rounded. The widget-local position has been
// rounded on its way from the window, so it is taken from the position in
// the window, which keeps the fraction.
QPointF Form1::pixelUnder(const QMouseEvent* e) const
{
    const QPointF local = e->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
    return {std::floor(local.x()), std::floor(local.y())};
}

void Form1::mousePressEvent(QMouseEvent* e)
{
    const QPointF pos = pixelUnder(e);
    const int button = PointerButton(e->button());
    if (areas_.GridShown()) {
        const std::optional<ViewUpdate> u = areas_.PressGrid(button, pos.x(), pos.y());
        if (u && u->current)
            planeArea_->setFocus(Qt::MouseFocusReason);
        if (u)
            apply(*u);
        return;
    }
    // The area takes the focus first: a field it leaves settles before the
    // press reads the fields.
    const AreaInput::Focus focus = areas_.PressFocus(button, pos.x(), pos.y());
    if (focus != AreaInput::Focus::None)
        (focus == AreaInput::Focus::Plane ? planeArea_ : sliderArea_)->setFocus(Qt::MouseFocusReason);
    apply(picker_.Press(pickerInput(), button, pos.x(), pos.y()));
}

void Form1::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF pos = pixelUnder(e);
    const bool held = e->buttons() == Qt::LeftButton;
    if (const auto u = areas_.Drag(pickerInput(), held, pos.x(), pos.y())) {
        // Nobody edits a field while dragging: the fields' edit texts wait
        // for the drag's end.
        dragging_ = held;
        apply(*u);
        dragging_ = false;
    }
}

void Form1::mouseReleaseEvent(QMouseEvent*)
{
    apply(picker_.Release(pickerInput()));
    for (CodeField* f : findChildren<CodeField*>())
        f->syncText();
}

// ---- keyboard ------------------------------------------------------------------

void Form1::keyPressEvent(QKeyEvent* e)
{
    // Text fields take their own paste; anywhere else Ctrl+V brings in the
    // colour on the clipboard.
    if (e->matches(QKeySequence::Paste)) {
        const EntryReading read = ReadColorEntry(EntrySource::Clipboard, QApplication::clipboard()->text());
        if (read.color)
            showColor(*read.color);
        showNote(read.color ? read.note : read.reason);
        e->accept();
        return;
    }
    const QWidget* f = focusWidget();
    const auto area = f == planeArea_    ? AreaInput::Focus::Plane
                      : f == sliderArea_ ? AreaInput::Focus::Slider
                                         : AreaInput::Focus::None;
    if (const auto u = areas_.Key(pickerInput(), area, e->key(), e->modifiers() & Qt::ShiftModifier)) {
        apply(*u);
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Form1::closeEvent(QCloseEvent* e)
{
    e->accept();
    emit closed();
}

void Form1::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange)
        refreshSystemColors();
    QWidget::changeEvent(e);
}

void Form1::refreshSystemColors()
{
    sys_ = SystemColorsFromPalette(QApplication::palette());
    surface_.setEdgeColors(EdgeColorsFrom(sys_));
    surface_.setBackColor(sys_[15]);
}

// ---- palettes and swatches -------------------------------------------------------

void Form1::togglePaletteView()
{
    const bool toPicker = areas_.GridShown();
    apply(areas_.ToggleView(pickerInput()));
    if (!toPicker) {
        state_.addColor = state_.newColor;
        showState();
    }
    palettePanel_->showGrid(!toPicker);
    channels_->setVisible(toPicker);
    sliderArea_->setVisible(toPicker);
    surface_.Refresh();
    update();
}

void Form1::keepColor()
{
    // What was typed and not yet entered is settled first, so "New" is what
    // the fields say.
    codes_->settlePendingEdits();
    channels_->settlePendingEdits();
    state_.keepNew();
    showState();
}

void Form1::showSwatch(SwatchId id)
{
    if (!swatches_->swatch(id))
        return;
    apply(palettes_.ShowSwatchColor(state_.swatchColor(id), sys_));
    state_.shownSwatch = id;
    showState();
}

void Form1::contextMenuEvent(QContextMenuEvent* e)
{
    if (palettes_.View() != PaletteView::CustomColors) {
        QWidget::contextMenuEvent(e);
        return;
    }
    palettePanel_->showMenu(e->globalPos());
}

} // namespace tintora
