// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <string>

namespace tintora {

// Relative luminance of an sRGB colour as WCAG 2.x defines it, 0..1.
// Channels 0..255.
double RelativeLuminance(Rgb rgb);

// WCAG 2.x contrast: the verdicts for text in one colour on the other.
struct ContrastVerdict {
    double ratio = 1.0;     // (L1 + 0.05) / (L2 + 0.05), lighter over darker: 1..21
    bool aaNormal = false;  // ratio >= 4.5  (success criterion 1.4.3)
    bool aaLarge = false;   // ratio >= 3    (1.4.3, large text)
    bool aaaNormal = false; // ratio >= 7    (1.4.6)
    bool aaaLarge = false;  // ratio >= 4.5  (1.4.6, large text)
};

// The contrast of two colours; symmetric. The verdicts compare the exact
// ratio with the thresholds, never a rounded one.
ContrastVerdict ContrastOf(Rgb a, Rgb b);

// The ratio for display with two decimals, cut rather than rounded so that a
// failing ratio never shows as its threshold: 4.4999 gives 4.49, never 4.50.
double ContrastRatioForDisplay(double ratio);
// That ratio as the window and the command line show it, trailing zeros
// dropped: "4.5:1", "21:1", "4.49:1".
std::string ContrastRatioText(double ratio);

} // namespace tintora
