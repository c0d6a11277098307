// SPDX-License-Identifier: MIT
#include "mainwin/focus_area.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

namespace tintora {

FocusArea::FocusArea(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    InstallFocusAreaAccessibleFactory();
}

void FocusArea::describe(const AreaDescription& d)
{
    const bool valueChanged = d.valueText != description_.valueText || d.value != description_.value ||
                              d.minimum != description_.minimum || d.maximum != description_.maximum;
    description_ = d;
    // Both send their own change events when the text differs.
    setAccessibleName(d.name);
    setAccessibleDescription(d.valueText);
    if (valueChanged && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, slider_ ? QVariant(d.value) : QVariant(d.valueText));
        QAccessible::updateAccessibility(&event);
    }
}

void FocusArea::paintEvent(QPaintEvent* e)
{
    // The frame is the outermost ring of pixels: a repaint inside it (the
    // markers of a drag) leaves it as it is.
    if (!hasFocus() || rect().adjusted(1, 1, -1, -1).contains(e->rect()))
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
