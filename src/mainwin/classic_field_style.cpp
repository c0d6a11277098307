// SPDX-License-Identifier: MIT
#include "mainwin/classic_field_style.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

namespace tintora {

void ClassicFieldStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const
{
    if (element != PE_PanelLineEdit && element != PE_FrameLineEdit) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect r = option->rect;
    if (r.width() < 4 || r.height() < 4)
        return;
    const QPalette& pal = option->palette;
    const bool enabled = option->state & State_Enabled;
    if (element == PE_PanelLineEdit)
        painter->fillRect(r.adjusted(2, 2, -2, -2), pal.brush(enabled ? QPalette::Active : QPalette::Disabled,
                                                              enabled ? QPalette::Base : QPalette::Window));
    // Two rings of solid rectangles: shadow and highlight outside, dark
    // shadow and light inside.
    const int l = r.left(), t = r.top(), w = r.width(), h = r.height();
    const auto ring = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        const int x = l + inset, y = t + inset, rw = w - 2 * inset, rh = h - 2 * inset;
        painter->fillRect(x, y, rw - 1, 1, topLeft);
        painter->fillRect(x, y, 1, rh - 1, topLeft);
        painter->fillRect(x, y + rh - 1, rw, 1, bottomRight);
        painter->fillRect(x + rw - 1, y, 1, rh, bottomRight);
    };
    // A field holding text that is not a colour is framed in red.
    if (widget && IsMarkedRefused(widget)) {
        const QColor red(0xD0, 0x00, 0x00);
        ring(0, red, red);
        ring(1, red, red);
        return;
    }
    ring(0, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    ring(1, pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
}

// The reason is never empty for a marked field, so an empty description
// answers without looking the property up by name: every field is cleared
// on every move of a drag.
void MarkRefused(QLineEdit* field, const QString& why)
{
    if (why.isEmpty() && field->accessibleDescription().isEmpty())
        return;
    if (IsMarkedRefused(field) == !why.isEmpty() && field->accessibleDescription() == why)
        return;
    field->setProperty("invalidEntry", !why.isEmpty());
    field->setAccessibleDescription(why);
    field->update();
}

bool IsMarkedRefused(const QWidget* field)
{
    return !field->accessibleDescription().isEmpty() && field->property("invalidEntry").toBool();
}

} // namespace tintora
