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

// Verdana, MS Sans Serif and Arial are not on a free desktop: map them to
// close free families so the window keeps its look and point sizes.
void InstallFontSubstitutes();

// The family to use for a font the window was designed with: the family
// itself where it is installed, else its free substitute. Asking for an
// installed family directly spares the font matcher a failed search for
// every control.
QString DesignFontFamily(const QString& designFamily);

} // namespace tintora
