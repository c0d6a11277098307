// SPDX-License-Identifier: MIT
#include "mainwin/classic_field_style.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include <array>

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
    const QBrush& base = pal.brush(enabled ? QPalette::Active : QPalette::Disabled,
                                   enabled ? QPalette::Base : QPalette::Window);
    // A field holding text that is not a colour is framed in red.
    const bool refused = widget && IsMarkedRefused(widget);
    const QColor red(0xD0, 0x00, 0x00);
    const std::array<QColor, 4> edges =
        refused ? std::array{red, red, red, red}
                : std::array{pal.color(QPalette::Dark), pal.color(QPalette::Light),
                             pal.color(QPalette::Shadow), pal.color(QPalette::Midlight)};
    if (element == PE_PanelLineEdit)
        painter->fillRect(r.adjusted(2, 2, -2, -2), base);
    // Two rings of solid rectangles: shadow and highlight outside, dark
    // shadow and light inside.
    const auto ring = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        const int x = r.left() + inset, y = r.top() + inset, w = r.width() - 2 * inset,
                  h = r.height() - 2 * inset;
        painter->fillRect(x, y, w - 1, 1, topLeft);
        painter->fillRect(x, y, 1, h - 1, topLeft);
        painter->fillRect(x, y + h - 1, w, 1, bottomRight);
        painter->fillRect(x + w - 1, y, 1, h, bottomRight);
    };
    ring(0, edges[0], edges[1]);
    ring(1, edges[2], edges[3]);
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
