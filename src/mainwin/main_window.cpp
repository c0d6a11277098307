// SPDX-License-Identifier: MIT
#include "mainwin/main_window.h"

#include "core/color_conversions.h"
#include "mainwin/channel_fields_panel.h"
#include "mainwin/classic_field_style.h"
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
#include <utility>

namespace tintora {

MainWindow::MainWindow(QString programDir, QString userDataDir, QWidget* parent)
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
    auto* keys = new FieldKeys(this, [this](QLineEdit* f) { return codes_->copyWholeCode(f); });
    for (QLineEdit* f : findChildren<QLineEdit*>()) {
        f->setAttribute(Qt::WA_OpaquePaintEvent);
        f->setStyle(fieldStyle_.get());
        f->installEventFilter(keys);
    }
}

void MainWindow::connectControls()
{
    connect(keepButton_, &QPushButton::clicked, this, &MainWindow::keepColor);
    connect(presetsButton_, &QPushButton::clicked, this, &MainWindow::togglePaletteView);
    connect(visitButton_, &QPushButton::clicked, this, &MainWindow::webSiteRequested);
    connect(aboutButton_, &QPushButton::clicked, this, &MainWindow::aboutRequested);
    connect(palettePanel_, &PalettePanel::updated, this, &MainWindow::apply);
    connect(palettePanel_, &PalettePanel::gridChanged, this, &MainWindow::describeAreas);
    connect(palettePanel_, &PalettePanel::message, this, &MainWindow::showMessage);
    connect(pickButton_, &QPushButton::clicked, this, &MainWindow::pickFromScreen);
    connect(screenPick_, &ScreenPick::picked, this, &MainWindow::showColor);
    connect(screenPick_, &ScreenPick::failed, this, &MainWindow::showMessage);
    connect(codes_, &OutputCodesPanel::colorEntered, this, &MainWindow::showColor);
    connect(codes_, &OutputCodesPanel::message, this, &MainWindow::showNote);
    connect(channels_, &ChannelFieldsPanel::modeChosen, this, &MainWindow::setMode);
    connect(channels_, &ChannelFieldsPanel::colorEntered, this, &MainWindow::showColor);
    connect(channels_, &ChannelFieldsPanel::message, this, &MainWindow::showNote);
    connect(channels_, &ChannelFieldsPanel::hueFieldLeft, this,
            [this] { apply(picker_.HueFieldLeft(pickerInput())); });
    connect(channels_, &ChannelFieldsPanel::fieldEdited, this,
            [this](ChannelField f) { apply(picker_.FieldEdited(pickerInput(), f)); });
    // New, Old and the history: a click shows the colour in the codes, a
    // double-click or "Use as New" makes it current.
    connect(swatches_, &SwatchRow::showRequested, this, &MainWindow::showSwatch);
    connect(swatches_, &SwatchRow::useRequested, this,
            [this](SwatchId id) { showColor(SplitColor(ResolveColor(state_.swatchColor(id), sys_))); });
    connect(swatches_, &SwatchRow::pickRequested, this, &MainWindow::pickFromScreen);
    // F1, Ctrl+E and the colour's undo keys, anywhere in the window; a text
    // field with the focus takes the undo keys for its own undo.
    const std::pair<QKeySequence, void (MainWindow::*)()> shortcuts[] = {
        {QKeySequence::HelpContents, &MainWindow::helpRequested},
        {QKeySequence(Qt::CTRL | Qt::Key_E), &MainWindow::pickFromScreen},
        {QKeySequence::Undo, &MainWindow::undoColor},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &MainWindow::redoColor},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), &MainWindow::redoColor},
    };
    for (const auto& [keys, action] : shortcuts) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }
    connect(swatches_, &SwatchRow::undoRequested, this, &MainWindow::undoColor);
    connect(swatches_, &SwatchRow::redoRequested, this, &MainWindow::redoColor);
}

MainWindow::~MainWindow() = default;

void MainWindow::skipShaping()
{
    // Numbers, codes and the contrast line need no shaping (no ligatures, no
    // joining scripts): their fonts skip it, where a drag would otherwise
    // shape every changed text when it is set and again when it is painted.
    // It is done once the first frame is on screen, since such a font needs
    // a font engine of its own, which the first frame would wait for.
    const QList<QLineEdit*> fields = findChildren<QLineEdit*>();
    QList<QWidget*> unshaped(fields.cbegin(), fields.cend());
    unshaped.append(colorFacts_);
    for (QWidget* w : unshaped) {
        QFont font = w->font();
        font.setStyleStrategy(QFont::PreferNoShaping);
        w->setFont(font);
    }
}

void MainWindow::Load()
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

void MainWindow::LoadColorDialog(ColorRef oldColor)
{
    state_.newColor = oldColor;
    showState();
}

// ---- applying an update ------------------------------------------------------

PickerInput MainWindow::pickerInput() const
{
    PickerInput in;
    in.mode = state_.mode;
    in.fields = channels_->texts();
    return in;
}

void MainWindow::apply(const ViewUpdate& u)
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
    channels_->showTexts(u.fields);
    if (u.swatch && *u.swatch != state_.newColor) {
        if (picker_.PlaneDragging() || picker_.SliderDragging())
            dragFrom_ = dragFrom_.value_or(state_.newColor);
        else if (!stepping_ && loaded_) // the start-up red is no step
            steps_.Record(state_.newColor, *u.swatch);
        state_.newColor = *u.swatch;
    }
    if (u.current) {
        const ColorChange change = color_.SetCurrentColor(*u.current, sys_);
        codes_->showOutputs(change.outputs, change.rgb);
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
    swatches_->showSteps(steps_.CanUndo(), steps_.CanRedo());
    describeAreas();
}

void MainWindow::describeAreas()
{
    const AreaInput::Descriptions d = areas_.Describe(pickerInput());
    planeArea_->describe(d.plane);
    if (d.slider)
        sliderArea_->describe(*d.slider);
}

void MainWindow::showState()
{
    swatches_->show(state_);
    palettePanel_->showAddColor(state_.addColor);
    channels_->showMode(state_.mode);
    // The name and the contrast describe the colour the codes show.
    colorFacts_->setColors(SplitColor(ResolveColor(state_.shownColor(), sys_)),
                           SplitColor(ResolveColor(state_.oldColor(), sys_)));
}

void MainWindow::setMode(PickerMode mode)
{
    state_.mode = mode;
    apply(picker_.SwitchMode(pickerInput()));
}

void MainWindow::showColor(const Rgb& rgb)
{
    apply(picker_.ShowColor(pickerInput(), rgb));
}

void MainWindow::showMessage(const QString& text)
{
    const QString title = QString::fromStdString(brand_.productName);
    if (messageHook_) {
        messageHook_(title, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::showNote(const QString& text)
{
    messageLine_->setText(text);
}

// ---- painting ------------------------------------------------------------------

QImage MainWindow::composedImage() const
{
    QImage img = surface_.image().copy();
    picker_.DrawMarkers(img, 0, 0);
    return img;
}

void MainWindow::paintEvent(QPaintEvent* e)
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
        // Every surface pixel is opaque, so its 32-bit RGB is also premultiplied
        // ARGB, the window's own format: drawing it is a plain copy, where a
        // conversion would go through Qt's thread pool on every move.
        // The clip is one rectangle, so that Qt blits rather than blending
        // through its region clip.
        part.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        p.setClipRect(r);
        p.drawImage(r.topLeft(), part);
    }
    if (loaded_ && !painted_) {
        painted_ = true;
        emit firstPaintDone();
        QMetaObject::invokeMethod(this, &MainWindow::skipShaping, Qt::QueuedConnection);
    }
}

// ---- pointer -------------------------------------------------------------------

// The client pixel under the pointer. On a scaled screen a logical pixel
// covers several device pixels and the pointer's position is fractional:
// every device pixel of a logical pixel must pick that pixel, so the
// position is floored, never rounded. The widget-local position has been
// rounded on its way from the window, so it is taken from the position in
// the window, which keeps the fraction.
QPointF MainWindow::pixelUnder(const QMouseEvent* e) const
{
    const QPointF local = e->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
    return {std::floor(local.x()), std::floor(local.y())};
}

void MainWindow::mousePressEvent(QMouseEvent* e)
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

void MainWindow::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF pos = pixelUnder(e);
    const bool held = e->buttons() == Qt::LeftButton;
    if (const auto u = areas_.Drag(pickerInput(), held, pos.x(), pos.y()))
        apply(*u);
}

void MainWindow::mouseReleaseEvent(QMouseEvent*)
{
    apply(picker_.Release(pickerInput()));
    if (dragFrom_)
        steps_.Record(*std::exchange(dragFrom_, std::nullopt), state_.newColor);
    swatches_->showSteps(steps_.CanUndo(), steps_.CanRedo());
}

void MainWindow::undoColor()
{
    takeStep(steps_.Undo());
}

void MainWindow::redoColor()
{
    takeStep(steps_.Redo());
}

void MainWindow::takeStep(std::optional<ColorRef> color)
{
    stepping_ = true;
    if (color)
        showColor(SplitColor(ResolveColor(*color, sys_)));
    stepping_ = false;
    swatches_->showSteps(steps_.CanUndo(), steps_.CanRedo());
}

// ---- keyboard ------------------------------------------------------------------

void MainWindow::keyPressEvent(QKeyEvent* e)
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

void MainWindow::closeEvent(QCloseEvent* e)
{
    e->accept();
    emit closed();
}

void MainWindow::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange)
        refreshSystemColors();
    QWidget::changeEvent(e);
}

void MainWindow::refreshSystemColors()
{
    sys_ = SystemColorsFromPalette(QApplication::palette());
    surface_.setEdgeColors(EdgeColorsFrom(sys_));
    surface_.setBackColor(sys_[15]);
}

// ---- palettes and swatches -------------------------------------------------------

void MainWindow::togglePaletteView()
{
    const bool toPicker = areas_.GridShown();
    apply(areas_.ToggleView(pickerInput()));
    if (!toPicker) {
        state_.addColor = state_.newColor;
        showState();
    }
    presetsButton_->setText(toPicker ? tr("&Preset") : tr("&Picker"));
    palettePanel_->showGrid(!toPicker);
    channels_->setVisible(toPicker);
    sliderArea_->setVisible(toPicker);
    surface_.Refresh();
    update();
}

void MainWindow::keepColor()
{
    // What was typed and not yet entered is settled first, so "New" is what
    // the fields say.
    codes_->settlePendingEdits();
    channels_->settlePendingEdits();
    state_.keepNew();
    showState();
}

void MainWindow::showSwatch(SwatchId id)
{
    if (!swatches_->swatch(id))
        return;
    apply(palettes_.ShowSwatchColor(state_.swatchColor(id), sys_));
    state_.shownSwatch = id;
    showState();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* e)
{
    if (palettes_.View() != PaletteView::CustomColors) {
        QWidget::contextMenuEvent(e);
        return;
    }
    palettePanel_->showMenu(e->globalPos());
}

} // namespace tintora
