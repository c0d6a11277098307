// SPDX-License-Identifier: MIT
#include "eyedropper/eyedropper_overlay.h"

#include "eyedropper/pixel_mapping.h"
#include "surface/qt_colors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace tintora {

namespace {

constexpr int kBoxSide = EyedropperOverlay::kMagnifiedPixels * EyedropperOverlay::kZoom;
// Gap between the pointer and the magnifier, so it never hides the hot spot.
constexpr int kOffset = 24;
constexpr int kLabelHeight = 20;

} // namespace

EyedropperOverlay::EyedropperOverlay(const QImage& grab, qreal dpr, const QRect& screenGeometry,
                                     QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint),
      dpr_(dpr)
{
    setObjectName(QStringLiteral("EyedropperOverlay"));
    setWindowTitle(tr("Pick from Screen"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(screenGeometry);
    setGrab(grab);
}

void EyedropperOverlay::setGrab(const QImage& grab)
{
    grab_ = grab.convertToFormat(QImage::Format_RGB32);
    current_ = QPoint(grab_.width() / 2, grab_.height() / 2);
    magnifierShown_ = false;
    leftPressed_ = false;
    windowPositionFresh_ = false;
    update();
}

Rgb EyedropperOverlay::currentColor() const
{
    if (grab_.isNull())
        return {};
    return Rgb::FromColorRef(FromQRgb(grab_.pixel(current_)));
}

void EyedropperOverlay::setCurrentPixel(QPoint device)
{
    const QPoint clamped(std::clamp(device.x(), 0, std::max(0, grab_.width() - 1)),
                         std::clamp(device.y(), 0, std::max(0, grab_.height() - 1)));
    if (clamped == current_ && magnifierShown_)
        return;
    if (magnifierShown_)
        update(magnifierRect());
    current_ = clamped;
    magnifierShown_ = true;
    update(magnifierRect());
}

void EyedropperOverlay::setMagnifierShown(bool shown)
{
    if (shown == magnifierShown_)
        return;
    magnifierShown_ = shown;
    update(magnifierRect());
}

QRect EyedropperOverlay::magnifierRect() const
{
    const QPointF at = LogicalPositionOf(current_, dpr_);
    const int w = kBoxSide + 2;
    const int h = kBoxSide + 2 + kLabelHeight;
    int x = static_cast<int>(at.x()) + kOffset;
    int y = static_cast<int>(at.y()) + kOffset;
    // Flipped to the other side of the pointer near the right and bottom edges.
    if (x + w > width())
        x = static_cast<int>(at.x()) - kOffset - w;
    if (y + h > height())
        y = static_cast<int>(at.y()) - kOffset - h;
    return {x, y, w, h};
}

void EyedropperOverlay::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // Drawn 1:1 on the screen's device pixels. The scale is given by the
    // target rectangle rather than set on the image, which would copy the
    // whole grab while another reference to it is alive.
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(grab_.size()) / dpr_), grab_);
    if (magnifierShown_)
        paintMagnifier(painter);
}

void EyedropperOverlay::paintMagnifier(QPainter& painter) const
{
    const QRect frame = magnifierRect();
    const QRect box(frame.x() + 1, frame.y() + 1, kBoxSide, kBoxSide);
    const int half = kMagnifiedPixels / 2;
    for (int j = 0; j < kMagnifiedPixels; ++j) {
        for (int i = 0; i < kMagnifiedPixels; ++i) {
            const QPoint p(current_.x() - half + i, current_.y() - half + j);
            // Beyond the screen's edge: a neutral grey.
            const QColor c = grab_.valid(p) ? QColor(grab_.pixel(p)) : QColor(128, 128, 128);
            painter.fillRect(box.x() + i * kZoom, box.y() + j * kZoom, kZoom, kZoom, c);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    painter.drawRect(frame.x(), frame.y(), kBoxSide + 1, kBoxSide + 1);
    // The centre pixel in black and white, visible on any colour.
    const QRect centre(box.x() + half * kZoom, box.y() + half * kZoom, kZoom, kZoom);
    painter.drawRect(centre.adjusted(-1, -1, 0, 0));
    painter.setPen(Qt::white);
    painter.drawRect(centre.adjusted(0, 0, -1, -1));

    const QRect label(frame.x(), frame.y() + kBoxSide + 2, frame.width(), kLabelHeight);
    painter.fillRect(label, Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(label, Qt::AlignCenter, HtmlCode(currentColor()));
}

void EyedropperOverlay::keyPressEvent(QKeyEvent* event)
{
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentPixel(current_ + QPoint(-step, 0));
        break;
    case Qt::Key_Right:
        setCurrentPixel(current_ + QPoint(step, 0));
        break;
    case Qt::Key_Up:
        setCurrentPixel(current_ + QPoint(0, -step));
        break;
    case Qt::Key_Down:
        setCurrentPixel(current_ + QPoint(0, step));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit pickRequested(currentColor());
        break;
    case Qt::Key_Escape:
        emit cancelRequested();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void EyedropperOverlay::followPointer(QPointF logical)
{
    setCurrentPixel(DevicePixelAt(logical, dpr_, grab_.size()));
}

bool EyedropperOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle()) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            windowPosition_ = static_cast<QMouseEvent*>(event)->position();
            windowPositionFresh_ = true;
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EyedropperOverlay::showEvent(QShowEvent* event)
{
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
    QWidget::showEvent(event);
}

QPointF EyedropperOverlay::exactPosition(const QMouseEvent* event)
{
    // The same event, seen by the window before it was rounded for the widget.
    const QPointF rounded = event->position();
    const bool same = windowPositionFresh_ && qAbs(windowPosition_.x() - rounded.x()) < 1.0 &&
                      qAbs(windowPosition_.y() - rounded.y()) < 1.0;
    windowPositionFresh_ = false;
    return same ? windowPosition_ : rounded;
}

void EyedropperOverlay::mouseMoveEvent(QMouseEvent* event)
{
    followPointer(exactPosition(event));
}

void EyedropperOverlay::mousePressEvent(QMouseEvent* event)
{
    followPointer(exactPosition(event));
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    else if (event->button() == Qt::RightButton)
        emit cancelRequested();
}

void EyedropperOverlay::mouseReleaseEvent(QMouseEvent* event)
{
    // Picked on release, so that the release never reaches a window
    // beneath once the overlay has gone.
    if (event->button() != Qt::LeftButton || !leftPressed_)
        return;
    leftPressed_ = false;
    followPointer(exactPosition(event));
    emit pickRequested(currentColor());
}

void EyedropperOverlay::enterEvent(QEnterEvent* event)
{
    followPointer(event->position());
    emit entered(this);
}

void EyedropperOverlay::leaveEvent(QEvent*)
{
    setMagnifierShown(false);
}

} // namespace tintora
