// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QPoint>
#include <QPointF>
#include <QSize>

#include <optional>

namespace tintora {

// Maps between the logical positions that pointer events carry and the
// device pixels of a screen grab. A screen at scale factor `dpr` shows its
// grab 1:1 on device pixels; logical position p (relative to the screen's
// top-left corner) lies on device pixel floor(p * dpr).
//
// A pointer sitting on device pixel n reaches the program as n / dpr, which
// multiplied back can fall a hair short of n (61 / 1.75 * 1.75 = 60.999...); such
// a product snaps up to n, so the pixel under the hot spot is exactly the one
// the pointer sits on. The result is clamped into the image; a non-finite
// position gives the nearest edge (NaN gives 0), a non-finite or non-positive
// dpr counts as 1. An empty image gives (0, 0).
QPoint DevicePixelAt(QPointF logical, qreal dpr, QSize deviceSize);

// The logical position of device pixel `device`'s top-left corner: the
// inverse of DevicePixelAt for every pixel (DevicePixelAt of the result is
// `device` again).
QPointF LogicalPositionOf(QPoint device, qreal dpr);

// "#RRGGBB" of a colour, upper case.
QString HtmlCode(Rgb rgb);

// A colour given as three channels in 0..1 (as the desktop portal answers)
// as 8-bit channels, each rounded to nearest (ties to even) from c * 255.
// nullopt when a channel is not a finite number in 0..1.
std::optional<Rgb> RgbFromUnitChannels(double red, double green, double blue);

} // namespace tintora
