// SPDX-License-Identifier: MIT
#include "core/system_colors.h"

namespace tintora {

const std::array<std::string_view, SysColorCount> SysColorNames = {
    "vbScrollBars",           // 0
    "vbDesktop",              // 1
    "vbActiveTitleBar",       // 2
    "vbInactiveTitleBar",     // 3
    "vbMenuBar",              // 4
    "vbWindowBackground",     // 5
    "vbWindowFrame",          // 6
    "vbMenuText",             // 7
    "vbWindowText",           // 8
    "vbTitleBarText",         // 9
    "vbActiveBorder",         // 10
    "vbInactiveBorder",       // 11
    "vbApplicationWorkspace", // 12
    "vbHighlight",            // 13
    "vbHighlightText",        // 14
    "vbButtonFace",           // 15
    "vbButtonShadow",         // 16
    "vbGrayText",             // 17
    "vbButtonText",           // 18
    "vbInactiveCaptionText",  // 19
    "vb3DHighlight",          // 20
    "vb3DDKShadow",           // 21
    "vb3DLight",              // 22
    "vbInfoText",             // 23
    "vbInfoBackground",       // 24
};

bool IsSysColorConst(ColorRef c)
{
    return c >= SysColorConst(0) && c <= SysColorConst(SysColorCount - 1);
}

int SysColorIndex(ColorRef c)
{
    // No overflow: for a constant the difference is 0..24.
    return c - SysColorConst(0);
}

ColorRef ResolveColor(ColorRef c, const SystemColorTable& sys)
{
    if (!IsSysColorConst(c))
        return c;
    return sys[static_cast<std::size_t>(SysColorIndex(c))];
}

ColorRef FindSysColorConst(ColorRef color, const SystemColorTable& sys)
{
    if (color < 0)
        return color;
    for (int n = 0; n < SysColorCount; ++n)
        if (sys[static_cast<std::size_t>(n)] == color)
            return SysColorConst(n);
    return -1;
}

} // namespace tintora
