// SPDX-License-Identifier: MIT
// The main window's controls at their fixed places. They are created from
// the top left to the bottom right of the window, which is also the order
// the Tab key follows.
#include "mainwin/channel_fields_panel.h"
#include "mainwin/color_facts_label.h"
#include "mainwin/focus_area.h"
#include "mainwin/form1.h"
#include "mainwin/output_codes_panel.h"
#include "mainwin/swatch_label.h"
#include "mainwin/system_colors_qt.h"
#include "platform/window_helpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tintora {

namespace {

template <typename W> W* Make(QWidget* parent, const QString& name, int x, int y, int w, int h)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

QPushButton* Button(QWidget* parent, const QString& name, int x, int y, int w, int h, const QString& caption)
{
    auto* b = Make<QPushButton>(parent, name, x, y, w, h);
    b->setText(caption);
    b->setAutoDefault(false);
    return b;
}

QLabel* Label(QWidget* parent, const QString& name, int x, int y, int w, int h, const QString& caption)
{
    auto* l = Make<QLabel>(parent, name, x, y, w, h);
    l->setText(caption);
    return l;
}

SwatchLabel* Swatch(QWidget* parent, const QString& name, int x, int y, int w, int h, bool border)
{
    auto* s = Make<SwatchLabel>(parent, name, x, y, w, h);
    if (border)
        s->setFrameStyle(QFrame::Box | QFrame::Plain);
    return s;
}

} // namespace

void Form1::buildControls()
{
    setFont(VerdanaFont(8.25, true));

    // The plane (or the grid in its place) and the slider strip are drawn on
    // the surface; these take the keyboard focus for them, first in the Tab
    // order as they are the first things in the window.
    planeArea_ = Make<FocusArea>(this, QStringLiteral("planeArea"), 5, 5, 266, 266);
    sliderArea_ = Make<FocusArea>(this, QStringLiteral("sliderArea"), 271, 5, 28, 266);
    sliderArea_->setSlider(true);

    keepButton_ = Button(this, QStringLiteral("Command1"), 304, 4, 83, 59, QStringLiteral("Keep"));
    presetsButton_ = Button(this, QStringLiteral("Command3"), 392, 4, 83, 59, QStringLiteral("Presets"));

    swatchFrame_ = Make<QGroupBox>(this, QStringLiteral("Frame1"), 300, 64, 177, 59);
    // Group boxes paint their own background, so nothing drawn on the
    // surface beneath them shows through.
    swatchFrame_->setAutoFillBackground(true);
    Label(swatchFrame_, QStringLiteral("Label1"), 8, 10, 31, 13, tr("New"));
    newSwatch_ = Swatch(swatchFrame_, QStringLiteral("lblSelColor"), 8, 24, 77, 29, false);
    newSwatch_->setAccessibleName(tr("New"));
    Label(swatchFrame_, QStringLiteral("Label3"), 148, 8, 23, 13, tr("Old"));
    oldSwatch_ = Swatch(swatchFrame_, QStringLiteral("Label2"), 88, 24, 81, 29, false);
    oldSwatch_->setAccessibleName(tr("Old"));

    // H, S, B and R, G, B with the mode options.
    channels_ = new ChannelFieldsPanel(this);
    channels_->setGeometry(300, 112, 173, 149);

    addPanel_ = Make<QWidget>(this, QStringLiteral("Frame3"), 296, 112, 181, 101);
    addPanel_->hide();
    addSwatch_ = Swatch(addPanel_, QStringLiteral("lblADDColor"), 8, 48, 169, 39, true);
    addSwatch_->setAccessibleName(tr("Colour to add"));
    addSwatch_->hide();

    presetList_ = Make<QComboBox>(this, QStringLiteral("cmbPreset"), 304, 128, 171, 21);
    presetList_->setFont(VerdanaFont(8.25, false));
    presetList_->setPlaceholderText(QStringLiteral("Safe Colors"));
    presetList_->setAccessibleName(tr("Palette"));
    presetList_->view()->setAccessibleName(tr("Palettes"));
    presetList_->hide();
    addButton_ = Button(this, QStringLiteral("cmdADD"), 304, 200, 171, 59, QStringLiteral("Add"));
    addButton_->hide();

    historyFrame_ = Make<QGroupBox>(this, QStringLiteral("Frame5"), 4, 264, 473, 45);
    historyFrame_->setTitle(QStringLiteral("Color History"));
    historyFrame_->setAutoFillBackground(true);
    for (int i = 0; i < ColorHistory::Size; ++i) {
        SwatchLabel* s =
            Swatch(historyFrame_, QStringLiteral("hist%1").arg(i), 20 + 24 * i, 16, 21, 21, true);
        s->setAccessibleName(tr("History %1").arg(i + 1));
        historySwatches_[static_cast<std::size_t>(i)] = s;
    }
    // The frame's designed top edge lies over the last rows of the plane and
    // the strip: there it lets them (and the markers beside the strip) show
    // and take the pointer, and stays opaque everywhere else.
    const PickerLayout& l = picker_.layout();
    const QRect overlap = QRect(l.PlaneLeft, historyFrame_->y(), l.SliderRight + 6 - l.PlaneLeft,
                                l.PlaneBottom + 1 - historyFrame_->y())
                              .translated(-historyFrame_->pos());
    historyFrame_->setMask(QRegion(historyFrame_->rect()).subtracted(QRegion(overlap)));

    // The codes of the current colour with their Copy buttons.
    codes_ = new OutputCodesPanel(this);
    codes_->setGeometry(4, 312, 473, 85);

    aboutButton_ =
        Button(this, QStringLiteral("Command5"), 4, 400, 233, 45, QStringLiteral("About this software"));
    visitButton_ = Button(this, QStringLiteral("Command4"), 244, 400, 233, 45, QStringLiteral("Visit "));

    // The band below the two bottom buttons: the colour readout is printed
    // on the surface at its left; beside it the contrast and the name, and
    // the eyedropper's button.
    colorFacts_ = new ColorFactsLabel(this);
    colorFacts_->setGeometry(116, 449, 360, 36);
    colorFacts_->setFont(VerdanaFont(8.25, false));
    // Opaque, so its changes during a drag repaint the label alone.
    colorFacts_->setAutoFillBackground(true);
    pickButton_ = Button(this, QStringLiteral("cmdPick"), 344, 487, 133, 28, tr("Pick from Screen"));
    pickButton_->setToolTip(tr("Pick a colour anywhere on the screen (Ctrl+E)"));
    // Beside the button: why a typed or pasted text was refused, or how it
    // was read. A line of its own covers no control, so it never costs a
    // click the way a tooltip over the next field did.
    messageLine_ = new QLabel(this);
    messageLine_->setObjectName(QStringLiteral("lblMessage"));
    messageLine_->setAccessibleName(tr("Message"));
    messageLine_->setGeometry(116, 486, 224, 31);
    messageLine_->setFont(VerdanaFont(7, false));
    messageLine_->setWordWrap(true);
    messageLine_->setTextFormat(Qt::PlainText);
    messageLine_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Controls that live outside the client area and are never shown.
    systemColorList_ = Make<QComboBox>(this, QStringLiteral("cboSysColors"), 532, 432, 145, 21);
    for (std::string_view name : SysColorNames)
        systemColorList_->addItem(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    systemColorList_->setCurrentIndex(-1);
    systemColorList_->setAccessibleName(tr("System colour"));
    systemColorList_->view()->setAccessibleName(tr("System colours"));
    cancelButton_ = Button(this, QStringLiteral("Command2"), 516, 304, 83, 33, QStringLiteral("&Cancel"));
    systemColorList_->hide();
    cancelButton_->hide();
}

} // namespace tintora
