// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QImage>
#include <QWidget>

namespace tintora {

// One screen's part of the eyedropper: a frameless window over the whole
// screen showing a still grab of it, with a magnifier beside the pointer.
// The overlay only asks; the Eyedropper that owns it acts.
//
// Positions are device pixels of the grab. The pointer picks the device
// pixel under its hot spot; arrow keys move the pick one device pixel
// (Shift: ten) without moving the pointer. A left click (on release) or
// Enter asks for the pixel under the magnifier's centre; Escape or a right
// click asks to cancel.
class EyedropperOverlay : public QWidget
{
    Q_OBJECT
public:
    // Magnified area: kMagnifiedPixels x kMagnifiedPixels device pixels,
    // each drawn as a kZoom x kZoom square (logical pixels).
    static constexpr int kMagnifiedPixels = 11;
    static constexpr int kZoom = 9;

    // `grab` holds the screen's device pixels; `dpr` is the screen's scale
    // factor (device pixels per logical pixel); `screenGeometry` is the
    // screen's logical geometry, which the window takes.
    EyedropperOverlay(const QImage& grab, qreal dpr, const QRect& screenGeometry, QWidget* parent = nullptr);

    // Shows `grab` (the screen's device pixels) from now on, with the
    // magnifier hidden at its centre. A null image lets the last grab go.
    void setGrab(const QImage& grab);
    qreal devicePixelRatioUsed() const { return dpr_; }

    // The device pixel under the magnifier's centre, and its colour.
    QPoint currentPixel() const { return current_; }
    Rgb currentColor() const;
    // Whether this overlay shows the magnifier (the pointer or the keyboard
    // is on this screen).
    bool magnifierShown() const { return magnifierShown_; }

    // Puts the magnifier's centre on `device` (clamped into the grab) and
    // shows it here; repaints only the old and new magnifier.
    void setCurrentPixel(QPoint device);
    // Shows or hides the magnifier without moving it.
    void setMagnifierShown(bool shown);

    // The logical rectangle that the magnifier and its code label cover.
    QRect magnifierRect() const;

signals:
    void pickRequested(tintora::Rgb color);
    void cancelRequested();
    // The pointer has come onto this screen.
    void entered(tintora::EyedropperOverlay* overlay);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Qt hands widgets mouse positions rounded to whole logical pixels, so at
    // a fractional scale some device pixels could never be pointed at. The
    // window still sees the exact position; it is kept for the widget's
    // handler of the same event.
    QPointF exactPosition(const QMouseEvent* event);
    void followPointer(QPointF logical);
    void paintMagnifier(QPainter& painter) const;

    QImage grab_;
    qreal dpr_;
    QPoint current_;
    bool magnifierShown_ = false;
    bool leftPressed_ = false;
    QPointF windowPosition_;
    bool windowPositionFresh_ = false;
};

} // namespace tintora
