// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <array>

namespace tintora {

// Colour-space maths of CSS Color 4 as pure functions. Coordinates are
// doubles in the units CSS uses inside each space once percentages are
// resolved: RGB spaces and XYZ 0..1, Lab and LCH lightness 0..100, OKLab and
// OKLCH lightness 0..1, hues in degrees, hsl/hwb percentages 0..100.
// Nothing here clamps unless it says so; values beyond a gamut pass through
// so that the gamut mapping sees them.
using ColorCoords = std::array<double, 3>;

enum class ColorSpace {
    Srgb,
    SrgbLinear,
    DisplayP3,
    A98Rgb,
    ProphotoRgb,
    Rec2020,
    XyzD50,
    XyzD65,
    Lab,
    Lch,
    Oklab,
    Oklch,
    Hsl,
    Hwb,
};

// The sRGB transfer curve and its inverse, extended to negative values by
// symmetry as CSS does.
double SrgbToLinear(double v);
double LinearToSrgb(double v);

// Any space to CIE XYZ relative to D65, and back.
ColorCoords ToXyzD65(ColorSpace space, ColorCoords c);
ColorCoords FromXyzD65(ColorSpace space, ColorCoords xyz);

// Any space to any other (through XYZ D65 where they are not related more
// directly).
ColorCoords ConvertColor(ColorSpace from, ColorSpace to, ColorCoords c);

// The plain sRGB polar forms (0..1 channels in and out).
ColorCoords HslToSrgb(ColorCoords hsl);
ColorCoords SrgbToHsl(ColorCoords rgb);
ColorCoords HwbToSrgb(ColorCoords hwb);
ColorCoords SrgbToHwb(ColorCoords rgb);

// OKLab and OKLCH, and Lab and LCH (the polar forms share one rule: a hue
// of an achromatic colour is 0).
ColorCoords LabToLch(ColorCoords lab);
ColorCoords LchToLab(ColorCoords lch);

struct GamutMapped {
    ColorCoords srgb{};  // gamma-encoded sRGB, each 0..1
    bool mapped = false; // the colour lay outside sRGB and was moved inside
};

// Brings a colour into sRGB by the CSS Color 4 gamut-mapping algorithm:
// lightness at or beyond white or black gives white or black; otherwise the
// OKLCH chroma is reduced by binary search until the colour, clipped to
// sRGB, lies within the just-noticeable difference (deltaEOK 0.02) of the
// reduced colour, and that clipped colour is the result. A colour already
// inside sRGB is returned unchanged.
GamutMapped MapToSrgbGamut(ColorSpace space, ColorCoords c);

// A colour as CSS reads it from a colour function: the clamps CSS applies
// when it reads the value (hsl saturation >= 0; lab and lch lightness
// 0..100, oklab and oklch lightness 0..1; lch and oklch chroma >= 0), then
// MapToSrgbGamut, then SrgbTo8Bit.
struct CssColor8 {
    Rgb rgb;
    bool mapped = false;
};
CssColor8 ResolveCssColor(ColorSpace space, ColorCoords c);

// sRGB channels 0..1 as 8-bit channels: clamped, times 255, rounded to the
// nearest with halves up, as browsers round.
Rgb SrgbTo8Bit(ColorCoords srgb);

// 8-bit channels as sRGB 0..1.
ColorCoords SrgbFrom8Bit(Rgb rgb);

} // namespace tintora
