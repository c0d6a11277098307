// SPDX-License-Identifier: MIT
#include "mainwin/form1.h"

#include "core/color_conversions.h"
#include "eyedropper/eyedropper.h"
#include "mainwin/channel_fields_panel.h"
#include "mainwin/classic_field_style.h"
#include "mainwin/color_entry.h"
#include "mainwin/color_facts_label.h"
#include "mainwin/focus_area.h"
#include "mainwin/focus_area_accessible.h"
#include "mainwin/output_codes_panel.h"
#include "mainwin/swatch_label.h"
#include "mainwin/system_colors_qt.h"
#include "palettes/palette_exchange.h"
#include "platform/clipboard_writer.h"
#include "platform/settings_store.h"
#include "platform/window_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include <cmath>

namespace tintora {

namespace {

// The swatches a click shows in the codes: "New", "Old" and the history.
std::array<SwatchId, 2 + ColorHistory::Size> ShownSwatchIds()
{
    std::array<SwatchId, 2 + ColorHistory::Size> ids{SwatchId::New, SwatchId::Old};
    for (std::size_t i = 0; i < ColorHistory::Size; ++i)
        ids[2 + i] = static_cast<SwatchId>(i);
    return ids;
}

} // namespace

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
    for (QLineEdit* f : findChildren<QLineEdit*>()) {
        f->setAttribute(Qt::WA_OpaquePaintEvent);
        f->setStyle(fieldStyle_.get());
        f->installEventFilter(this);
    }
}

void Form1::connectControls()
{
    connect(keepButton_, &QPushButton::clicked, this, &Form1::keepColor);
    connect(presetsButton_, &QPushButton::clicked, this, &Form1::togglePaletteView);
    connect(visitButton_, &QPushButton::clicked, this, &Form1::webSiteRequested);
    connect(aboutButton_, &QPushButton::clicked, this, &Form1::aboutRequested);
    connect(addButton_, &QPushButton::clicked, this, &Form1::addColorToPalette);
    connect(presetList_, &QComboBox::activated, this, [this](int) { onPresetChosen(); });
    connect(addSwatch_, &SwatchLabel::clicked, this, &Form1::onAddSwatchClicked);
    connect(pickButton_, &QPushButton::clicked, this, &Form1::pickFromScreen);
    connect(codes_, &OutputCodesPanel::colorEntered, this, &Form1::showColor);
    connect(codes_, &OutputCodesPanel::message, this, &Form1::showNote);
    connect(channels_, &ChannelFieldsPanel::modeChosen, this, &Form1::setMode);
    connect(channels_, &ChannelFieldsPanel::colorEntered, this, &Form1::showColor);
    connect(channels_, &ChannelFieldsPanel::message, this, &Form1::showNote);
    connect(channels_, &ChannelFieldsPanel::hueFieldLeft, this,
            [this] { apply(picker_.HueFieldLeft(pickerInput())); });
    connect(channels_, &ChannelFieldsPanel::fieldEdited, this, [this](ChannelField f) {
        if (f == ChannelField::Hue)
            apply(picker_.HueFieldEdited(pickerInput()));
        else if (f == ChannelField::Saturation)
            apply(picker_.SaturationFieldEdited(pickerInput()));
        else if (f == ChannelField::Brightness)
            apply(picker_.BrightnessFieldEdited(pickerInput()));
    });
    // New, Old and the history: a click shows the colour in the codes, a
    // double-click or "Use as New" makes it current.
    for (SwatchId id : ShownSwatchIds()) {
        SwatchLabel* s = swatch(id);
        connect(s, &SwatchLabel::clicked, this, [this, id] { showSwatch(id); });
        connect(s, &SwatchLabel::doubleClicked, this, [this, id] { useSwatchAsNew(id); });
        s->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(s, &QWidget::customContextMenuRequested, this, [this, s, id](const QPoint& p) {
            auto* menu = new QMenu(this);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            if (id != SwatchId::New)
                menu->addAction(tr("Use as New"), this, [this, id] { useSwatchAsNew(id); });
            menu->addAction(tr("Pick from Screen..."), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                            &Form1::pickFromScreen);
            menu->popup(s->mapToGlobal(p));
        });
    }
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
    setWindowTitle(product + QStringLiteral(" by ") + QString::fromStdString(brand_.companyName));
    visitButton_->setText(QStringLiteral("Visit ") + QString::fromStdString(brand_.webSite));
    palettes_.SetView(PaletteView::Picker);
    presetList_->clear();
    presetList_->addItem(QStringLiteral("Custom..."));
    presetList_->addItem(QStringLiteral("Safe Palette (216)"));
    presetList_->setCurrentIndex(-1);
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
        showMessage(QStringLiteral("Enter an Integer Value Between 0 and 360"));
        if (u.focusHueField)
            channels_->field(ChannelField::Hue)->setFocus(Qt::OtherFocusReason);
    }
    if (u.showWindow && !isVisible()) {
        CentreOnScreen(this);
        show();
    }
    for (std::size_t i = 0; i < ChannelFieldCount; ++i)
        if (u.fields[i])
            channels_->showText(static_cast<ChannelField>(i), QString::fromStdString(*u.fields[i]));
    if (u.swatch)
        state_.newColor = *u.swatch;
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
    describeAreas();
}

void Form1::describeAreas()
{
    if (palettes_.View() == PaletteView::Picker) {
        const ChannelTexts fields = channels_->texts();
        planeArea_->describe(DescribePlane(state_.mode, fields));
        sliderArea_->describe(DescribeStrip(state_.mode, fields));
        return;
    }
    const int cell = palettes_.SelectedCell();
    planeArea_->describe(
        DescribeGridCell(cell, GridCellCount, SplitColor(ResolveColor(palettes_.CellColor(cell), sys_))));
}

void Form1::showState()
{
    newSwatch_->setColor(state_.newColor);
    oldSwatch_->setColor(state_.oldColor());
    addSwatch_->setColor(state_.addColor);
    for (int i = 0; i < ColorHistory::Size; ++i)
        historySwatches_[static_cast<std::size_t>(i)]->setColor(state_.history.At(i));
    for (SwatchId id : ShownSwatchIds())
        swatch(id)->setMarked(id == state_.shownSwatch);
    channels_->showMode(state_.mode);
    // The name and the contrast describe the colour the codes show.
    const ColorRef described =
        state_.shownSwatch == SwatchId::None ? state_.newColor : state_.swatchColor(state_.shownSwatch);
    colorFacts_->setColors(SplitColor(ResolveColor(described, sys_)),
                           SplitColor(ResolveColor(state_.oldColor(), sys_)));
}

SwatchLabel* Form1::swatch(SwatchId id) const
{
    if (id == SwatchId::New)
        return newSwatch_;
    if (id == SwatchId::Old)
        return oldSwatch_;
    const int i = static_cast<int>(id);
    return i >= 0 && i < ColorHistory::Size ? historySwatches_[static_cast<std::size_t>(i)] : nullptr;
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

void Form1::drawMarkers(QImage& img, QPoint origin) const
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

QImage Form1::composedImage() const
{
    QImage img = surface_.image().copy();
    drawMarkers(img, QPoint(0, 0));
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
        drawMarkers(part, r.topLeft());
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
    int button = 0;
    if (e->button() == Qt::LeftButton)
        button = LeftButton;
    else if (e->button() == Qt::RightButton)
        button = RightButton;
    else if (e->button() == Qt::MiddleButton)
        button = MiddleButton;
    if (palettes_.View() != PaletteView::Picker) {
        if (button == LeftButton) {
            const ViewUpdate u = palettes_.PickPaletteCell(pos.x(), pos.y(), sys_);
            if (u.current)
                planeArea_->setFocus(Qt::MouseFocusReason);
            apply(u);
        }
        return;
    }
    if (button == LeftButton) {
        if (picker_.InPlane(pos.x(), pos.y()))
            planeArea_->setFocus(Qt::MouseFocusReason);
        else if (picker_.InSliderZone(pos.x(), pos.y()))
            sliderArea_->setFocus(Qt::MouseFocusReason);
    }
    apply(picker_.Press(pickerInput(), button, pos.x(), pos.y()));
}

void Form1::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF pos = pixelUnder(e);
    const bool leftAlone = e->buttons() == Qt::LeftButton;
    if (palettes_.View() != PaletteView::Picker) {
        if (leftAlone)
            apply(palettes_.PickPaletteCell(pos.x(), pos.y(), sys_));
        return;
    }
    apply(picker_.Drag(pickerInput(), leftAlone ? LeftButton : 0, pos.x(), pos.y()));
}

void Form1::mouseReleaseEvent(QMouseEvent*)
{
    apply(picker_.Release(pickerInput()));
}

// ---- keyboard ------------------------------------------------------------------

bool Form1::handleAreaKey(QKeyEvent* e, bool slider)
{
    const AreaKey key = AreaKeyOf(e->key(), e->modifiers() & Qt::ShiftModifier, slider);
    if (palettes_.View() != PaletteView::Picker) {
        // The grid: arrows move the selected cell, Space or Enter picks it.
        if (slider || (key.dx == 0 && key.dy == 0 && !key.activate))
            return false;
        if (key.activate)
            apply(palettes_.PickCell(palettes_.SelectedCell(), sys_));
        else
            palettes_.SelectCell(
                palettes_.CellMovedBy((key.dx > 0) - (key.dx < 0), (key.dy > 0) - (key.dy < 0)));
        describeAreas();
        return true;
    }
    if (key.dx == 0 && key.dy == 0)
        return false;
    apply(slider ? picker_.MoveSliderBy(pickerInput(), key.dy)
                 : picker_.MoveRingBy(pickerInput(), key.dx, key.dy));
    return true;
}

void Form1::keyPressEvent(QKeyEvent* e)
{
    // Text fields take their own paste; anywhere else Ctrl+V brings in the
    // colour on the clipboard.
    if (e->matches(QKeySequence::Paste)) {
        pasteColor();
        e->accept();
        return;
    }
    QWidget* focus = focusWidget();
    if ((focus == planeArea_ || focus == sliderArea_) && handleAreaKey(e, focus == sliderArea_)) {
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

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // A text field would take Ctrl+E as "end of line": the eyedropper's
    // shortcut works wherever the focus is.
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return QWidget::eventFilter(watched, event);
    // Only key events are looked at; anything else is cast to nothing.
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride &&
        key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_E)) {
        event->ignore();
        return true;
    }
    // A selection copied or cut from any field goes through the program's
    // one clipboard writer too (the codes panel copies its own fields).
    if (event->type() == QEvent::KeyPress && field->hasSelectedText() &&
        (key->matches(QKeySequence::Cut) ||
         (key->matches(QKeySequence::Copy) && !codes_->isEntryField(field)))) {
        ClipboardWriter::Write(field->selectedText());
        if (key->matches(QKeySequence::Cut) && !field->isReadOnly())
            field->del();
        return true;
    }
    return QWidget::eventFilter(watched, event);
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

// ---- palettes and history --------------------------------------------------------

void Form1::togglePaletteView()
{
    surface_.Cls();
    const bool toPicker = palettes_.View() != PaletteView::Picker;
    if (toPicker) {
        // Back to the picker, rebuilt for the selected mode from the fields.
        presetsButton_->setText(QStringLiteral("&Preset"));
        apply(picker_.SetMarkersVisible(true));
        apply(picker_.SwitchMode(pickerInput()));
        palettes_.SetView(PaletteView::Picker);
    } else {
        apply(picker_.SetMarkersVisible(false));
        palettes_.SetView(PaletteView::CustomColors);
        palettes_.LoadCustomColors();
        presetsButton_->setText(QStringLiteral("&Picker"));
        presetList_->setCurrentIndex(0);
        state_.addColor = state_.newColor;
        showState();
    }
    presetList_->setVisible(!toPicker);
    channels_->setVisible(toPicker);
    sliderArea_->setVisible(toPicker);
    addPanel_->setVisible(!toPicker);
    if (!toPicker)
        onPresetChosen();
    else {
        addButton_->hide();
        addSwatch_->hide();
        describeAreas();
    }
    surface_.Refresh();
    update();
}

void Form1::onPresetChosen()
{
    surface_.Cls();
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
    surface_.Refresh();
    describeAreas();
}

void Form1::addColorToPalette()
{
    const SaveResult saved = palettes_.AddColor(state_.addColor);
    describeAreas();
    // A file that was not read cleanly was kept aside before this first
    // save over it: the user hears where, once.
    if (!saved.notice.isEmpty())
        showMessage(saved.notice);
    if (saved.ok) {
        // A later failure is news again.
        saveFailureReported_ = false;
        return;
    }
    if (!saveFailureReported_) {
        saveFailureReported_ = true;
        showMessage(
            QStringLiteral("The custom colours could not be saved.\n\n%1\n\n"
                           "The colours you add stay in the palette, also when you switch to the other "
                           "grid and back, until a later \"Add\" saves them. Colours not saved by then "
                           "are lost when %2 is closed.")
                .arg(saved.error, QString::fromStdString(brand_.productName)));
    }
}

void Form1::onAddSwatchClicked()
{
    apply(palettes_.ShowSwatchColor(state_.addColor, sys_));
}

void Form1::keepColor()
{
    // What was typed and not yet entered is settled first, so "New" is what
    // the fields say.
    settlePendingEdits();
    state_.keepNew();
    showState();
}

void Form1::showSwatch(SwatchId id)
{
    if (!swatch(id))
        return;
    apply(palettes_.ShowSwatchColor(state_.swatchColor(id), sys_));
    state_.shownSwatch = id;
    showState();
}

void Form1::useSwatchAsNew(SwatchId id)
{
    if (!swatch(id))
        return;
    showColor(SplitColor(ResolveColor(state_.swatchColor(id), sys_)));
}

// ---- colours from outside --------------------------------------------------------

Eyedropper& Form1::eyedropper()
{
    if (!eyedropper_) {
        eyedropper_ = new Eyedropper(this);
        connect(eyedropper_, &Eyedropper::picked, this, [this](Rgb rgb) {
            onEyedropperDone();
            showColor(rgb);
        });
        connect(eyedropper_, &Eyedropper::cancelled, this, &Form1::onEyedropperDone);
        connect(eyedropper_, &Eyedropper::failed, this, [this](const QString& why) {
            onEyedropperDone();
            showMessage(why);
        });
    }
    return *eyedropper_;
}

void Form1::pickFromScreen()
{
    if (!eyedropper().running())
        focusBeforePick_ = focusWidget();
    eyedropper().start();
}

void Form1::onEyedropperDone()
{
    // The overlay had the keyboard: without a window manager nobody gives
    // it back, and the next Ctrl+E would go nowhere.
    activateWindow();
    QWidget* back = focusBeforePick_ ? focusBeforePick_.data() : keepButton_;
    back->setFocus(Qt::OtherFocusReason);
}

bool Form1::settlePendingEdits()
{
    const bool codes = codes_->settlePendingEdits();
    return channels_->settlePendingEdits() && codes;
}

void Form1::pasteColor()
{
    const EntryReading reading = ReadColorEntry(EntrySource::Clipboard, QApplication::clipboard()->text());
    if (reading.color)
        showColor(*reading.color);
    showNote(reading.color ? reading.note : reading.reason);
}

// ---- palette files ----------------------------------------------------------------

void Form1::contextMenuEvent(QContextMenuEvent* e)
{
    if (palettes_.View() != PaletteView::CustomColors) {
        QWidget::contextMenuEvent(e);
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("Import Palette..."), this, &Form1::importPalette);
    menu->addAction(QStringLiteral("Export Palette..."), this, &Form1::exportPalette);
    menu->popup(e->globalPos());
}

QString Form1::askForPaletteFile(bool save)
{
    if (fileDialogHook_)
        return fileDialogHook_(save);
    const QString filter = PaletteFileDialogFilter();
    return save ? QFileDialog::getSaveFileName(this, QStringLiteral("Export Palette"), QString(), filter)
                : QFileDialog::getOpenFileName(this, QStringLiteral("Import Palette"), QString(), filter);
}

void Form1::importPalette()
{
    const QString path = askForPaletteFile(false);
    if (path.isEmpty())
        return;
    const PaletteImport result = ImportPaletteIntoStore(path, store_);
    if (result.ok && palettes_.View() == PaletteView::CustomColors) {
        palettes_.LoadCustomColors();
        describeAreas();
        update();
    }
    showMessage(result.message);
}

void Form1::exportPalette()
{
    const QString path = askForPaletteFile(true);
    if (path.isEmpty())
        return;
    const PaletteExport result = ExportPaletteFile(
        path, store_.Load(), QString::fromStdString(brand_.productName) + QStringLiteral(" custom colours"));
    showMessage(result.message);
}

} // namespace tintora
