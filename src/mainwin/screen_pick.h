// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace tintora {

class Eyedropper;

// The main window's eyedropper: started from the button, the swatches'
// menu or Ctrl+E, it hands on the colour picked and gives the keyboard
// back to the window when it ends.
class ScreenPick : public QObject
{
    Q_OBJECT
public:
    // fallbackFocus gets the focus back when nothing had it before the pick.
    ScreenPick(QWidget* window, QWidget* fallbackFocus);

    Eyedropper& eyedropper();
    void start();

signals:
    void picked(tintora::Rgb color);
    void failed(const QString& why);

private:
    void done();

    QWidget* window_;
    QWidget* fallbackFocus_;
    Eyedropper* eyedropper_ = nullptr;
    QPointer<QWidget> focusBeforePick_;
};

} // namespace tintora
