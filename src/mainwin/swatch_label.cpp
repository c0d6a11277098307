#include "mainwin/swatch_label.h"

#include "surface/surface.h"

#include <QMouseEvent>

namespace tintora {

SwatchLabel::SwatchLabel(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    setColor(0);
}

void SwatchLabel::setColor(ColorRef color)
{
    if (color == color_ && autoFillBackground() && palette().color(QPalette::Window) == QColor(ToQRgb(color)))
        return;
    color_ = color;
    QPalette p = palette();
    // Values that are not plain colours (a read off the picture gives -1)
    // show their low three bytes.
    p.setColor(QPalette::Window, QColor(ToQRgb(color)));
    setPalette(p);
}

void SwatchLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

} // namespace tintora
