// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

class QTextDocument;

namespace tintora {

// The least contrast that text needs against what is behind it (WCAG AA,
// normal text).
inline constexpr double kLegibleContrast = 4.5;

// `designed` where it is legible on `background`; else the first of
// `fallbacks` that is; else black or white, whichever stands out more.
QColor LegibleOn(const QColor& designed, const QColor& background,
                 std::initializer_list<QColor> fallbacks = {});

// The palette for showing a document on its own page, as a word processor
// does, whatever the desktop's colour scheme: the page is the document's
// background (white unless the document sets one), text without a colour
// of its own is black or white to stand out on it, and links are the
// designed blue, or the palette's link colour where the blue would not be
// legible on the page. The rest of `base` stays.
QPalette DocumentPagePalette(const QTextDocument& doc, const QPalette& base);

} // namespace tintora
