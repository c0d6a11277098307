#include "mainwin/focus_area.h"

#include <QPainter>

namespace tintora {

FocusArea::FocusArea(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FocusArea::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QPainter p(this);
    QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FocusArea::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
}

void FocusArea::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

} // namespace tintora
