// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

#include "picker/renderers.h"

// Straightforward renderers that the tests and benchmarks hold the shipped
// renderers against. They follow the formulas word for word: the sector ends
// are derived from the single-precision span 42.5 at run time, every value is
// rounded with std::nearbyint, and a rounded value outside 0..255 is not
// written. Same contracts and buffer layouts as picker/renderers.h. Not
// linked into the program.

namespace tintora::reference {

Dib RenderHueStrip();
Dib RenderSatBriPlane(int red, int green, int blue);
Dib RenderHueSatPlane();
Dib RenderHueBriPlane();
std::array<ColorRef, 256> BrightnessStripColors(int red, int green, int blue);
std::array<ColorRef, 256> SaturationStripColors(int red, int green, int blue);

} // namespace tintora::reference
