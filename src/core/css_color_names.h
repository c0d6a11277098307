// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <optional>
#include <span>
#include <string_view>

namespace tintora {

struct CssColorName {
    std::string_view name; // lower case
    Rgb rgb;
};

// The 148 named colours of CSS Color 4, in alphabetical order. Aliases
// (aqua and cyan, fuchsia and magenta, and the "gray"/"grey" pairs) are
// separate entries.
std::span<const CssColorName> CssColorNames();

// The colour of a name, any letter case; nullopt for an unknown name.
std::optional<Rgb> CssColorByName(std::string_view name);

struct NearestCssName {
    std::string_view name;
    Rgb rgb;
    bool exact = false;  // the colour is the named colour itself
    double deltaE = 0.0; // CIE76 distance in CIELAB, 0 when exact
};

// The CSS name nearest to a colour (channels 0..255).
//
// Distance: CIE76 delta E, the straight-line distance in CIELAB (D65 white,
// sRGB transfer curve). It tracks what the eye sees far better than distance
// in RGB, where dark colours crowd together, and needs no tuning constants.
// An exact match is always chosen and marked; among aliases and ties the
// alphabetically first name wins ("aqua" before "cyan", "gray" before
// "grey").
NearestCssName NearestCssColorName(Rgb rgb);

// The exact CSS name of a colour, or empty when it has none.
std::string_view ExactCssColorName(Rgb rgb);

} // namespace tintora
