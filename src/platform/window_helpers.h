// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace tintora {

// Small helpers that the main window and the side windows share for their
// fixed layouts.

// A rectangle given in twips as pixels, each value rounded to the nearest
// pixel.
QRect FromTwips(int x, int y, int w, int h);

// The fonts the windows were designed with (Verdana, MS Sans Serif, Arial)
// are not on a free desktop. The family to use for one: the family itself
// where it is installed, else its free substitute (DejaVu Sans, then
// Liberation Sans). Asking for an installed family directly spares the font
// matcher a failed search for every control.
QString DesignFontFamily(const QString& designFamily);

// A design font at `pointSize`, through DesignFontFamily.
QFont DesignFont(const QString& designFamily, qreal pointSize, bool bold);
QFont VerdanaFont(qreal pointSize, bool bold);

// Moves the top-level `window` so that its frame is centred on the available
// area of the screen it is on (the primary screen before it is shown). Does
// nothing without a screen.
void CentreOnScreen(QWidget* window);

} // namespace tintora
