// SPDX-License-Identifier: MIT
#pragma once

#include "core/numeric.h"

// The browser window's resize rule, as plain arithmetic so that it can be
// checked without a display. The window is laid out in twips (1/1440 inch).

namespace tintora {

// Twips per pixel. The window is designed at 96 dots per inch; we keep that
// ratio on every screen instead of asking for the logical DPI, so that the
// window has the same proportions everywhere and the layout stays exact.
inline constexpr int kTwipsPerPixel = 15;

// Fixed places of the controls that the resize rule reads (twips, relative
// to the `frmBrowser` group box).
inline constexpr int kText1Left = 540;
inline constexpr int kCommand3Width = 795;
inline constexpr int kWebBrowser1Left = 120;
inline constexpr int kWebBrowser1Top = 1140;

// Every size that changes with the window, in twips. All sizes are >= 0.
struct BrowserLayout {
    double panel1Width = 0; // status bar panel 1: |W / 2|, may be a half twip
    double panel2Width = 0; // status bar panel 2: |W / 2|
    int frameHeight = 0;    // `frmBrowser`
    int frameWidth = 0;
    int text1Width = 0;   // the address field
    int command3Left = 0; // the go button, right of the address field
    int browserWidth = 0; // `WebBrowser1`
    int browserHeight = 0;
};

// Computes the layout for a window whose OUTER size (title bar and borders
// included) is outerWidthTwips x outerHeightTwips, above a status bar of
// statusBarHeightTwips. The steps run in a fixed order because later ones
// read earlier results. Each size is the absolute value of its difference,
// so a window smaller than the fixed margins still gets positive sizes
// (a window 200 twips wide has a frame 100 twips wide).
BrowserLayout ComputeBrowserLayout(int outerWidthTwips, int outerHeightTwips, int statusBarHeightTwips);

// Twips to whole pixels: TwipsToPixels of core/numeric.h (nearest, ties to
// even: 7.5 px -> 8, 8.5 px -> 8).

// Pixels to twips.
constexpr int PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace tintora
