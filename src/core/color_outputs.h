// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"
#include "core/system_colors.h"

#include <array>
#include <string>
#include <string_view>

namespace tintora {

// Number of output notations (txtColor(0) .. txtColor(7)).
inline constexpr int OutputCount = 8;

// Every output notation of a colour, as the output fields show them:
//  0 named BASIC colour constant ("vbYellow") or "N/A"
//  1 QBColor call ("QBColor(14)") or "QBColor(N/A)"
//  2 RGB call ("RGB(255, 255, 0)")
//  3 decimal value ("65535")
//  4 HTML code ("#FFFF00")
//  5 BASIC hexadecimal constant ("&H00FFFF&")
//  6 system colour name or "N/A"
//  7 system-colour constant ("&H8000000F&") or "N/A"
struct ColorOutputs {
    std::array<std::string, OutputCount> text;
    std::array<bool, OutputCount> enabled{}; // false exactly when text contains "N/A"
    int sysColorIndex = -1;                  // system-colours list item to select, -1 = none
};

// Regenerates every notation of currentColor.
//
// A system-colour constant (0x80000000..0x80000018) fills fields 6 and 7 with
// its name and constant and selects its list item; fields 0..5 describe its
// current value from sys. A plain colour that equals a current system colour
// is shown the same way, with the lowest matching index. Any other value,
// negative ones included, fills 6 and 7 with "N/A" and selects nothing.
//
// Fields 0 and 1 come from exact matches in the 16-colour table only. Fields
// 2 and 4 describe the low three bytes of the value; fields 3 and 5 show the
// whole 32-bit value. So -1 (a pixel read off the surface) gives
// "RGB(255, 255, 255)", "-1", "#FFFFFF", "&HFFFFFFFF&".
ColorOutputs UpdateColorOutputs(ColorRef currentColor, const SystemColorTable& sys);

// What the output fields show before any colour has been made current.
extern const std::array<std::string_view, OutputCount> DesignOutputTexts;

} // namespace tintora
