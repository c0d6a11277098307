// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QColor>
#include <QRgb>

namespace tintora {

// Conversions between a ColorRef (0x00BBGGRR) and Qt's colours. Only the low
// three bytes count, as on the screen; Qt's colours come back opaque.
inline QRgb ToQRgb(ColorRef c)
{
    const Rgb rgb = Rgb::FromColorRef(c);
    return qRgb(rgb.red, rgb.green, rgb.blue);
}
inline ColorRef FromQRgb(QRgb c)
{
    return MakeColorRef(qRed(c), qGreen(c), qBlue(c));
}
inline QColor ToQColor(ColorRef c)
{
    return QColor(ToQRgb(c));
}
inline ColorRef FromQColor(const QColor& c)
{
    return FromQRgb(c.rgb());
}

} // namespace tintora
