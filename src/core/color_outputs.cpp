// SPDX-License-Identifier: MIT
#include "core/color_outputs.h"

#include "core/numeric.h"

#include <cstdint>

namespace tintora {

const std::array<std::string_view, OutputCount> DesignOutputTexts = {
    "vbConst", "QBColor(15)", "RGB(255, 255, 255)", "16777215",
    "#FFFF00", "&H00FFFF&",   "vbButtonFace",       "&H8000000F&",
};

namespace {

// The named BASIC constants and the 16-colour QBColor palette, indexed by
// QBColor number. Entries without a named constant have no name.
struct ConstantColor {
    ColorRef value;
    std::string_view name;
};

constexpr std::array<ConstantColor, 16> ConstantColors = {{
    {0x000000, "vbBlack"},
    {0x800000, ""},
    {0x008000, ""},
    {0x808000, ""},
    {0x000080, ""},
    {0x800080, ""},
    {0x008080, ""},
    {0xC0C0C0, ""},
    {0x808080, ""},
    {0xFF0000, "vbBlue"},
    {0x00FF00, "vbGreen"},
    {0xFFFF00, "vbCyan"},
    {0x0000FF, "vbRed"},
    {0xFF00FF, "vbMagenta"},
    {0x00FFFF, "vbYellow"},
    {0xFFFFFF, "vbWhite"},
}};

constexpr std::string_view NotAvailable = "N/A";

} // namespace

ColorOutputs UpdateColorOutputs(ColorRef currentColor, const SystemColorTable& sys)
{
    ColorOutputs out;

    // Fields 6 and 7: the system colour, if any. Only the 25 real constants
    // take this branch; other negative values have no system colour to name.
    ColorRef value = currentColor;
    const ColorRef sysConst = FindSysColorConst(currentColor, sys);
    if (IsSysColorConst(sysConst)) {
        const int n = SysColorIndex(sysConst);
        out.sysColorIndex = n;
        out.text[6] = std::string(SysColorNames[static_cast<std::size_t>(n)]);
        out.text[7] = "&H" + PaddedHex(static_cast<std::uint32_t>(sysConst), 1) + "&";
        value = sys[static_cast<std::size_t>(n)];
    } else {
        out.text[6] = NotAvailable;
        out.text[7] = NotAvailable;
    }

    // Fields 0 and 1: exact matches only. Named constants and QBColor
    // entries share one table, so one search settles both fields.
    out.text[0] = NotAvailable;
    out.text[1] = "QBColor(N/A)";
    for (std::size_t q = 0; q < ConstantColors.size(); ++q) {
        if (ConstantColors[q].value == value) {
            if (!ConstantColors[q].name.empty())
                out.text[0] = ConstantColors[q].name;
            out.text[1] = "QBColor(" + DecimalText(static_cast<std::int64_t>(q)) + ")";
            break;
        }
    }

    const Rgb channels = Rgb::FromColorRef(value);
    out.text[2] = "RGB(" + DecimalText(channels.red) + ", " + DecimalText(channels.green) + ", " +
                  DecimalText(channels.blue) + ")";

    out.text[3] = DecimalText(value);

    // For a plain colour the six digits are blue, green, red.
    const auto bits = static_cast<std::uint32_t>(value);
    out.text[5] = "&H" + PaddedHex(bits, 6) + "&";

    // The HTML code is the channels of field 2 in web order, so it stays in
    // step with them for negative values or values above 0xFFFFFF too.
    out.text[4] = "#" + PaddedHex(channels.ToRrggbb(), 6);

    for (std::size_t i = 0; i < out.text.size(); ++i)
        out.enabled[i] = out.text[i].find(NotAvailable) == std::string::npos;
    return out;
}

} // namespace tintora
