// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <string>

namespace tintora {

// The APCA screen luminance of an 8-bit sRGB colour: each channel / 255
// raised to 2.4 (a plain power, no linear toe), weighted 0.2126729,
// 0.7151522, 0.0721750 and summed in that order.
double ApcaLuminance(Rgb rgb);

// The APCA lightness contrast of text of luminance `textY` on a background
// of luminance `backgroundY` (APCA 0.0.98G-4g constants): about -108..106,
// positive for dark text on a light background, negative for light text on
// a dark one, 0 for luminances outside 0..1.1 or closer than 0.0005, and
// for a raw contrast below the low clip of 0.1.
double ApcaContrastOfLuminances(double textY, double backgroundY);

// The Lc of `text` on `background`.
double ApcaContrast(Rgb text, Rgb background);

// Lc with one decimal ("63.1", "-104.3"); a value that rounds to zero is
// "0.0", never "-0.0".
std::string ApcaContrastForDisplay(double lc);

} // namespace tintora
