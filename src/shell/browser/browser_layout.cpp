// SPDX-License-Identifier: MIT
#include "shell/browser/browser_layout.h"

#include <cmath>
#include <cstdlib>

namespace tintora {

BrowserLayout ComputeBrowserLayout(int outerWidthTwips, int outerHeightTwips, int statusBarHeightTwips)
{
    const int w = outerWidthTwips;
    const int h = outerHeightTwips;
    const int sb = statusBarHeightTwips;

    BrowserLayout l;
    l.panel1Width = std::fabs(w / 2.0);
    l.panel2Width = std::fabs(w / 2.0);
    l.frameHeight = std::abs(h - sb);
    l.frameWidth = std::abs(w - 300);
    l.text1Width = std::abs(l.frameWidth - kText1Left - 300 - kCommand3Width);
    l.command3Left = l.text1Width + kText1Left + 100;
    l.browserWidth = std::abs(l.frameWidth - kWebBrowser1Left - 100);
    // The status bar height is taken off twice (once already in the frame
    // height); the browser view therefore ends well above the status bar.
    l.browserHeight = std::abs(l.frameHeight - kWebBrowser1Top - 800 - sb);
    return l;
}

} // namespace tintora
