// SPDX-License-Identifier: MIT
#include "mainwin/swatch_label.h"

#include "core/numeric.h"
#include "surface/qt_colors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tintora {

SwatchLabel::SwatchLabel(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setColor(0);
}

void SwatchLabel::setColor(ColorRef color)
{
    if (color == color_ && autoFillBackground() && palette().color(QPalette::Window) == ToQColor(color))
        return;
    color_ = color;
    QPalette p = palette();
    // Values that are not plain colours (a read off the picture gives -1)
    // show their low three bytes.
    p.setColor(QPalette::Window, ToQColor(color));
    setPalette(p);
    describe();
}

void SwatchLabel::describe()
{
    // The colour as a screen reader says it, "#66CCFF".
    const QString hex = QString::fromStdString("#" + PaddedHex(Rgb::FromColorRef(color_).ToRrggbb(), 6));
    setAccessibleDescription(marked_ ? tr("%1, shown in the codes").arg(hex) : hex);
}

void SwatchLabel::mousePressEvent(QMouseEvent* e)
{
    // The press is the swatch's: it must not reach the window beneath as a
    // press on the picker.
    QLabel::mousePressEvent(e);
    e->accept();
}

void SwatchLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

void SwatchLabel::mouseDoubleClickEvent(QMouseEvent* e)
{
    QLabel::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        emit doubleClicked();
}

void SwatchLabel::setMarked(bool marked)
{
    if (marked == marked_)
        return;
    marked_ = marked;
    describe();
    update();
}

void SwatchLabel::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(e);
}

void SwatchLabel::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (!hasFocus() && !marked_)
        return;
    // Drawn in the colour's complement, visible on any colour.
    QPainter p(this);
    const Rgb rgb = Rgb::FromColorRef(color_);
    const QColor complement(255 - rgb.red, 255 - rgb.green, 255 - rgb.blue);
    if (marked_) {
        // A triangle in the top left corner, clear of the middle.
        const int side = std::min(width(), height()) / 3;
        const QPoint corner = contentsRect().topLeft();
        const QPoint triangle[] = {corner, corner + QPoint(side, 0), corner + QPoint(0, side)};
        p.setPen(Qt::NoPen);
        p.setBrush(complement);
        p.drawPolygon(triangle, 3);
    }
    if (hasFocus()) {
        // A dotted frame.
        p.setPen(QPen(complement, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

} // namespace tintora
