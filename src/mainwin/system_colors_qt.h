// SPDX-License-Identifier: MIT
#pragma once

#include "core/system_colors.h"
#include "surface/surface.h"

#include <QPalette>

namespace tintora {

// The 25 user-interface colours, by system-colour index, taken from the
// application's palette so that they follow the desktop's colour scheme.
SystemColorTable SystemColorsFromPalette(const QPalette& palette);

// The three-dimensional edge colours of the same scheme.
EdgeColors EdgeColorsFrom(const SystemColorTable& sys);

} // namespace tintora
