// SPDX-License-Identifier: MIT
#include "surface/surface.h"

#include "core/numeric.h"
#include "surface/qt_colors.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace tintora {

// The pixels one drawing call covers, each once, so that invert drawing of a
// shape whose parts overlap (the octants of a circle, the ends of a wide
// line) still flips every pixel exactly once.
class Surface::PixelSet
{
public:
    void add(int x, int y)
    {
        if (x < 0 || y < 0 || x >= Width || y >= Height)
            return;
        points_.push_back(static_cast<std::uint32_t>(y) * Width + static_cast<std::uint32_t>(x));
    }
    void addSpan(int x1, int x2, int y)
    {
        for (int x = x1; x <= x2; ++x)
            add(x, y);
    }
    const std::vector<std::uint32_t>& unique()
    {
        std::sort(points_.begin(), points_.end());
        points_.erase(std::unique(points_.begin(), points_.end()), points_.end());
        return points_;
    }

private:
    std::vector<std::uint32_t> points_;
};

namespace {

// Bresenham's line from (x1, y1) towards (x2, y2); the end point only when asked.
template <typename F> void WalkLine(int x1, int y1, int x2, int y2, bool includeEnd, F&& visit)
{
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1;
    int y = y1;
    for (;;) {
        const bool atEnd = (x == x2 && y == y2);
        if (atEnd && !includeEnd)
            break;
        visit(x, y);
        if (atEnd)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// The outline points of a circle by the midpoint rule, all eight octants.
template <typename F> void WalkCircle(int cx, int cy, int r, F&& visit)
{
    if (r <= 0) {
        visit(cx, cy);
        return;
    }
    int x = r;
    int y = 0;
    int err = 1 - r;
    while (x >= y) {
        visit(cx + x, cy + y);
        visit(cx + y, cy + x);
        visit(cx - y, cy + x);
        visit(cx - x, cy + y);
        visit(cx - x, cy - y);
        visit(cx - y, cy - x);
        visit(cx + y, cy - x);
        visit(cx + x, cy - y);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

// A line's pixels with a pen `width` wide: flat ends, grown across the
// line's main direction, centred on the thin line.
template <typename F> void WalkWideLine(int x1, int y1, int x2, int y2, bool includeEnd, int width, F&& visit)
{
    const int before = (width - 1) / 2;
    const int after = width - 1 - before;
    const bool mostlyHorizontal = std::abs(x2 - x1) >= std::abs(y2 - y1);
    WalkLine(x1, y1, x2, y2, includeEnd, [&](int x, int y) {
        for (int d = -before; d <= after; ++d)
            if (mostlyHorizontal)
                visit(x, y + d);
            else
                visit(x + d, y);
    });
}

} // namespace

Surface::Surface(std::int32_t backColor) : image_(Width, Height, QImage::Format_RGB32), backColor_(backColor)
{
    image_.fill(ToQRgb(backColor_));
}

void Surface::markDirty(const QRect& r)
{
    dirty_ |= r.intersected(QRect(0, 0, Width, Height));
}

void Surface::Cls()
{
    image_.fill(ToQRgb(backColor_));
    markDirty(image_.rect());
}

std::int32_t Surface::Point(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return -1;
    const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
    return FromQRgb(line[x]);
}

std::int32_t Surface::Point(double x, double y) const
{
    // Fractional coordinates go to the nearest pixel, ties to even, as every
    // other conversion of a position to a pixel does.
    const double rx = RoundHalfEven(x);
    const double ry = RoundHalfEven(y);
    if (!(rx >= 0.0 && ry >= 0.0 && rx < Width && ry < Height))
        return -1;
    return Point(static_cast<int>(rx), static_cast<int>(ry));
}

void Surface::penPixels(PixelSet& pixels, const Pen& pen)
{
    const auto& points = pixels.unique();
    if (points.empty())
        return;
    const QRgb penColor = ToQRgb(pen.color);
    int minX = Width, minY = Height, maxX = -1, maxY = -1;
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (std::uint32_t p : points) {
        const int y = static_cast<int>(p / Width);
        const int x = static_cast<int>(p % Width);
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        if (pen.mode == DrawMode::Invert)
            line[x] = 0xFF000000u | (~line[x] & 0x00FFFFFFu);
        else
            line[x] = penColor;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    markDirty(QRect(QPoint(minX, minY), QPoint(maxX, maxY)));
}

void Surface::fillRect(int left, int top, int right, int bottom, std::int32_t color, DrawMode mode)
{
    // Clipped to the image by hand: this runs 256 times for a strip.
    const int x0 = std::max(left, 0), x1 = std::min(right, Width) - 1;
    const int y0 = std::max(top, 0), y1 = std::min(bottom, Height) - 1;
    if (x0 > x1 || y0 > y1)
        return;
    const QRect r(QPoint(x0, y0), QPoint(x1, y1));
    const QRgb c = ToQRgb(color);
    bool changed = mode == DrawMode::Invert;
    // The rows are reached from one pointer: scanLine() checks for sharing
    // on every call, and a strip is 256 one-row fills.
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        if (mode == DrawMode::Invert) {
            for (int x = r.left(); x <= r.right(); ++x)
                line[x] = 0xFF000000u | (~line[x] & 0x00FFFFFFu);
        } else {
            // Compared until the first difference, then only written.
            for (int x = x0; !changed && x <= x1; ++x)
                changed = line[x] != c;
            std::fill(line + x0, line + x1 + 1, c);
        }
    }
    // Drawing what is already there (a frame redrawn, a strip row that kept
    // its colour) leaves nothing to repaint.
    if (!changed)
        return;
    // The union by hand, as QRect's own is a call per strip row; r is
    // inside the image already.
    if (dirty_.isEmpty())
        dirty_ = r;
    else
        dirty_.setCoords(std::min(dirty_.left(), x0), std::min(dirty_.top(), y0),
                         std::max(dirty_.right(), x1), std::max(dirty_.bottom(), y1));
}

void Surface::FillRows(int left, int top, int right, std::span<const std::int32_t> colors)
{
    const int x0 = std::max(left, 0), x1 = std::min(right, Width) - 1;
    const int y0 = std::max(top, 0), y1 = std::min(top + static_cast<int>(colors.size()), Height) - 1;
    if (x0 > x1 || y0 > y1)
        return;
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    int first = -1, last = -1;
    for (int y = y0; y <= y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        const QRgb c = ToQRgb(colors[static_cast<std::size_t>(y - top)]);
        if (std::all_of(line + x0, line + x1 + 1, [c](QRgb p) { return p == c; }))
            continue;
        std::fill(line + x0, line + x1 + 1, c);
        first = first < 0 ? y : first;
        last = y;
    }
    if (first >= 0)
        markDirty(QRect(QPoint(x0, first), QPoint(x1, last)));
}

namespace {

int PenWidth(const Pen& pen)
{
    return pen.width < 1 ? 1 : pen.width;
}

} // namespace

void Surface::Line(int x1, int y1, int x2, int y2, const Pen& pen)
{
    PixelSet px;
    WalkWideLine(x1, y1, x2, y2, true, PenWidth(pen), [&](int x, int y) { px.add(x, y); });
    penPixels(px, pen);
}

void Surface::MoveToEx(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void Surface::LineTo(int x, int y, const Pen& pen)
{
    if (y == penY_ && PenWidth(pen) == 1 && pen.mode == DrawMode::Copy) {
        // A thin horizontal line in copy mode, as the slider strips draw
        // 256 of them: one span, without the general pixel set.
        const int lo = x > penX_ ? penX_ : x + 1;
        const int hi = x > penX_ ? x - 1 : penX_;
        if (lo <= hi)
            fillRect(lo, y, hi + 1, y + 1, pen.color);
        penX_ = x;
        return;
    }
    PixelSet px;
    WalkWideLine(penX_, penY_, x, y, false, PenWidth(pen), [&](int px_, int py) { px.add(px_, py); });
    penPixels(px, pen);
    penX_ = x;
    penY_ = y;
}

void Surface::Circle(int cx, int cy, int r, const Pen& pen, const Fill& fill)
{
    if (fill.style == FillStyle::Solid && r > 0) {
        // Inside: the spans between the outline's extremes on each row.
        std::vector<int> lo(static_cast<std::size_t>(2 * r + 1), cx),
            hi(static_cast<std::size_t>(2 * r + 1), cx);
        WalkCircle(cx, cy, r, [&](int x, int y) {
            const auto i = static_cast<std::size_t>(y - (cy - r));
            lo[i] = std::min(lo[i], x);
            hi[i] = std::max(hi[i], x);
        });
        for (int i = 1; i < 2 * r; ++i)
            fillRect(lo[static_cast<std::size_t>(i)] + 1, cy - r + i, hi[static_cast<std::size_t>(i)],
                     cy - r + i + 1, fill.color);
    }
    PixelSet px;
    const int before = (PenWidth(pen) - 1) / 2;
    const int after = PenWidth(pen) - 1 - before;
    WalkCircle(cx, cy, r, [&](int x, int y) {
        for (int dy = -before; dy <= after; ++dy)
            for (int dx = -before; dx <= after; ++dx)
                px.add(x + dx, y + dy);
    });
    penPixels(px, pen);
}

void Surface::Rectangle(int left, int top, int right, int bottom, const Pen& pen, const Fill& fill)
{
    if (right <= left || bottom <= top)
        return;
    const int l = left, t = top, r = right - 1, b = bottom - 1;
    if (fill.style == FillStyle::Solid)
        fillRect(l + 1, t + 1, r, b, fill.color);
    // The outline: a ring as wide as the pen, centred on the boundary pixels.
    const int before = (PenWidth(pen) - 1) / 2;
    const int after = PenWidth(pen) - 1 - before;
    PixelSet px;
    for (int y = t - before; y <= b + before; ++y) {
        const bool band = (y <= t + after) || (y >= b - after);
        if (band) {
            px.addSpan(l - before, r + before, y);
        } else {
            px.addSpan(l - before, l + after, y);
            px.addSpan(r - after, r + before, y);
        }
    }
    penPixels(px, pen);
}

void Surface::DrawEdge(int left, int top, int right, int bottom, EdgeKind kind)
{
    auto ring = [&](int l, int t, int r, int b, std::int32_t topLeft, std::int32_t bottomRight) {
        if (r - l < 1 || b - t < 1)
            return;
        // Each pixel is written once, so redrawing an unchanged edge
        // changes nothing and leaves nothing to repaint.
        fillRect(l, t, r - 1, t + 1, topLeft);     // top, up to the right column
        fillRect(l, t + 1, l + 1, b - 1, topLeft); // left, down to the bottom row
        fillRect(l, b - 1, r, b, bottomRight);     // bottom
        fillRect(r - 1, t, r, b - 1, bottomRight); // right
    };
    if (kind == EdgeKind::SunkenInner) {
        ring(left, top, right, bottom, edgeColors_.darkShadow, edgeColors_.light);
    } else {
        ring(left, top, right, bottom, edgeColors_.shadow, edgeColors_.highlight);
        ring(left + 1, top + 1, right - 1, bottom - 1, edgeColors_.darkShadow, edgeColors_.light);
    }
}

void Surface::BitBlt(int x, int y, int w, int h, const Dib& src, int sx, int sy)
{
    StretchBlt(x, y, w, h, src, sx, sy, w, h);
}

void Surface::StretchBlt(int x, int y, int w, int h, const Dib& src, int sx, int sy, int sw, int sh)
{
    if (w == 0 || h == 0 || sw <= 0 || sh <= 0 || src.width <= 0 || src.height <= 0)
        return;
    const int aw = std::abs(w);
    const int ah = std::abs(h);
    const int stepX = w > 0 ? 1 : -1;
    const int stepY = h > 0 ? 1 : -1;
    const int x0 = w > 0 ? x : x + w + 1;
    const int y0 = h > 0 ? y : y + h + 1;

    // Source column of destination column j (0 = the column at x).
    const auto sourceColumn = [&](int j) {
        return sx + (aw == sw ? j : static_cast<int>(static_cast<long long>(j) * sw / aw));
    };
    // The run of destination columns j = jFirst..jLast that lands on the
    // image and on the bitmap. Both mappings are monotonic in j, so the
    // columns that fit form one run.
    int jFirst = 0;
    int jLast = aw - 1;
    const auto fits = [&](int j) {
        const int dx = x + stepX * j;
        const int col = sourceColumn(j);
        return dx >= 0 && dx < Width && col >= 0 && col < src.width;
    };
    while (jFirst <= jLast && !fits(jFirst))
        ++jFirst;
    while (jLast >= jFirst && !fits(jLast))
        --jLast;

    if (jFirst <= jLast) {
        const bool oneToOneX = (aw == sw);
        std::vector<int> cols;
        if (!oneToOneX)
            for (int j = jFirst; j <= jLast; ++j)
                cols.push_back(3 * sourceColumn(j));
        const int n = jLast - jFirst + 1;
        for (int i = 0; i < ah; ++i) {
            const int dy = y + stepY * i;
            if (dy < 0 || dy >= Height)
                continue;
            // Row i of the source rectangle, counted from the bitmap's top row.
            const int srcRow = sy + (ah == sh ? i : static_cast<int>(static_cast<long long>(i) * sh / ah));
            if (srcRow < 0 || srcRow >= src.height)
                continue;
            const std::uint8_t* in = src.storedRow(src.height - 1 - srcRow);
            QRgb* out = reinterpret_cast<QRgb*>(image_.scanLine(dy)) + (x + stepX * jFirst);
            const auto pack = [](const std::uint8_t* p) {
                return 0xFF000000u | (static_cast<QRgb>(p[2]) << 16) | (static_cast<QRgb>(p[1]) << 8) | p[0];
            };
            if (oneToOneX) {
                // Consecutive triples, written forwards or, mirrored, backwards.
                const std::uint8_t* p = in + std::ptrdiff_t{3} * sourceColumn(jFirst);
                if (stepX > 0)
                    for (int k = 0; k < n; ++k, p += 3)
                        out[k] = pack(p);
                else
                    for (int k = 0; k < n; ++k, p += 3)
                        out[-k] = pack(p);
            } else {
                for (int k = 0; k < n; ++k)
                    out[std::ptrdiff_t{stepX} * k] = pack(in + cols[static_cast<std::size_t>(k)]);
            }
        }
    }
    markDirty(QRect(x0, y0, aw, ah));
}

PixelView Surface::Pixels(int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0 || x < 0 || y < 0 || x > Width - w || y > Height - h)
        return {};
    markDirty(QRect(x, y, w, h));
    auto* first = reinterpret_cast<std::uint32_t*>(image_.scanLine(y)) + x;
    return PixelView{first, image_.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(std::uint32_t)), w, h};
}

int Surface::lineHeight() const
{
    return QFontMetrics(font_).height();
}

int Surface::Print(int x, int y, const QString& text, std::int32_t color)
{
    const QFontMetrics fm(font_);
    {
        QPainter p(&image_);
        p.setFont(font_);
        p.setPen(ToQColor(color));
        p.drawText(x, y + fm.ascent(), text);
    }
    markDirty(QRect(x, y, fm.horizontalAdvance(text) + 2, fm.height()));
    return y + fm.height();
}

void Surface::Refresh()
{
    const QRect r = dirty_;
    dirty_ = QRect();
    if (listener_ && !r.isEmpty())
        listener_(r);
}

void Surface::InvertCircle(QImage& img, int cx, int cy, int r)
{
    // A part of the picture that the ring does not reach (the window
    // repaints rectangle by rectangle).
    if (cx + r + 1 < 0 || cy + r + 1 < 0 || cx - r - 1 >= img.width() || cy - r - 1 >= img.height())
        return;
    std::vector<std::uint32_t> pts;
    WalkCircle(cx, cy, r, [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < img.width() && y < img.height())
            pts.push_back(static_cast<std::uint32_t>(y) * static_cast<std::uint32_t>(img.width()) +
                          static_cast<std::uint32_t>(x));
    });
    std::sort(pts.begin(), pts.end());
    pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
    for (std::uint32_t p : pts) {
        auto* line = reinterpret_cast<QRgb*>(
            img.scanLine(static_cast<int>(p / static_cast<std::uint32_t>(img.width()))));
        QRgb& px = line[p % static_cast<std::uint32_t>(img.width())];
        px = 0xFF000000u | (~px & 0x00FFFFFFu);
    }
}

void Surface::InvertHLine(QImage& img, int x1, int x2, int y, int width)
{
    const int before = (width - 1) / 2;
    const int after = width - 1 - before;
    const int lo = std::max(0, std::min(x1, x2));
    const int hi = std::min(img.width() - 1, std::max(x1, x2));
    for (int row = y - before; row <= y + after; ++row) {
        if (row < 0 || row >= img.height())
            continue;
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(row));
        for (int x = lo; x <= hi; ++x)
            line[x] = 0xFF000000u | (~line[x] & 0x00FFFFFFu);
    }
}

} // namespace tintora
