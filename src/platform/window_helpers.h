#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace tintora {

// Small helpers that the side windows share for their fixed layouts.

// A rectangle given in twips (15 twips per pixel) as pixels, each value
// rounded to the nearest pixel.
QRect FromTwips(int x, int y, int w, int h);

// The design's Verdana at `pointSize`, falling back to DejaVu Sans and then
// to the system's sans serif face where Verdana is not installed.
QFont VerdanaFont(qreal pointSize, bool bold);

// Moves the top-level `window` so that its frame is centred on the available
// area of the screen it is on (the primary screen before it is shown). Does
// nothing without a screen.
void CentreOnScreen(QWidget* window);

} // namespace tintora
