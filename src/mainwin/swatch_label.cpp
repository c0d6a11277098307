#include "mainwin/swatch_label.h"

#include "surface/surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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
}

void SwatchLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
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
    if (!hasFocus())
        return;
    // A dotted frame in the colour's complement, visible on any colour.
    QPainter p(this);
    const Rgb rgb = Rgb::FromColorRef(color_);
    p.setPen(QPen(QColor(255 - rgb.red, 255 - rgb.green, 255 - rgb.blue), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace tintora
