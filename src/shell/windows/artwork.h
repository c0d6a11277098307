// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace tintora {

// The program's pictures, painted at run time so that they carry the
// branding's product name and need no image files. Both need a running
// QGuiApplication (they draw text).

// The splash picture, 478 x 318: a hue wheel on a dark gradient with the
// product name and a short line beside it.
QImage PaintSplashPicture(const QString& productName);

// The About window's banner of the given size: a light gradient with a hue
// band along the bottom edge and overlapping colour discs at the right end.
// The product name is not part of it (a label shows it over the banner).
// An empty size gives a null image.
QImage PaintAboutBanner(QSize size);

} // namespace tintora
