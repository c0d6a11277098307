// SPDX-License-Identifier: MIT
#include "mainwin/channel_fields_panel.h"

#include "mainwin/classic_field_style.h"
#include "mainwin/color_entry.h"
#include "mainwin/entry_fields.h"
#include "platform/window_helpers.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tintora {

namespace {

QFont Family(const char* family, double points)
{
    return DesignFont(QString::fromLatin1(family), points, false);
}

template <typename W> W* Make(QWidget* parent, const char* name, QRect r)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(r);
    return w;
}

} // namespace

ChannelFieldsPanel::ChannelFieldsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame2"));
    entries_ = new EntryFields(this, [this](QLineEdit* f) { return read(f); });
    connect(entries_, &EntryFields::reverted, this, [this] { emit message(QString()); });
    const QFont regular = VerdanaFont(8.25, false);
    const QFont arial12 = Family("Arial", 12);
    const QFont arial = Family("Arial", 8.25);
    // One row per channel pair: option, field, unit label; then R, G or B.
    // Created left to right, top to bottom, the order of the Tab key.
    auto option = [&](PickerMode mode, const char* name, int y, int w, const QString& caption,
                      const QString& tip) {
        auto* o = Make<QRadioButton>(this, name, {0, y, w, 17});
        o->setText(caption);
        o->setToolTip(tip);
        // The field beside it carries the channel's own name.
        o->setAccessibleName(tr("%1 mode").arg(tip));
        o->setFont(regular);
        options_[static_cast<std::size_t>(mode)] = o;
        connect(o, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on)
                emit modeChosen(mode);
        });
    };
    auto field = [&](ChannelField f, const char* name, QRect r, const char* text, const QString& tip) {
        auto* t = Make<QLineEdit>(this, name, r);
        t->setText(QString::fromLatin1(text));
        t->setToolTip(tip);
        t->setAccessibleName(tip);
        t->installEventFilter(this);
        fields_[static_cast<std::size_t>(f)] = t;
        return t;
    };
    auto label = [&](const char* name, QRect r, const QString& caption, const QFont* font,
                     const QString& tip) {
        auto* l = Make<QLabel>(this, name, r);
        l->setText(caption);
        if (font)
            l->setFont(*font);
        l->setToolTip(tip);
        return l;
    };

    option(PickerMode::Hue, "optH", 34, 35, tr("H:"), tr("Hue"));
    field(ChannelField::Hue, "txtH", {36, 32, 49, 19}, "0", tr("Hue"))
        ->setFont(Family("MS Sans Serif", 8.25));
    // The degree sign sits at the top of a 12-point line, which is taller
    // than its 11-pixel label: top-aligned it shows whole.
    label("lblH", {88, 32, 11, 11}, QStringLiteral("\u00B0"), &arial12, QString())
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label("lblR", {104, 36, 17, 15}, tr("R:"), nullptr, tr("Red"));
    field(ChannelField::Red, "Text1", {120, 32, 49, 19}, "255", tr("Red"));

    option(PickerMode::Saturation, "optS", 54, 43, tr("S:"), tr("Saturation"));
    field(ChannelField::Saturation, "txtS", {36, 52, 49, 19}, "100", tr("Saturation"));
    label("lblS", {88, 52, 11, 13}, QStringLiteral("%"), &arial, QString());
    label("lblG", {103, 54, 19, 15}, tr("G:"), nullptr, tr("Green"));
    field(ChannelField::Green, "Text2", {120, 52, 49, 19}, "0", tr("Green"));

    option(PickerMode::Brightness, "optB", 74, 45, tr("B:"), tr("Brightness"));
    field(ChannelField::Brightness, "txtB", {36, 75, 49, 19}, "100", tr("Brightness"));
    label("lblBB", {88, 72, 13, 17}, QStringLiteral("%"), &arial, QString());
    label("lblB", {104, 74, 21, 15}, tr("B:"), nullptr, tr("Blue"));
    field(ChannelField::Blue, "Text3", {120, 72, 49, 19}, "0", tr("Blue"));

    options_[0]->setChecked(true);
    for (ChannelField f : {ChannelField::Red, ChannelField::Green, ChannelField::Blue})
        entries_->add(this->field(f));
}

ChannelTexts ChannelFieldsPanel::texts() const
{
    ChannelTexts t;
    for (std::size_t i = 0; i < ChannelFieldCount; ++i)
        t[i] = fields_[i]->text().toStdString();
    return t;
}

void ChannelFieldsPanel::showTexts(const std::array<std::optional<std::string>, ChannelFieldCount>& texts)
{
    for (std::size_t i = 0; i < ChannelFieldCount; ++i) {
        if (!texts[i])
            continue;
        QLineEdit* t = fields_[i];
        const QString text = QString::fromStdString(*texts[i]);
        if (entries_->contains(t))
            entries_->write(t, text);
        else
            ShowText(t, text);
    }
}

void ChannelFieldsPanel::showMode(PickerMode mode)
{
    QRadioButton* o = options_[static_cast<std::size_t>(mode)];
    if (o->isChecked())
        return;
    const QSignalBlocker quiet(o);
    o->setChecked(true);
}

ChannelField ChannelFieldsPanel::fieldOf(const QObject* o) const
{
    for (std::size_t i = 0; i < ChannelFieldCount; ++i)
        if (o == fields_[i])
            return static_cast<ChannelField>(i);
    return ChannelField::Hue;
}

bool ChannelFieldsPanel::settlePendingEdits()
{
    return entries_->settleAll();
}

bool ChannelFieldsPanel::read(QLineEdit* t)
{
    const QString text = t->text();
    if (IsWholeNumber(text)) {
        // A number in a channel field is that channel, with the other two as
        // their fields hold them.
        const QString why = tr("Not a channel value (0 to 255)");
        std::array<int, 3> v{};
        bool ok = true;
        for (int i = 0; i < 3; ++i) {
            QLineEdit* c = field(static_cast<ChannelField>(static_cast<int>(ChannelField::Red) + i));
            const std::optional<int> value = ChannelEntry(c->text());
            v[static_cast<std::size_t>(i)] = value.value_or(0);
            if (!value)
                MarkRefused(c, why);
            ok = ok && value.has_value();
        }
        if (ok)
            emit colorEntered(Rgb{v[0], v[1], v[2]});
        else
            emit message(why);
        return ok;
    }
    // Other text is read as a whole colour.
    const EntryReading reading = ReadColorEntry(EntrySource::RgbCode, text);
    MarkRefused(t, reading.reason);
    if (reading.color)
        emit colorEntered(*reading.color);
    emit message(reading.color ? reading.note : reading.reason);
    return reading.color.has_value();
}

bool ChannelFieldsPanel::eventFilter(QObject* watched, QEvent* event)
{
    // H, S and B: a key released where it went down is typing, and moves
    // the picker; leaving the hue field checks its value. R, G and B are
    // entry fields.
    auto* t = qobject_cast<QLineEdit*>(watched);
    if (!t)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            keyDownIn_ = t;
    } else if (event->type() == QEvent::KeyRelease && !entries_->contains(t)) {
        // The Enter that closes the hue message must not reach the hue
        // field and ask again.
        const bool typedHere = keyDownIn_ == t;
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            keyDownIn_ = nullptr;
        if (typedHere)
            emit fieldEdited(fieldOf(t));
    } else if (event->type() == QEvent::FocusOut && t == field(ChannelField::Hue)) {
        // Leaving the field, not a message box or popup taking the focus for
        // a moment.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            window()->isVisible()) {
            keyDownIn_ = nullptr;
            emit hueFieldLeft();
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tintora
