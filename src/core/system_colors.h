// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <array>
#include <limits>
#include <string_view>

namespace tintora {

// The platform's user-interface colours, indexed 0..24 in the platform's own
// order; their values follow the user's colour scheme.
inline constexpr int SysColorCount = 25;

// The BASIC constant name of each system colour, by index (15 is
// "vbButtonFace"). Also the items of the system-colours list, in this order.
extern const std::array<std::string_view, SysColorCount> SysColorNames;

// Current value of each system colour, as plain COLORREFs 0..0xFFFFFF,
// supplied by the caller (the window fills it from the application palette).
using SystemColorTable = std::array<ColorRef, SysColorCount>;

// The system-colour constant of index n (0..24): 0x80000000 + n as a signed
// 32-bit value, i.e. INT32_MIN + n.
constexpr ColorRef SysColorConst(int n)
{
    return std::numeric_limits<ColorRef>::min() + n;
}

// True for the 25 constants 0x80000000..0x80000018 and nothing else.
bool IsSysColorConst(ColorRef c);

// Index 0..24 of a system-colour constant. Only for IsSysColorConst(c).
int SysColorIndex(ColorRef c);

// A system-colour constant gives its current value from sys; any other value
// is returned unchanged.
ColorRef ResolveColor(ColorRef c, const SystemColorTable& sys);

// The system-colour constant whose current value equals color. A negative
// color (already a constant, or no colour at all) is returned as it is; for a
// plain colour the lowest matching index wins, so a scheme with several black
// entries reports the first; no match gives -1.
ColorRef FindSysColorConst(ColorRef color, const SystemColorTable& sys);

} // namespace tintora
