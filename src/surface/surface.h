// SPDX-License-Identifier: MIT
#pragma once

#include "surface/dib.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <span>

namespace tintora {

// Drawing modes of the surface: the pen replaces each covered pixel (Copy),
// or each covered pixel becomes its bitwise complement (Invert). Inverting
// the same shape twice restores every pixel.
enum class DrawMode { Invert = 6, Copy = 13 };
enum class FillStyle { Solid = 0, Transparent = 1 };

// How a line or an outline is drawn: its colour (COLORREF), its width in
// pixels (at least 1) and whether it replaces or inverts what it covers.
struct Pen {
    std::int32_t color = 0;
    int width = 1;
    DrawMode mode = DrawMode::Copy;
};

// How the inside of a rectangle or circle is drawn: left alone
// (transparent) or filled with a colour. Fills always replace pixels.
struct Fill {
    FillStyle style = FillStyle::Transparent;
    std::int32_t color = 0;
    static Fill Solid(std::int32_t c) { return Fill{FillStyle::Solid, c}; }
};

// Kinds of sunken edge that the picker frames and the palette grid use.
enum class EdgeKind {
    SunkenInner, // one pixel: top/left dark shadow, bottom/right light
    Sunken,      // two pixels: an outer shadow/highlight ring round the inner one
};

// The colours of three-dimensional edges, as the desktop scheme gives them
// (COLORREF 0x00BBGGRR).
struct EdgeColors {
    std::int32_t shadow = 0x00A0A0A0;
    std::int32_t darkShadow = 0x00696969;
    std::int32_t light = 0x00E3E3E3;
    std::int32_t highlight = 0x00FFFFFF;
};

// The main window's persistent drawing surface: a 480 x 519 image that keeps
// everything drawn on it, with exact 8-bit read-back. All coordinates are
// client pixels, x to the right, y down. Each drawing call takes its pen and
// fill as arguments, so no call inherits what an earlier one set; what the
// surface keeps is its back colour, its text font and the edge colours of
// the desktop scheme. Every drawing call covers exactly
// the same pixels every time it is made with the same arguments, so that a
// shape inverted twice is gone without a trace. Drawing outside the image
// is clipped silently.
class Surface
{
public:
    static constexpr int Width = 480;
    static constexpr int Height = 519;

    explicit Surface(std::int32_t backColor = 0x00F0F0F0);

    const QImage& image() const { return image_; }

    // The surface's own properties.
    std::int32_t backColor() const { return backColor_; }
    void setBackColor(std::int32_t c) { backColor_ = c; }
    const QFont& font() const { return font_; }
    void setFont(const QFont& f) { font_ = f; }
    void setEdgeColors(const EdgeColors& c) { edgeColors_ = c; }
    const EdgeColors& edgeColors() const { return edgeColors_; }

    // Fills the whole image with the back colour.
    void Cls();

    // The COLORREF of the pixel at (x, y); -1 for a point outside the image.
    std::int32_t Point(int x, int y) const;
    // The same query for fractional coordinates: each is rounded to the
    // nearest pixel, ties to even (137.5 reads row 138).
    std::int32_t Point(double x, double y) const;

    // A straight line from (x1, y1) to (x2, y2), both ends included. A wide
    // pen has flat ends and grows across the line's main direction.
    void Line(int x1, int y1, int x2, int y2, const Pen& pen);

    // The pen-position pair of the device context: LineTo draws from the
    // current position to (x, y) without the end point, then moves there.
    void MoveToEx(int x, int y);
    void LineTo(int x, int y, const Pen& pen);

    // Circle outline of radius r round (cx, cy), the inside filled as `fill`
    // says.
    void Circle(int cx, int cy, int r, const Pen& pen, const Fill& fill = {});

    // A rectangle with right and bottom exclusive: the outline on the
    // boundary pixels (a wide pen centred on them), the inside as `fill`
    // says.
    void Rectangle(int left, int top, int right, int bottom, const Pen& pen, const Fill& fill = {});

    // Row top + i, from left to right (exclusive), in colors[i]: what one
    // copy-pen line per row draws, in one pass, as a slider strip is drawn
    // on every move of a drag. Only rows that change are due for the screen.
    void FillRows(int left, int top, int right, std::span<const std::int32_t> colors);

    // A sunken edge inside the rectangle (right and bottom exclusive).
    void DrawEdge(int left, int top, int right, int bottom, EdgeKind kind);

    // Copies a bitmap onto the surface. BitBlt copies w x h pixels from
    // (sx, sy) (measured from the bitmap's top row) to (x, y). StretchBlt
    // maps the source rectangle onto the destination; a negative width or
    // height mirrors the image, the destination then covering x + w + 1 to x
    // (or y + h + 1 to y).
    void BitBlt(int x, int y, int w, int h, const Dib& src, int sx, int sy);
    void StretchBlt(int x, int y, int w, int h, const Dib& src, int sx, int sy, int sw, int sh);

    // The w x h pixels at (x, y) as a view to draw into directly, with no
    // bitmap and no blit in between (the picker's renderers fill it), and
    // marked as changed. Empty (no pixels, width and height 0) unless the
    // rectangle lies wholly inside the image. The view stays valid until the
    // next drawing call on the surface.
    PixelView Pixels(int x, int y, int w, int h);

    // Prints one line of text with its top left corner at (x, y), in the
    // surface font and `color`. Returns the top of the next line.
    int Print(int x, int y, const QString& text, std::int32_t color);
    int lineHeight() const;

    // Marks what has been drawn as due for the screen. The listener (the
    // window) receives the rectangle changed since the last refresh.
    void Refresh();
    // Marks a rectangle as changed without drawing (for overlays).
    void Invalidate(const QRect& r) { markDirty(r); }
    void setRefreshListener(std::function<void(const QRect&)> listener) { listener_ = std::move(listener); }
    // The area changed since the last refresh.
    QRect pendingRect() const { return dirty_; }

    // Inverts the pixels of a radius-r circle outline or of a pen-width-3
    // horizontal dash into any RGB32 image. The surface's own invert drawing
    // and the window's marker overlay share these, so both cover the same
    // pixels.
    static void InvertCircle(QImage& img, int cx, int cy, int r);
    static void InvertHLine(QImage& img, int x1, int x2, int y, int width);

private:
    class PixelSet;
    // Draws each pixel of the set once: the pen colour in copy mode, the
    // complement in invert mode.
    void penPixels(PixelSet& pixels, const Pen& pen);
    void fillRect(int left, int top, int right, int bottom, std::int32_t color,
                  DrawMode mode = DrawMode::Copy);
    void markDirty(const QRect& r);

    QImage image_;
    std::int32_t backColor_;
    QFont font_;
    int penX_ = 0;
    int penY_ = 0;
    EdgeColors edgeColors_;
    QRect dirty_;
    std::function<void(const QRect&)> listener_;
};

} // namespace tintora
