// SPDX-License-Identifier: MIT
#include "core/color_contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tintora {

namespace {

double Linear(int channel)
{
    // WCAG 2.x names 0.03928 as the knee; the sRGB standard says 0.04045.
    // No 8-bit value lies between the two (10/255 = 0.0392, 11/255 = 0.0431),
    // so both give the same luminance here.
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(Rgb rgb)
{
    return 0.2126 * Linear(rgb.red) + 0.7152 * Linear(rgb.green) + 0.0722 * Linear(rgb.blue);
}

ContrastVerdict ContrastOf(Rgb a, Rgb b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    const double ratio = (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    return ContrastVerdict{ratio, ratio >= 4.5, ratio >= 3.0, ratio >= 7.0, ratio >= 4.5};
}

double ContrastRatioForDisplay(double ratio)
{
    // A small allowance keeps ratios that are exact in decimal (21, 4.5)
    // from dropping a hundredth through binary rounding.
    return std::floor(ratio * 100.0 + 1e-9) / 100.0;
}

std::string ContrastRatioText(double ratio)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.2f", ContrastRatioForDisplay(ratio));
    std::string text = digits;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text + ":1";
}

} // namespace tintora
