#include "mainwin/form1.h"

#include "core/color_conversions.h"
#include "core/color_notation.h"
#include "eyedropper/eyedropper.h"
#include "mainwin/classic_field_style.h"
#include "mainwin/color_facts_label.h"
#include "mainwin/copy_as_menu.h"
#include "mainwin/focus_area.h"
#include "mainwin/swatch_label.h"
#include "mainwin/system_colors_qt.h"
#include "palettes/palette_exchange.h"
#include "platform/settings_store.h"
#include "platform/window_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QToolTip>

#include <algorithm>
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
    BuildControls();
    RefreshSystemColors();
    surface_.Cls();
    surface_.setFont(font());
    surface_.setRefreshListener([this](const QRect& r) { update(r); });

    connect(keepButton_, &QPushButton::clicked, this, &Form1::keepColor);
    connect(presetsButton_, &QPushButton::clicked, this, &Form1::togglePaletteView);
    connect(visitButton_, &QPushButton::clicked, this, &Form1::webSiteRequested);
    connect(aboutButton_, &QPushButton::clicked, this, &Form1::aboutRequested);
    connect(addButton_, &QPushButton::clicked, this, &Form1::addColorToPalette);
    connect(presetList_, &QComboBox::activated, this, [this](int) { onPresetChosen(); });
    connect(addSwatch_, &SwatchLabel::clicked, this, &Form1::onAddSwatchClicked);
    connect(newSwatch_, &SwatchLabel::clicked, this, &Form1::onNewSwatchClicked);
    connect(oldSwatch_, &SwatchLabel::clicked, this, &Form1::onOldSwatchClicked);
    for (int i = 0; i < ColorHistory::Size; ++i)
        connect(historySwatches_[static_cast<std::size_t>(i)], &SwatchLabel::clicked, this,
                [this, i] { onHistorySwatchClicked(i); });
    for (int i = 0; i < 4; ++i)
        connect(copyButtons_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { copyOutput(i); });
    const std::pair<QRadioButton*, PickerMode> options[] = {{hueOption_, PickerMode::Hue},
                                                            {saturationOption_, PickerMode::Saturation},
                                                            {brightnessOption_, PickerMode::Brightness}};
    for (const auto& [option, mode] : options)
        connect(option, &QRadioButton::toggled, this, [this, mode = mode](bool on) {
            if (on)
                setMode(mode);
        });
    for (QLineEdit* f : {hueField_, saturationField_, brightnessField_})
        f->installEventFilter(this);
    for (QLineEdit* f : outputFields_)
        f->installEventFilter(this);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &Form1::helpRequested);
    auto* pick = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    pick->setContext(Qt::WindowShortcut);
    connect(pick, &QShortcut::activated, this, &Form1::pickFromScreen);
    connect(pickButton_, &QPushButton::clicked, this, &Form1::pickFromScreen);

    // Colours typed or pasted into the four code fields and the R, G, B
    // fields are taken on Enter.
    for (QLineEdit* f : {outputFields_[2], outputFields_[3], outputFields_[4], outputFields_[5], redField_,
                         greenField_, blueField_}) {
        connect(f, &QLineEdit::returnPressed, this, [this, f] { applyTypedColor(f); });
        shownText_.insert(f, f->text());
        f->installEventFilter(this);
    }
    // "Copy as": on the code fields' own menu, on the Copy buttons' menu and
    // by Shift+click on a Copy button.
    static constexpr int paired[] = {2, 4, 3, 5};
    for (int i = 0; i < 4; ++i) {
        QPushButton* button = copyButtons_[static_cast<std::size_t>(i)];
        const int output = paired[i];
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
                [this, button, output](const QPoint& p) { showCopyAsMenu(output, button->mapToGlobal(p)); });
        QLineEdit* field = outputFields_[static_cast<std::size_t>(output)];
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [this, field, output](const QPoint& p) {
            QMenu* menu = field->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addSeparator();
            QAction* copyAs = menu->addAction(QStringLiteral("Copy as..."));
            connect(copyAs, &QAction::triggered, this, [this, field, output] {
                showCopyAsMenu(output, field->mapToGlobal(field->rect().bottomLeft()));
            });
            menu->popup(field->mapToGlobal(p));
        });
    }
    newSwatch_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(newSwatch_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(QStringLiteral("Pick from Screen..."), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                        &Form1::pickFromScreen);
        menu->popup(newSwatch_->mapToGlobal(p));
    });

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
    Apply(picker_.StartUp());
    // The window opens with the focus on "Keep", its first button.
    keepButton_->setFocus(Qt::OtherFocusReason);
    loaded_ = true;
    settings_ = std::make_unique<SettingsStore>(product);
    copyAsMenu_ = new CopyAsMenu(*settings_, this);
    refreshColorFacts();
    if (settings_->GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1")) ==
        QStringLiteral("1"))
        emit showHelpAtStartup();
}

// ---- public operations -----------------------------------------------------

void Form1::DrawPicker()
{
    // The ring is state drawn at paint time: showing the picker shows it.
    Apply(picker_.SetMarkersVisible(true));
}

std::string Form1::GetHexVal(int red, int green, int blue) const
{
    return tintora::GetHexVal(red, green, blue);
}

void Form1::LoadColorDialog(ColorRef oldColor)
{
    newSwatch_->setColor(oldColor);
    refreshColorFacts();
}

// ---- applying an update ------------------------------------------------------

PickerInput Form1::Input() const
{
    PickerInput in;
    in.mode = mode_;
    for (std::size_t i = 0; i < ChannelFieldCount; ++i)
        in.fields[i] = Field(static_cast<ChannelField>(i))->text().toStdString();
    return in;
}

void Form1::Apply(const ViewUpdate& u)
{
    if (u.askHueQuestion) {
        ShowMessage(QStringLiteral("Enter an Integer Value Between 0 and 360"));
        if (u.focusHueField)
            hueField_->setFocus(Qt::OtherFocusReason);
    }
    if (u.showWindow && !isVisible()) {
        CentreOnScreen(this);
        show();
    }
    for (std::size_t i = 0; i < ChannelFieldCount; ++i) {
        if (!u.fields[i])
            continue;
        QLineEdit* f = Field(static_cast<ChannelField>(i));
        const QString t = QString::fromStdString(*u.fields[i]);
        if (f->text() != t)
            f->setText(t);
        if (shownText_.contains(f))
            shownText_[f] = t;
        unmarkField(f);
    }
    if (u.swatch)
        newSwatch_->setColor(*u.swatch);
    if (u.current) {
        // Only what changed is touched, so a drag repaints only the codes
        // that differ from the last move.
        const ColorOutputs outputs = color_.SetCurrentColor(*u.current, sys_).outputs;
        for (std::size_t i = 0; i < outputFields_.size(); ++i) {
            const QString t = QString::fromStdString(outputs.text[i]);
            if (outputFields_[i]->text() != t)
                outputFields_[i]->setText(t);
            if (outputFields_[i]->isEnabled() != outputs.enabled[i])
                outputFields_[i]->setEnabled(outputs.enabled[i]);
            if (shownText_.contains(outputFields_[i]))
                shownText_[outputFields_[i]] = t;
            unmarkField(outputFields_[i]);
        }
        if (systemColorList_->currentIndex() != outputs.sysColorIndex)
            systemColorList_->setCurrentIndex(outputs.sysColorIndex);
    }
    for (const PixelRect& r : u.repaint)
        update(QRect(r.x, r.y, r.width, r.height));
    if (u.swatch || u.current)
        refreshColorFacts();
}

void Form1::refreshColorFacts()
{
    if (colorFacts_)
        colorFacts_->setColors(Rgb::FromColorRef(newSwatch_->color()),
                               Rgb::FromColorRef(oldSwatch_->color()));
}

void Form1::setMode(PickerMode mode)
{
    mode_ = mode;
    Apply(picker_.SwitchMode(Input()));
}

void Form1::showColor(const Rgb& rgb)
{
    Apply(picker_.ShowColor(Input(), rgb));
}

QLineEdit* Form1::Field(ChannelField field) const
{
    switch (field) {
    case ChannelField::Hue:
        return hueField_;
    case ChannelField::Saturation:
        return saturationField_;
    case ChannelField::Brightness:
        return brightnessField_;
    case ChannelField::Red:
        return redField_;
    case ChannelField::Green:
        return greenField_;
    case ChannelField::Blue:
        return blueField_;
    }
    return hueField_;
}

void Form1::ShowMessage(const QString& text)
{
    const QString title = QString::fromStdString(brand_.productName);
    if (messageHook_) {
        messageHook_(title, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
}

// ---- painting ------------------------------------------------------------------

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

// ---- pointer -------------------------------------------------------------------

// The client pixel under the pointer. On a scaled screen a logical pixel
// covers several device pixels and the pointer's position is fractional:
// every device pixel of a logical pixel must pick that pixel, so the
// position is floored, never rounded. The widget-local position has been
// rounded on its way from the window, so it is taken from the position in
// the window, which keeps the fraction.
QPointF Form1::PixelUnder(const QMouseEvent* e) const
{
    const QPointF local = e->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
    return {std::floor(local.x()), std::floor(local.y())};
}

void Form1::mousePressEvent(QMouseEvent* e)
{
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
            const ViewUpdate u = palettes_.PickPaletteCell(pos.x(), pos.y(), sys_);
            if (u.current)
                planeArea_->setFocus(Qt::MouseFocusReason);
            Apply(u);
        }
        return;
    }
    if (button == LeftButton) {
        if (picker_.InPlane(pos.x(), pos.y()))
            planeArea_->setFocus(Qt::MouseFocusReason);
        else if (picker_.InSliderZone(pos.x(), pos.y()))
            sliderArea_->setFocus(Qt::MouseFocusReason);
    }
    Apply(picker_.Press(Input(), button, pos.x(), pos.y()));
}

void Form1::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF pos = PixelUnder(e);
    const bool leftAlone = e->buttons() == Qt::LeftButton;
    if (palettes_.View() != PaletteView::Picker) {
        if (leftAlone)
            Apply(palettes_.PickPaletteCell(pos.x(), pos.y(), sys_));
        return;
    }
    Apply(picker_.Drag(Input(), leftAlone ? LeftButton : 0, pos.x(), pos.y()));
}

void Form1::mouseReleaseEvent(QMouseEvent*)
{
    Apply(picker_.Release(Input()));
}

// ---- keyboard ------------------------------------------------------------------

namespace {

// The step of an arrow key: one pixel, ten with Shift; {0, 0} for other keys.
QPoint ArrowStep(const QKeyEvent* e)
{
    const int step = (e->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (e->key()) {
    case Qt::Key_Left:
        return {-step, 0};
    case Qt::Key_Right:
        return {step, 0};
    case Qt::Key_Up:
        return {0, -step};
    case Qt::Key_Down:
        return {0, step};
    default:
        return {0, 0};
    }
}

bool IsActivationKey(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

bool Form1::handlePlaneKey(QKeyEvent* e)
{
    const QPoint step = ArrowStep(e);
    if (palettes_.View() != PaletteView::Picker) {
        // The grid: arrows move the selected cell, Space or Enter picks it.
        if (!step.isNull()) {
            const int k = palettes_.CellMovedBy(step.x() == 0 ? 0 : (step.x() > 0 ? 1 : -1),
                                                step.y() == 0 ? 0 : (step.y() > 0 ? 1 : -1));
            palettes_.SelectCell(k);
            return true;
        }
        if (IsActivationKey(e)) {
            Apply(palettes_.PickCell(palettes_.SelectedCell(), sys_));
            return true;
        }
        return false;
    }
    if (step.isNull())
        return false;
    Apply(picker_.MoveRingBy(Input(), step.x(), step.y()));
    return true;
}

bool Form1::handleSliderKey(QKeyEvent* e)
{
    if (palettes_.View() != PaletteView::Picker)
        return false;
    const QPoint step = ArrowStep(e);
    int dy = step.y();
    if (e->key() == Qt::Key_PageUp)
        dy = -10;
    else if (e->key() == Qt::Key_PageDown)
        dy = 10;
    if (dy == 0)
        return false;
    Apply(picker_.MoveSliderBy(Input(), dy));
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
    if ((focus == planeArea_ && handlePlaneKey(e)) || (focus == sliderArea_ && handleSliderKey(e))) {
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Form1::onChannelKeyReleased(QLineEdit* field)
{
    if (field == hueField_)
        Apply(picker_.HueFieldEdited(Input()));
    else if (field == saturationField_)
        Apply(picker_.SaturationFieldEdited(Input()));
    else if (field == brightnessField_)
        Apply(picker_.BrightnessFieldEdited(Input()));
}

void Form1::closeEvent(QCloseEvent* e)
{
    e->accept();
    emit closed();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+C in an output field with nothing selected copies the whole code.
        if (field && std::find(outputFields_.begin(), outputFields_.end(), field) != outputFields_.end() &&
            key->matches(QKeySequence::Copy) && !field->hasSelectedText()) {
            QApplication::clipboard()->setText(field->text());
            return true;
        }
        if (field && key->key() == Qt::Key_Escape && isEntryField(field) &&
            (field->text() != shownText_.value(field) || field->property("invalidEntry").toBool())) {
            field->setText(shownText_.value(field));
            unmarkField(field);
            return true;
        }
        if (field && !key->isAutoRepeat())
            keyDownIn_ = field;
    } else if (event->type() == QEvent::KeyRelease && field) {
        // A release counts only in the field where its key went down: the
        // Enter that closes the hue message must not reach the hue field
        // and ask again.
        const bool typedHere = keyDownIn_ == field;
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            keyDownIn_ = nullptr;
        if (typedHere)
            onChannelKeyReleased(field);
    } else if (event->type() == QEvent::FocusOut && watched == hueField_) {
        keyDownIn_ = nullptr;
        // Leaving the field, not a message box or popup taking the focus
        // for a moment.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible())
            Apply(picker_.HueFieldLeft(Input()));
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
    sys_ = SystemColorsFromPalette(QApplication::palette());
    surface_.setEdgeColors(EdgeColorsFrom(sys_));
    surface_.setBackColor(sys_[15]);
}

// ---- palettes and history --------------------------------------------------------

void Form1::togglePaletteView()
{
    surface_.Cls();
    if (palettes_.View() != PaletteView::Picker) {
        // Back to the picker, rebuilt for the selected mode from the fields.
        presetList_->hide();
        presetsButton_->setText(QStringLiteral("&Preset"));
        Apply(picker_.SetMarkersVisible(true));
        Apply(picker_.SwitchMode(Input()));
        palettes_.SetView(PaletteView::Picker);
        channelPanel_->show();
        sliderArea_->show();
        addButton_->hide();
        addSwatch_->hide();
        addPanel_->hide();
    } else {
        channelPanel_->hide();
        sliderArea_->hide();
        Apply(picker_.SetMarkersVisible(false));
        palettes_.SetView(PaletteView::CustomColors);
        palettes_.LoadCustomColors();
        presetsButton_->setText(QStringLiteral("&Picker"));
        presetList_->show();
        presetList_->setCurrentIndex(0);
        onPresetChosen();
        addSwatch_->setColor(newSwatch_->color());
        addButton_->show();
        addSwatch_->show();
        addPanel_->show();
    }
    surface_.Refresh();
    update();
}

void Form1::onPresetChosen()
{
    surface_.Cls();
    switch (presetList_->currentIndex()) {
    case 0:
        palettes_.LoadCustomColors();
        addButton_->show();
        addSwatch_->show();
        palettes_.SetView(PaletteView::CustomColors);
        break;
    case 1:
        palettes_.DrawSafePalette();
        addButton_->hide();
        addSwatch_->hide();
        palettes_.SetView(PaletteView::SafePalette);
        break;
    default:
        break;
    }
    surface_.Refresh();
}

void Form1::addColorToPalette()
{
    const SaveResult saved = palettes_.AddColor(addSwatch_->color());
    // A file that was not read cleanly was kept aside before this first
    // save over it: the user hears where, once.
    if (!saved.notice.isEmpty())
        ShowMessage(saved.notice);
    if (saved.ok) {
        // A later failure is news again.
        saveFailureReported_ = false;
        return;
    }
    if (!saveFailureReported_) {
        saveFailureReported_ = true;
        ShowMessage(
            QStringLiteral("The custom colours could not be saved.\n\n%1\n\n"
                           "The colours you add stay in the palette, also when you switch to the other "
                           "grid and back, until a later \"Add\" saves them. Colours not saved by then "
                           "are lost when %2 is closed.")
                .arg(saved.error, QString::fromStdString(brand_.productName)));
    }
}

void Form1::onAddSwatchClicked()
{
    Apply(palettes_.ShowSwatchColor(addSwatch_->color(), sys_));
}

void Form1::keepColor()
{
    history_.Keep(newSwatch_->color());
    oldSwatch_->setColor(history_.Old());
    for (int i = 0; i < ColorHistory::Size; ++i)
        historySwatches_[static_cast<std::size_t>(i)]->setColor(history_.At(i));
    refreshColorFacts();
}

void Form1::onHistorySwatchClicked(int index)
{
    if (index < 0 || index >= ColorHistory::Size)
        return;
    Apply(palettes_.ShowSwatchColor(historySwatches_[static_cast<std::size_t>(index)]->color(), sys_));
}

void Form1::onNewSwatchClicked()
{
    Apply(palettes_.ShowSwatchColor(newSwatch_->color(), sys_));
}

void Form1::onOldSwatchClicked()
{
    Apply(palettes_.ShowSwatchColor(oldSwatch_->color(), sys_));
}

void Form1::copyOutput(int index)
{
    static constexpr int paired[] = {2, 4, 3, 5};
    if (index < 0 || index > 3)
        return;
    const int output = paired[index];
    if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
        QPushButton* button = copyButtons_[static_cast<std::size_t>(index)];
        showCopyAsMenu(output, button->mapToGlobal(button->rect().bottomLeft()));
        return;
    }
    QApplication::clipboard()->setText(outputFields_[static_cast<std::size_t>(output)]->text());
}

void Form1::showCopyAsMenu(int output, const QPoint& globalPos)
{
    if (!copyAsMenu_)
        return;
    (void)output; // every code field offers the notations of the current colour
    copyAsMenu_->setColor(SplitColor(ResolveColor(color_.CurrentColor(), sys_)));
    copyAsMenu_->popup(globalPos);
}

// ---- colours from outside --------------------------------------------------------

Eyedropper& Form1::eyedropper()
{
    if (!eyedropper_) {
        eyedropper_ = new Eyedropper(this);
        connect(eyedropper_, &Eyedropper::picked, this, &Form1::showColor);
        connect(eyedropper_, &Eyedropper::failed, this, &Form1::ShowMessage);
    }
    return *eyedropper_;
}

void Form1::pickFromScreen()
{
    eyedropper().start();
}

bool Form1::isEntryField(const QObject* o) const
{
    return o == outputFields_[2] || o == outputFields_[3] || o == outputFields_[4] || o == outputFields_[5] ||
           o == redField_ || o == greenField_ || o == blueField_;
}

namespace {

// A channel typed into the R, G or B field: a whole number 0..255. Other
// text is read as a whole colour.
std::optional<int> ChannelValue(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < 0 || v > 255)
        return std::nullopt;
    return v;
}

bool AllDigits(const QString& text)
{
    const QString t = text.trimmed();
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

void Form1::applyTypedColor(QLineEdit* field)
{
    const QString text = field->text();
    const bool channelField = field == redField_ || field == greenField_ || field == blueField_;
    if (channelField && AllDigits(text)) {
        // A number in a channel field is that channel, with the other two as
        // their fields hold them.
        std::optional<int> r = ChannelValue(redField_->text());
        std::optional<int> g = ChannelValue(greenField_->text());
        std::optional<int> b = ChannelValue(blueField_->text());
        for (auto [f, v] : {std::pair{redField_, r}, {greenField_, g}, {blueField_, b}})
            if (!v)
                markField(f, QStringLiteral("Expected a whole number from 0 to 255"));
        if (r && g && b)
            showColor(Rgb{*r, *g, *b});
        return;
    }
    const NotationParse parsed = ParseColorNotation(text.toStdString());
    if (!parsed.color) {
        markField(field, QString::fromStdString(parsed.error));
        return;
    }
    showColor(*parsed.color);
}

void Form1::pasteColor()
{
    const QString text = QApplication::clipboard()->text();
    const NotationParse parsed = ParseColorNotation(text.toStdString());
    if (!parsed.color) {
        const QString why =
            QStringLiteral("The clipboard holds no colour: %1").arg(QString::fromStdString(parsed.error));
        QToolTip::showText(newSwatch_->mapToGlobal(newSwatch_->rect().bottomLeft()), why, newSwatch_);
        newSwatch_->setToolTip(why);
        return;
    }
    newSwatch_->setToolTip(QString());
    showColor(*parsed.color);
}

void Form1::markField(QLineEdit* field, const QString& why)
{
    field->setProperty("invalidEntry", true);
    field->setToolTip(why);
    field->update();
    QToolTip::showText(field->mapToGlobal(field->rect().bottomLeft()), why, field);
}

void Form1::unmarkField(QLineEdit* field)
{
    if (!field->property("invalidEntry").toBool())
        return;
    field->setProperty("invalidEntry", false);
    // The channel fields keep their design tooltips.
    const QString tip = field == redField_     ? QStringLiteral("Red")
                        : field == greenField_ ? QStringLiteral("Green")
                        : field == blueField_  ? QStringLiteral("Blue")
                                               : QString();
    field->setToolTip(tip);
    field->update();
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
        update();
    }
    ShowMessage(result.message);
}

void Form1::exportPalette()
{
    const QString path = askForPaletteFile(true);
    if (path.isEmpty())
        return;
    const PaletteExport result = ExportPaletteFile(
        path, store_.Load(), QString::fromStdString(brand_.productName) + QStringLiteral(" custom colours"));
    ShowMessage(result.message);
}

} // namespace tintora
