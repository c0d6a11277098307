// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QProxyStyle>

#include <array>
#include <vector>

class QLineEdit;

namespace tintora {

// Text fields drawn as classic sunken panels: a flat base inside a two-pixel
// shaded edge. It is the look of the desktop programs this window follows,
// and far cheaper to paint than an antialiased rounded frame, which matters
// because a drag rewrites up to nine fields on every pointer move. A field
// whose "invalidEntry" property is true is framed in red instead.
class ClassicFieldStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    // A whole panel, drawn once for its size and colours and copied from
    // then on: one copy costs a field's repaint far less than nine fills.
    struct Panel {
        QSize size;
        std::array<QRgb, 5> colors{};
        QImage image;
    };
    mutable std::vector<Panel> panels_;
};

// Frames a field in red for text that is not a colour, the reason kept as
// its accessible description; an empty reason clears the mark.
void MarkRefused(QLineEdit* field, const QString& why);
bool IsMarkedRefused(const QWidget* field);

} // namespace tintora
