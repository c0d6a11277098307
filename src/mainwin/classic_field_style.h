// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

class QLineEdit;

namespace tintora {

// Text fields drawn as classic sunken panels: a flat base inside a two-pixel
// shaded edge, the look of the desktop programs this window follows, and a
// few solid fills where an antialiased rounded frame blends. A field whose
// "invalidEntry" property is true is framed in red instead.
class ClassicFieldStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Frames a field in red for text that is not a colour, the reason kept as
// its accessible description; an empty reason clears the mark.
void MarkRefused(QLineEdit* field, const QString& why);
bool IsMarkedRefused(const QWidget* field);

} // namespace tintora
