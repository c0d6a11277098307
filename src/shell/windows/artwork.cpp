// SPDX-License-Identifier: MIT
#include "shell/windows/artwork.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>

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

// The splash is on screen before the main window is built, so everything it
// costs delays the main window's first frame. Its picture is therefore made
// of cheap parts: rows of one colour for the background, a hue wheel worked
// out pixel by pixel (Qt's conical and radial gradients cost several times
// as much), and text in the sizes the main window uses anyway, whose font
// engines and glyphs the main window then finds ready.

// A colour channel, 0 to 255, to the nearest integer. Adding a half and
// truncating rounds correctly for the non-negative values here, in one
// instruction where std::lround is a library call per channel.
inline int Channel(float v)
{
    return static_cast<int>(v + 0.5f); // NOLINT(bugprone-incorrect-roundings): v >= 0
}

// Mixes `over` into `under` with the weight `a` (0 to 1).
inline QRgb Mix(QRgb under, float r, float g, float b, float a)
{
    auto channel = [a](int u, float o) {
        return Channel(static_cast<float>(u) + (o - static_cast<float>(u)) * a);
    };
    return qRgb(channel(qRed(under), r), channel(qGreen(under), g), channel(qBlue(under), b));
}

// One channel of the wheel, 0 to 1, from the cosine of the angle between
// the pixel's direction and the channel's own direction: full within 60
// degrees of it, none beyond 120. Three such channels 120 degrees apart make
// a wheel of fully saturated hues with no arc tangent per pixel.
inline float WheelChannel(float cosine)
{
    return std::clamp(cosine + 0.5f, 0.0f, 1.0f);
}

// White over the hue at the fraction `t` of the radius from the centre:
// opaque at the centre, 90 % at 15 % of the radius, none at the rim.
inline float WheelWhite(float t)
{
    return t < 0.15f ? 1.0f - t * (0.1f / 0.15f) : std::max(0.0f, (1.0f - t) * (0.9f / 0.85f));
}

// A colour wheel of the given radius around the pixel corner (cx, cy): red
// to the right, then counter-clockwise through green and blue, fading to
// white towards the centre, with a thin translucent white ring just outside.
// The disc's edge and the ring are smoothed over a pixel. The wheel is its
// own mirror image across the horizontal axis with green and blue swapped,
// so each pixel of the upper half also gives the one below it; only the
// smoothed edge, which mixes with what lies under it, is worked out for
// both.
void PaintHueWheel(QImage& image, int cx, int cy, float radius)
{
    constexpr float kSin120 = 0.866025404f;
    const float ringRadius = radius + 2.0f;
    const float outer = ringRadius + 2.0f;
    const float inner = radius - 0.5f;
    const int reach = static_cast<int>(outer) + 1;
    if (cx - reach < 0 || cy - reach < 0 || cx + reach > image.width() || cy + reach > image.height())
        return; // the picture's layout keeps it inside
    auto edge = [&](QRgb under, float d, float r, float g, float b) {
        const float disc = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
        if (disc > 0.0f)
            under = Mix(under, r, g, b, disc);
        const float ring = std::clamp(2.0f - std::fabs(d - ringRadius), 0.0f, 1.0f);
        if (ring > 0.0f)
            under = Mix(under, 255, 255, 255, ring * (200.0f / 255.0f));
        return under;
    };
    for (int row = 0; row < reach; ++row) {
        const float dy = static_cast<float>(row) + 0.5f; // distance above the centre
        const float dy2 = dy * dy;
        if (dy2 >= outer * outer)
            continue;
        auto* above = reinterpret_cast<QRgb*>(image.scanLine(cy - 1 - row));
        auto* below = reinterpret_cast<QRgb*>(image.scanLine(cy + row));
        const int half = static_cast<int>(std::sqrt(outer * outer - dy2)) + 1;
        for (int x = cx - half; x < cx + half; ++x) {
            const float dx = static_cast<float>(x - cx) + 0.5f;
            const float d = std::sqrt(dx * dx + dy2);
            const float ux = dx / d;
            const float uy = dy / d;
            const float white = WheelWhite(d / radius);
            const float keep = (1.0f - white) * 255.0f;
            const float w = white * 255.0f;
            const float r = w + WheelChannel(ux) * keep;
            const float g = w + WheelChannel(-0.5f * ux + kSin120 * uy) * keep;
            const float b = w + WheelChannel(-0.5f * ux - kSin120 * uy) * keep;
            if (d < inner) {
                const int ri = Channel(r);
                const int gi = Channel(g);
                const int bi = Channel(b);
                above[x] = qRgb(ri, gi, bi);
                below[x] = qRgb(ri, bi, gi);
            } else if (d < outer) {
                above[x] = edge(above[x], d, r, g, b);
                below[x] = edge(below[x], d, r, b, g);
            }
        }
    }
}

} // namespace

QImage PaintSplashPicture(const QString& productName)
{
    QImage image(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    {
        // Top to bottom from deep blue to violet, in bands of rows of one
        // colour, each filled in one go.
        QPainter p(&image);
        const QRgb top = qRgb(24, 32, 56);
        const QRgb bottom = qRgb(58, 35, 80);
        auto rowColour = [&](int y) {
            const float t = static_cast<float>(y) / (kSplashHeight - 1);
            return Mix(top, static_cast<float>(qRed(bottom)), static_cast<float>(qGreen(bottom)),
                       static_cast<float>(qBlue(bottom)), t);
        };
        for (int y = 0; y < kSplashHeight;) {
            const QRgb colour = rowColour(y);
            int end = y + 1;
            while (end < kSplashHeight && rowColour(end) == colour)
                ++end;
            p.fillRect(QRect(0, y, kSplashWidth, end - y), QColor(colour));
            y = end;
        }
    }

    PaintHueWheel(image, 132, 150, 100);

    QPainter p(&image);
    // A row of swatches under the text, one per twelfth of the hue circle.
    const int swatch = 15;
    const int gap = 3;
    for (int i = 0; i < 12; ++i)
        p.fillRect(QRect(256 + i * (swatch + gap), 196, swatch, swatch), QColor::fromHsv(i * 30, 200, 240));

    // The product name large: the main window's bold font scaled up, which
    // keeps to the font engine it uses.
    p.setPen(Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(VerdanaFont(8.25, true));
    p.save();
    p.translate(252, 96);
    p.scale(3, 3);
    p.drawText(QRect(0, 0, 74, 17), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, productName);
    p.restore();
    p.setPen(QColor(200, 208, 230));
    p.setFont(VerdanaFont(8.25, false));
    p.drawText(QRect(254, 158, 220, 30), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QCoreApplication::translate("Artwork", "Pick, mix and copy colours"));
    p.setPen(QColor(140, 150, 180));
    p.drawText(QRect(0, kSplashHeight - 26, kSplashWidth - 12, 20), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("Artwork", "Starting…"));
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
