// SPDX-License-Identifier: MIT
#include "core/css_color_names.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace tintora {

namespace {

constexpr Rgb Hex(std::uint32_t v)
{
    return Rgb::FromRrggbb(v);
}

// CSS Color 4, section "Named Colors".
constexpr std::array<CssColorName, 148> Names{{
    {"aliceblue", Hex(0xF0F8FF)},
    {"antiquewhite", Hex(0xFAEBD7)},
    {"aqua", Hex(0x00FFFF)},
    {"aquamarine", Hex(0x7FFFD4)},
    {"azure", Hex(0xF0FFFF)},
    {"beige", Hex(0xF5F5DC)},
    {"bisque", Hex(0xFFE4C4)},
    {"black", Hex(0x000000)},
    {"blanchedalmond", Hex(0xFFEBCD)},
    {"blue", Hex(0x0000FF)},
    {"blueviolet", Hex(0x8A2BE2)},
    {"brown", Hex(0xA52A2A)},
    {"burlywood", Hex(0xDEB887)},
    {"cadetblue", Hex(0x5F9EA0)},
    {"chartreuse", Hex(0x7FFF00)},
    {"chocolate", Hex(0xD2691E)},
    {"coral", Hex(0xFF7F50)},
    {"cornflowerblue", Hex(0x6495ED)},
    {"cornsilk", Hex(0xFFF8DC)},
    {"crimson", Hex(0xDC143C)},
    {"cyan", Hex(0x00FFFF)},
    {"darkblue", Hex(0x00008B)},
    {"darkcyan", Hex(0x008B8B)},
    {"darkgoldenrod", Hex(0xB8860B)},
    {"darkgray", Hex(0xA9A9A9)},
    {"darkgreen", Hex(0x006400)},
    {"darkgrey", Hex(0xA9A9A9)},
    {"darkkhaki", Hex(0xBDB76B)},
    {"darkmagenta", Hex(0x8B008B)},
    {"darkolivegreen", Hex(0x556B2F)},
    {"darkorange", Hex(0xFF8C00)},
    {"darkorchid", Hex(0x9932CC)},
    {"darkred", Hex(0x8B0000)},
    {"darksalmon", Hex(0xE9967A)},
    {"darkseagreen", Hex(0x8FBC8F)},
    {"darkslateblue", Hex(0x483D8B)},
    {"darkslategray", Hex(0x2F4F4F)},
    {"darkslategrey", Hex(0x2F4F4F)},
    {"darkturquoise", Hex(0x00CED1)},
    {"darkviolet", Hex(0x9400D3)},
    {"deeppink", Hex(0xFF1493)},
    {"deepskyblue", Hex(0x00BFFF)},
    {"dimgray", Hex(0x696969)},
    {"dimgrey", Hex(0x696969)},
    {"dodgerblue", Hex(0x1E90FF)},
    {"firebrick", Hex(0xB22222)},
    {"floralwhite", Hex(0xFFFAF0)},
    {"forestgreen", Hex(0x228B22)},
    {"fuchsia", Hex(0xFF00FF)},
    {"gainsboro", Hex(0xDCDCDC)},
    {"ghostwhite", Hex(0xF8F8FF)},
    {"gold", Hex(0xFFD700)},
    {"goldenrod", Hex(0xDAA520)},
    {"gray", Hex(0x808080)},
    {"green", Hex(0x008000)},
    {"greenyellow", Hex(0xADFF2F)},
    {"grey", Hex(0x808080)},
    {"honeydew", Hex(0xF0FFF0)},
    {"hotpink", Hex(0xFF69B4)},
    {"indianred", Hex(0xCD5C5C)},
    {"indigo", Hex(0x4B0082)},
    {"ivory", Hex(0xFFFFF0)},
    {"khaki", Hex(0xF0E68C)},
    {"lavender", Hex(0xE6E6FA)},
    {"lavenderblush", Hex(0xFFF0F5)},
    {"lawngreen", Hex(0x7CFC00)},
    {"lemonchiffon", Hex(0xFFFACD)},
    {"lightblue", Hex(0xADD8E6)},
    {"lightcoral", Hex(0xF08080)},
    {"lightcyan", Hex(0xE0FFFF)},
    {"lightgoldenrodyellow", Hex(0xFAFAD2)},
    {"lightgray", Hex(0xD3D3D3)},
    {"lightgreen", Hex(0x90EE90)},
    {"lightgrey", Hex(0xD3D3D3)},
    {"lightpink", Hex(0xFFB6C1)},
    {"lightsalmon", Hex(0xFFA07A)},
    {"lightseagreen", Hex(0x20B2AA)},
    {"lightskyblue", Hex(0x87CEFA)},
    {"lightslategray", Hex(0x778899)},
    {"lightslategrey", Hex(0x778899)},
    {"lightsteelblue", Hex(0xB0C4DE)},
    {"lightyellow", Hex(0xFFFFE0)},
    {"lime", Hex(0x00FF00)},
    {"limegreen", Hex(0x32CD32)},
    {"linen", Hex(0xFAF0E6)},
    {"magenta", Hex(0xFF00FF)},
    {"maroon", Hex(0x800000)},
    {"mediumaquamarine", Hex(0x66CDAA)},
    {"mediumblue", Hex(0x0000CD)},
    {"mediumorchid", Hex(0xBA55D3)},
    {"mediumpurple", Hex(0x9370DB)},
    {"mediumseagreen", Hex(0x3CB371)},
    {"mediumslateblue", Hex(0x7B68EE)},
    {"mediumspringgreen", Hex(0x00FA9A)},
    {"mediumturquoise", Hex(0x48D1CC)},
    {"mediumvioletred", Hex(0xC71585)},
    {"midnightblue", Hex(0x191970)},
    {"mintcream", Hex(0xF5FFFA)},
    {"mistyrose", Hex(0xFFE4E1)},
    {"moccasin", Hex(0xFFE4B5)},
    {"navajowhite", Hex(0xFFDEAD)},
    {"navy", Hex(0x000080)},
    {"oldlace", Hex(0xFDF5E6)},
    {"olive", Hex(0x808000)},
    {"olivedrab", Hex(0x6B8E23)},
    {"orange", Hex(0xFFA500)},
    {"orangered", Hex(0xFF4500)},
    {"orchid", Hex(0xDA70D6)},
    {"palegoldenrod", Hex(0xEEE8AA)},
    {"palegreen", Hex(0x98FB98)},
    {"paleturquoise", Hex(0xAFEEEE)},
    {"palevioletred", Hex(0xDB7093)},
    {"papayawhip", Hex(0xFFEFD5)},
    {"peachpuff", Hex(0xFFDAB9)},
    {"peru", Hex(0xCD853F)},
    {"pink", Hex(0xFFC0CB)},
    {"plum", Hex(0xDDA0DD)},
    {"powderblue", Hex(0xB0E0E6)},
    {"purple", Hex(0x800080)},
    {"rebeccapurple", Hex(0x663399)},
    {"red", Hex(0xFF0000)},
    {"rosybrown", Hex(0xBC8F8F)},
    {"royalblue", Hex(0x4169E1)},
    {"saddlebrown", Hex(0x8B4513)},
    {"salmon", Hex(0xFA8072)},
    {"sandybrown", Hex(0xF4A460)},
    {"seagreen", Hex(0x2E8B57)},
    {"seashell", Hex(0xFFF5EE)},
    {"sienna", Hex(0xA0522D)},
    {"silver", Hex(0xC0C0C0)},
    {"skyblue", Hex(0x87CEEB)},
    {"slateblue", Hex(0x6A5ACD)},
    {"slategray", Hex(0x708090)},
    {"slategrey", Hex(0x708090)},
    {"snow", Hex(0xFFFAFA)},
    {"springgreen", Hex(0x00FF7F)},
    {"steelblue", Hex(0x4682B4)},
    {"tan", Hex(0xD2B48C)},
    {"teal", Hex(0x008080)},
    {"thistle", Hex(0xD8BFD8)},
    {"tomato", Hex(0xFF6347)},
    {"turquoise", Hex(0x40E0D0)},
    {"violet", Hex(0xEE82EE)},
    {"wheat", Hex(0xF5DEB3)},
    {"white", Hex(0xFFFFFF)},
    {"whitesmoke", Hex(0xF5F5F5)},
    {"yellow", Hex(0xFFFF00)},
    {"yellowgreen", Hex(0x9ACD32)},
}};

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view lowerName, std::string_view text)
{
    if (lowerName.size() != text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (lowerName[i] != Lower(text[i]))
            return false;
    return true;
}

struct Lab {
    double l, a, b;
};

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double LabF(double t)
{
    constexpr double delta = 6.0 / 29.0;
    return t > delta * delta * delta ? std::cbrt(t) : t / (3.0 * delta * delta) + 4.0 / 29.0;
}

// sRGB to CIELAB with the D65 white point.
Lab ToLab(Rgb c)
{
    const double r = Linear(c.red);
    const double g = Linear(c.green);
    const double b = Linear(c.blue);
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    const double fx = LabF(x);
    const double fy = LabF(y);
    const double fz = LabF(z);
    return Lab{116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

// The names' colours in CIELAB, worked out once: the nearest name is looked
// up on every move of a drag.
const std::array<Lab, Names.size()>& NameLabs()
{
    static const std::array<Lab, Names.size()> labs = [] {
        std::array<Lab, Names.size()> out{};
        for (std::size_t i = 0; i < Names.size(); ++i)
            out[i] = ToLab(Names[i].rgb);
        return out;
    }();
    return labs;
}

} // namespace

std::span<const CssColorName> CssColorNames()
{
    return Names;
}

std::optional<Rgb> CssColorByName(std::string_view name)
{
    for (const CssColorName& entry : Names)
        if (EqualsIgnoringCase(entry.name, name))
            return entry.rgb;
    return std::nullopt;
}

std::string_view ExactCssColorName(Rgb rgb)
{
    for (const CssColorName& entry : Names)
        if (entry.rgb == rgb)
            return entry.name;
    return {};
}

NearestCssName NearestCssColorName(Rgb rgb)
{
    if (const std::string_view exact = ExactCssColorName(rgb); !exact.empty())
        return NearestCssName{exact, rgb, true, 0.0};
    const Lab target = ToLab(rgb);
    NearestCssName best{Names[0].name, Names[0].rgb, false, INFINITY};
    const auto& labs = NameLabs();
    for (std::size_t i = 0; i < Names.size(); ++i) {
        const CssColorName& entry = Names[i];
        const Lab& lab = labs[i];
        const double dl = lab.l - target.l;
        const double da = lab.a - target.a;
        const double db = lab.b - target.b;
        const double d = std::sqrt(dl * dl + da * da + db * db);
        // Strictly less: the first of equal candidates stays.
        if (d < best.deltaE)
            best = NearestCssName{entry.name, entry.rgb, false, d};
    }
    return best;
}

} // namespace tintora
