// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <optional>
#include <string_view>

namespace tintora {

// The colour-vision deficiencies a colour can be shown as.
enum class VisionKind {
    Protanopia,    // no long-wavelength (red) cones
    Deuteranopia,  // no medium-wavelength (green) cones
    Tritanopia,    // no short-wavelength (blue) cones
    Achromatopsia, // no colour at all
};

inline constexpr VisionKind kVisionKinds[] = {VisionKind::Protanopia, VisionKind::Deuteranopia,
                                              VisionKind::Tritanopia, VisionKind::Achromatopsia};

// The command-line name of a kind ("protanopia", ...) and back.
std::string_view VisionKindName(VisionKind kind);
std::optional<VisionKind> VisionKindFromName(std::string_view name);

// The names of all kinds, comma separated, for messages.
std::string_view VisionKindList();

// How `rgb` looks to a person with the deficiency. The three dichromacies
// apply the matrices of Machado, Oliveira and Fernandes (2009) at severity
// 1.0 to linear-light sRGB; achromatopsia gives the WCAG relative luminance
// as a grey. The result is encoded, clamped and rounded to 8 bits.
Rgb SimulateVision(VisionKind kind, Rgb rgb);

} // namespace tintora
