// SPDX-License-Identifier: MIT
#include "mainwin/system_colors_qt.h"

#include "surface/qt_colors.h"

namespace tintora {

SystemColorTable SystemColorsFromPalette(const QPalette& p)
{
    using R = QPalette::ColorRole;
    const auto active = [&](R role) { return FromQColor(p.color(QPalette::Active, role)); };
    const auto inactive = [&](R role) { return FromQColor(p.color(QPalette::Inactive, role)); };
    const auto disabled = [&](R role) { return FromQColor(p.color(QPalette::Disabled, role)); };
    SystemColorTable t{};
    t[0] = active(R::Button);             // scroll bars
    t[1] = active(R::Window);             // desktop
    t[2] = active(R::Highlight);          // active title bar
    t[3] = inactive(R::Highlight);        // inactive title bar
    t[4] = active(R::Window);             // menu bar
    t[5] = active(R::Base);               // window background
    t[6] = active(R::Shadow);             // window frame
    t[7] = active(R::WindowText);         // menu text
    t[8] = active(R::Text);               // window text
    t[9] = active(R::HighlightedText);    // title bar text
    t[10] = active(R::Button);            // active border
    t[11] = inactive(R::Button);          // inactive border
    t[12] = active(R::Dark);              // application workspace
    t[13] = active(R::Highlight);         // highlight
    t[14] = active(R::HighlightedText);   // highlight text
    t[15] = active(R::Button);            // button face
    t[16] = active(R::Dark);              // button shadow
    t[17] = disabled(R::Text);            // grey text
    t[18] = active(R::ButtonText);        // button text
    t[19] = inactive(R::HighlightedText); // inactive title bar text
    t[20] = active(R::Light);             // 3-D highlight
    t[21] = active(R::Shadow);            // 3-D dark shadow
    t[22] = active(R::Midlight);          // 3-D light
    t[23] = active(R::ToolTipText);       // tooltip text
    t[24] = active(R::ToolTipBase);       // tooltip background
    return t;
}

EdgeColors EdgeColorsFrom(const SystemColorTable& sys)
{
    EdgeColors e;
    e.shadow = sys[16];
    e.darkShadow = sys[21];
    e.light = sys[22];
    e.highlight = sys[20];
    return e;
}

} // namespace tintora
