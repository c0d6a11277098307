#include "shell/windows/artwork.h"

#include <algorithm>

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "platform/window_helpers.h"

namespace tintora {

namespace {

constexpr int kSplashWidth = 478;
constexpr int kSplashHeight = 318;

// A full turn of hues for a gradient; `steps` stops plus the closing one.
template <typename Gradient> void AddHueStops(Gradient& gradient, int steps)
{
    for (int i = 0; i <= steps; ++i) {
        const qreal at = static_cast<qreal>(i) / steps;
        gradient.setColorAt(at, QColor::fromHsvF(static_cast<float>(at < 1.0 ? at : 0.0), 1.0f, 1.0f));
    }
}

void PaintHueWheel(QPainter& p, QPointF centre, qreal radius)
{
    QConicalGradient hues(centre, 0);
    AddHueStops(hues, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(hues);
    p.drawEllipse(centre, radius, radius);

    // Towards the centre the hues fade to white, as on a colour wheel.
    QRadialGradient white(centre, radius);
    white.setColorAt(0.0, QColor(255, 255, 255, 255));
    white.setColorAt(0.15, QColor(255, 255, 255, 230));
    white.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(white);
    p.drawEllipse(centre, radius, radius);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    p.drawEllipse(centre, radius + 2, radius + 2);
}

} // namespace

QImage PaintSplashPicture(const QString& productName)
{
    QImage image(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient back(0, 0, kSplashWidth, kSplashHeight);
    back.setColorAt(0.0, QColor(24, 32, 56));
    back.setColorAt(1.0, QColor(58, 35, 80));
    p.fillRect(image.rect(), back);

    PaintHueWheel(p, QPointF(132, 150), 100);

    // A row of swatches under the text, one per twelfth of the hue circle.
    const int swatch = 15;
    const int gap = 3;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv(i * 30, 200, 240));
        p.drawRoundedRect(QRectF(256 + i * (swatch + gap), 196, swatch, swatch), 3, 3);
    }

    p.setPen(Qt::white);
    p.setFont(VerdanaFont(26, true));
    p.drawText(QRect(252, 96, 222, 52), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, productName);
    p.setPen(QColor(200, 208, 230));
    p.setFont(VerdanaFont(10, false));
    p.drawText(QRect(254, 150, 220, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Pick, mix and copy colours"));

    p.setPen(QColor(140, 150, 180));
    p.setFont(VerdanaFont(8, false));
    p.drawText(QRect(0, kSplashHeight - 26, kSplashWidth - 12, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Starting\u2026"));
    return image;
}

QImage PaintAboutBanner(QSize size)
{
    if (size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = size.width();
    const int h = size.height();

    QLinearGradient back(0, 0, 0, h);
    back.setColorAt(0.0, QColor(250, 251, 253));
    back.setColorAt(1.0, QColor(220, 228, 240));
    p.fillRect(image.rect(), back);

    const int band = std::max(2, h / 12);
    QLinearGradient hues(0, 0, w, 0);
    AddHueStops(hues, 12);
    p.fillRect(QRect(0, h - band, w, band), hues);

    // Three translucent discs, red, green and blue, overlapping like lights.
    const qreal r = std::max(4.0, (h - band) * 0.32);
    const QPointF centre(w - 2.2 * r, (h - band) / 2.0);
    const QColor discs[] = {QColor(230, 40, 60, 150), QColor(40, 190, 90, 150), QColor(40, 90, 230, 150)};
    const QPointF offsets[] = {QPointF(-0.55 * r, -0.3 * r), QPointF(0.55 * r, -0.3 * r),
                               QPointF(0, 0.45 * r)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(discs[i]);
        p.drawEllipse(centre + offsets[i], r, r);
    }
    return image;
}

} // namespace tintora
