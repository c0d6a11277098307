// SPDX-License-Identifier: MIT
#include "eyedropper/pixel_mapping.h"

#include "core/color_conversions.h"

#include <QString>

#include <cmath>

namespace tintora {

namespace {

// Far larger than any rounding error of n / dpr * dpr for screen-sized n,
// far smaller than the 1/4 pixel by which a fractional scale can place a
// logical position inside a device pixel.
constexpr double kSnap = 1e-6;

int DeviceCoordinate(double logical, double dpr, int size)
{
    if (size <= 0 || std::isnan(logical))
        return 0;
    const double d = std::floor(logical * dpr + kSnap);
    // Compared as doubles before any conversion, so huge values cannot overflow.
    if (!(d > 0.0))
        return 0;
    if (d >= static_cast<double>(size - 1))
        return size - 1;
    return static_cast<int>(d);
}

double UsableRatio(qreal dpr)
{
    return std::isfinite(dpr) && dpr > 0.0 ? dpr : 1.0;
}

} // namespace

QPoint DevicePixelAt(QPointF logical, qreal dpr, QSize deviceSize)
{
    const double ratio = UsableRatio(dpr);
    return {DeviceCoordinate(logical.x(), ratio, deviceSize.width()),
            DeviceCoordinate(logical.y(), ratio, deviceSize.height())};
}

QPointF LogicalPositionOf(QPoint device, qreal dpr)
{
    const double ratio = UsableRatio(dpr);
    return {device.x() / ratio, device.y() / ratio};
}

QString HtmlCode(Rgb rgb)
{
    return QStringLiteral("#") + QString::fromStdString(GetHexVal(rgb.red, rgb.green, rgb.blue));
}

std::optional<Rgb> RgbFromUnitChannels(double red, double green, double blue)
{
    const double in[3] = {red, green, blue};
    int out[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (!(in[i] >= 0.0 && in[i] <= 1.0))
            return std::nullopt;
        out[i] = static_cast<int>(std::nearbyint(in[i] * 255.0));
    }
    return Rgb{out[0], out[1], out[2]};
}

} // namespace tintora
