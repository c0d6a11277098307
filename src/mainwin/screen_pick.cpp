// SPDX-License-Identifier: MIT
#include "mainwin/screen_pick.h"

#include "eyedropper/eyedropper.h"

#include <QWidget>

namespace tintora {

ScreenPick::ScreenPick(QWidget* window, QWidget* fallbackFocus)
    : QObject(window), window_(window), fallbackFocus_(fallbackFocus)
{
}

Eyedropper& ScreenPick::eyedropper()
{
    if (!eyedropper_) {
        eyedropper_ = new Eyedropper(window_);
        connect(eyedropper_, &Eyedropper::picked, this, [this](Rgb rgb) {
            done();
            emit picked(rgb);
        });
        connect(eyedropper_, &Eyedropper::cancelled, this, &ScreenPick::done);
        connect(eyedropper_, &Eyedropper::failed, this, [this](const QString& why) {
            done();
            emit failed(why);
        });
    }
    return *eyedropper_;
}

void ScreenPick::start()
{
    if (!eyedropper().running())
        focusBeforePick_ = window_->focusWidget();
    eyedropper().start();
}

void ScreenPick::done()
{
    // The overlay had the keyboard: without a window manager nobody gives
    // it back, and the next Ctrl+E would go nowhere.
    window_->activateWindow();
    QWidget* back = focusBeforePick_ ? focusBeforePick_.data() : fallbackFocus_;
    back->setFocus(Qt::OtherFocusReason);
}

} // namespace tintora
