// SPDX-License-Identifier: MIT
#include "core/color_apca.h"

#include <cmath>
#include <cstdio>

namespace tintora {

namespace {

// The constants of APCA 0.0.98G-4g.
constexpr double kMainTrc = 2.4;
constexpr double kRedCoefficient = 0.2126729;
constexpr double kGreenCoefficient = 0.7151522;
constexpr double kBlueCoefficient = 0.0721750;
constexpr double kNormalBackground = 0.56;
constexpr double kNormalText = 0.57;
constexpr double kReverseText = 0.62;
constexpr double kReverseBackground = 0.65;
constexpr double kBlackThreshold = 0.022;
constexpr double kBlackClamp = 1.414;
constexpr double kScaleBlackOnWhite = 1.14;
constexpr double kScaleWhiteOnBlack = 1.14;
constexpr double kLowBlackOnWhiteOffset = 0.027;
constexpr double kLowWhiteOnBlackOffset = 0.027;
constexpr double kDeltaYMin = 0.0005;
constexpr double kLowClip = 0.1;

double SoftClampBlack(double y)
{
    return y > kBlackThreshold ? y : y + std::pow(kBlackThreshold - y, kBlackClamp);
}

} // namespace

double ApcaLuminance(Rgb rgb)
{
    auto channel = [](int v) { return std::pow(v / 255.0, kMainTrc); };
    return kRedCoefficient * channel(rgb.red) + kGreenCoefficient * channel(rgb.green) +
           kBlueCoefficient * channel(rgb.blue);
}

double ApcaContrastOfLuminances(double textY, double backgroundY)
{
    if (std::isnan(textY) || std::isnan(backgroundY) || std::fmin(textY, backgroundY) < 0.0 ||
        std::fmax(textY, backgroundY) > 1.1)
        return 0.0;
    textY = SoftClampBlack(textY);
    backgroundY = SoftClampBlack(backgroundY);
    if (std::fabs(backgroundY - textY) < kDeltaYMin)
        return 0.0;
    double output = 0.0;
    if (backgroundY > textY) {
        const double sapc =
            (std::pow(backgroundY, kNormalBackground) - std::pow(textY, kNormalText)) * kScaleBlackOnWhite;
        output = sapc < kLowClip ? 0.0 : sapc - kLowBlackOnWhiteOffset;
    } else {
        const double sapc =
            (std::pow(backgroundY, kReverseBackground) - std::pow(textY, kReverseText)) * kScaleWhiteOnBlack;
        output = sapc > -kLowClip ? 0.0 : sapc + kLowWhiteOnBlackOffset;
    }
    return output * 100.0;
}

double ApcaContrast(Rgb text, Rgb background)
{
    return ApcaContrastOfLuminances(ApcaLuminance(text), ApcaLuminance(background));
}

std::string ApcaContrastForDisplay(double lc)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", lc);
    std::string text(buffer);
    if (text == "-0.0")
        text = "0.0";
    return text;
}

} // namespace tintora
