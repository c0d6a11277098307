#pragma once

#include <QProxyStyle>

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
};

} // namespace tintora
