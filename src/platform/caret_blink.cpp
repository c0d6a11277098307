// SPDX-License-Identifier: MIT
#include "platform/caret_blink.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace tintora {

CaretBlinkLimit::CaretBlinkLimit(std::chrono::milliseconds idle, QObject* parent)
    : QObject(parent), flashTime_(QGuiApplication::styleHints()->cursorFlashTime())
{
    idle_.setSingleShot(true);
    idle_.setInterval(idle);
    connect(&idle_, &QTimer::timeout, this, &CaretBlinkLimit::Stop);
    if (flashTime_ > 0) {
        QCoreApplication::instance()->installEventFilter(this);
        idle_.start();
    }
}

CaretBlinkLimit::~CaretBlinkLimit()
{
    if (stopped_)
        QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

bool CaretBlinkLimit::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
        // An event that travels up to parent widgets passes here once per
        // widget; starting the wait again each time costs nothing.
        if (stopped_) {
            stopped_ = false;
            QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
        }
        idle_.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretBlinkLimit::Stop()
{
    stopped_ = true;
    // With no flash time, Qt's text fields stop their blink timers and show
    // the caret steadily.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

} // namespace tintora
