// SPDX-License-Identifier: MIT
#include "mainwin/classic_field_style.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

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
    const auto draw = [&](QPainter* to, QRect rect) {
        if (element == PE_PanelLineEdit)
            to->fillRect(rect.adjusted(2, 2, -2, -2), base);
        // Two rings of solid rectangles: shadow and highlight outside, dark
        // shadow and light inside.
        const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
        const auto ring = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
            const int x = l + inset, y = t + inset, rw = w - 2 * inset, rh = h - 2 * inset;
            to->fillRect(x, y, rw - 1, 1, topLeft);
            to->fillRect(x, y, 1, rh - 1, topLeft);
            to->fillRect(x, y + rh - 1, rw, 1, bottomRight);
            to->fillRect(x + rw - 1, y, 1, rh, bottomRight);
        };
        ring(0, edges[0], edges[1]);
        ring(1, edges[2], edges[3]);
    };
    // Copied only where a copy is the same pixels as the fills: a solid,
    // opaque panel on whole device pixels.
    const bool copyable = element == PE_PanelLineEdit && base.style() == Qt::SolidPattern &&
                          base.color().alpha() == 255 && painter->opacity() == 1.0 &&
                          painter->compositionMode() == QPainter::CompositionMode_SourceOver &&
                          painter->transform().type() <= QTransform::TxTranslate && painter->device() &&
                          painter->device()->devicePixelRatio() == 1.0;
    if (!copyable) {
        draw(painter, r);
        return;
    }
    const std::array colors{base.color().rgba(), edges[0].rgba(), edges[1].rgba(), edges[2].rgba(),
                            edges[3].rgba()};
    auto it = std::find_if(panels_.begin(), panels_.end(),
                           [&](const Panel& p) { return p.size == r.size() && p.colors == colors; });
    if (it == panels_.end()) {
        // Sizes and schemes are few; a bound keeps odd uses from piling up.
        if (panels_.size() >= 16)
            panels_.clear();
        QImage image(r.size(), QImage::Format_RGB32);
        QPainter on(&image);
        draw(&on, image.rect());
        on.end();
        it = panels_.insert(panels_.end(), Panel{r.size(), colors, std::move(image)});
    }
    painter->drawImage(r.topLeft(), it->image);
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
