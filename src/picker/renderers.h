// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <array>
#include <cstdint>

#include "surface/dib.h"

// The picker's pixel renderers: pure functions from their arguments to pixel
// buffers. The colour the user picks is read back from these pixels, so every
// value below is exact behaviour, not only appearance: each channel is
// computed in IEEE double in the stated order of operations, one rounding per
// operation, and rounded to the nearest integer with ties to even.
//
// Each image renderer comes in two forms that give the same pixels:
//
//  - Drawn straight into the window's 32-bit image (the form the picker
//    uses): the target view is the rectangle on the window, and the pixels
//    land in it as the window shows them, top row first, left to right. A
//    target smaller than the image draws nothing and returns false.
//
//  - As a 24-bit bitmap in the order the design fills it, not mirrored; the
//    surface puts it on the window with these blits (window pixels):
//
//    RenderHueStrip     15 x 256 at origin (277, 265), width 15, height -256:
//                       buffer row i lands on window row 10 + i.
//    RenderSatBriPlane  256 x 256, copied unmirrored to (10, 10): stored row
//                       j lands on window row 265 - j, pixel p on column 10 + p.
//    RenderHueSatPlane, RenderHueBriPlane
//                       256 x 256 at origin (265, 10), width -256, height 256:
//                       pixel c (the hue column) lands on column 265 - c,
//                       stored row j on window row 265 - j.
//
//    This form costs a conversion and a blit on top of the rendering; it is
//    kept for callers that still blit.
//
// Channel arguments are meant to be 0..255 and are then always rendered in
// full. Any int is accepted: a channel whose rounded value does not fit a
// byte is not written and stays 0 (as in a zero-filled buffer; drawn into a
// view, that byte of the pixel is 0); the strip colour functions report such
// a channel as 0.
//
// The two argument-free planes are rendered once, on first use, and copied
// from then on (256 KiB each); the rows of a 0 channel of the hue-mode plane
// likewise (64 KiB). Those tables are built under C++'s thread-safe static
// initialisation and never change, so the functions are safe to call from
// any thread.

namespace tintora {

// Hue mode's strip, 15 x 256 (48 bytes per row). Row i, from the top of the
// window: red through magenta (row 42), blue (85), cyan (127/128), green
// (170), yellow (212/213) back to red (255); the sector ends are 42, 85, 127,
// 170, 212, 255. Every row holds 16 identical triples, the 16th filling the
// row's padding.
Dib RenderHueStrip();
// Into a target of at least 15 x 256 (the strip's place on the window).
bool RenderHueStrip(const PixelView& target);

// Hue mode's plane for the pure hue colour (red, green, blue). Stored row
// j = 255 - y (y = 0 is the window's top row), pixel p = 255 - x. Channel
// value: rnd(x * step + lo) with q = C / 255, lo = C - y * q,
// step = ((255 - y) - lo) / 255. White at the top left, the hue at the top
// right, black along the bottom.
Dib RenderSatBriPlane(int red, int green, int blue);
// Into a target of at least 256 x 256 (the plane's place on the window).
bool RenderSatBriPlane(int red, int green, int blue, const PixelView& target);

// Brightness mode's plane: hue 0..360 across, saturation from full (top) to
// none (bottom, white). Stored row j = 255 - y, pixel c = hue column. One
// channel per pixel is W = rnd(r * k + y) with k = 1 - y / 255 and r the hue
// ramp of column c (sector ends 42, 85, 128, 170, 212, 255); the others are
// 255 and y. Where W is negative (columns 85 and 255, rows y = 0..2) the
// byte is not written and stays 0.
Dib RenderHueSatPlane();
bool RenderHueSatPlane(const PixelView& target);

// Saturation mode's plane: as RenderHueSatPlane but darkening towards the
// bottom: W = rnd(r * k), the others 255 - y and 0. W is negative in columns
// 85 and 255 for rows y = 0..212; those bytes stay 0.
Dib RenderHueBriPlane();
bool RenderHueBriPlane(const PixelView& target);

// Brightness strip colours, row i = 0 (top) to 255: each channel is
// rnd(C - (i * C) / 255) with the product i * C exact; from the colour at the
// top down to black.
std::array<ColorRef, 256> BrightnessStripColors(int red, int green, int blue);

// Saturation strip colours, row i = 0 (top) to 255: each channel is
// rnd(C * (1 - i / 255) + i), evaluated as q = i / 255, p = 1 - q, C * p, + i;
// from the colour at the top down to white.
std::array<ColorRef, 256> SaturationStripColors(int red, int green, int blue);

} // namespace tintora
