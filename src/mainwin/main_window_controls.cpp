// SPDX-License-Identifier: MIT
// The main window's controls at their fixed places. They are created from
// the top left to the bottom right of the window, which is also the order
// the Tab key follows.
#include "mainwin/channel_fields_panel.h"
#include "mainwin/color_facts_label.h"
#include "mainwin/focus_area.h"
#include "mainwin/main_window.h"
#include "mainwin/output_codes_panel.h"
#include "mainwin/placed_controls.h"
#include "mainwin/swatch_row.h"
#include "mainwin/system_colors_qt.h"
#include "platform/window_helpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tintora {

void MainWindow::buildControls()
{
    setFont(VerdanaFont(8.25, true));

    // The plane (or the grid in its place) and the slider strip are drawn on
    // the surface; these take the keyboard focus for them, first in the Tab
    // order as they are the first things in the window.
    planeArea_ = Make<FocusArea>(this, QStringLiteral("planeArea"), 5, 5, 266, 266);
    sliderArea_ = Make<FocusArea>(this, QStringLiteral("sliderArea"), 271, 5, 28, 266);
    sliderArea_->setSlider(true);

    keepButton_ = Button(this, QStringLiteral("Command1"), 304, 4, 83, 59, tr("Keep"));
    presetsButton_ = Button(this, QStringLiteral("Command3"), 392, 4, 83, 59, tr("Presets"));

    swatches_ = new SwatchRow(this);
    swatches_->buildSwatchFrame();

    // H, S, B and R, G, B with the mode options.
    channels_ = new ChannelFieldsPanel(this);
    channels_->setGeometry(300, 112, 173, 149);

    // The preset list and "Add" take the fields' place beside the grid.
    palettePanel_ = new PalettePanel(this, palettes_, store_, sys_, brand_);
    palettePanel_->buildControls();

    // The history frame's designed top edge lies over the last rows of the
    // plane and the strip: there it lets them (and the markers beside the
    // strip) show and take the pointer, and stays opaque everywhere else.
    const PickerLayout& l = picker_.layout();
    swatches_->buildHistoryFrame(
        QRect(l.PlaneLeft, 264, l.SliderRight + 6 - l.PlaneLeft, l.PlaneBottom + 1 - 264));

    // The codes of the current colour with their Copy buttons.
    codes_ = new OutputCodesPanel(this);
    codes_->setGeometry(4, 312, 473, 85);

    aboutButton_ = Button(this, QStringLiteral("Command5"), 4, 400, 233, 45, tr("About this software"));
    visitButton_ = Button(this, QStringLiteral("Command4"), 244, 400, 233, 45, tr("Visit %1").arg(QString()));

    // The band below the two bottom buttons: the colour readout is printed
    // on the surface at its left; beside it the contrast and the name, and
    // the eyedropper's button.
    colorFacts_ = new ColorFactsLabel(this);
    colorFacts_->setGeometry(116, 449, 360, 36);
    colorFacts_->setFont(VerdanaFont(8.25, false));
    // Opaque, so a change repaints the label alone.
    colorFacts_->setAutoFillBackground(true);
    pickButton_ = Button(this, QStringLiteral("cmdPick"), 344, 487, 133, 28, tr("Pick from Screen"));
    pickButton_->setToolTip(tr("Pick a colour anywhere on the screen (Ctrl+E)"));
    screenPick_ = new ScreenPick(this, keepButton_);
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
    cancelButton_ = Button(this, QStringLiteral("Command2"), 516, 304, 83, 33, tr("&Cancel"));
    systemColorList_->hide();
    cancelButton_->hide();
}

} // namespace tintora
