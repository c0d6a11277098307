// SPDX-License-Identifier: MIT
#include "core/color_spaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tintora {

namespace {

using Matrix = std::array<ColorCoords, 3>;

// The matrices of CSS Color 4's sample code, computed from the primaries'
// and white points' chromaticities in double precision.
constexpr Matrix SrgbLinearToXyz{{
    {0.41239079926595934, 0.357584339383878, 0.1804807884018343},
    {0.21263900587151027, 0.715168678767756, 0.07219231536073371},
    {0.01933081871559182, 0.11919477979462598, 0.9505321522496607},
}};
constexpr Matrix XyzToSrgbLinear{{
    {3.2409699419045226, -1.537383177570094, -0.4986107602930034},
    {-0.9692436362808796, 1.8759675015077202, 0.04155505740717559},
    {0.05563007969699366, -0.20397695888897652, 1.0569715142428786},
}};
constexpr Matrix P3LinearToXyz{{
    {0.4865709486482162, 0.26566769316909306, 0.1982172852343625},
    {0.2289745640697488, 0.6917385218365064, 0.079286914093745},
    {0.0000000000000000, 0.04511338185890264, 1.043944368900976},
}};
constexpr Matrix XyzToP3Linear{{
    {2.493496911941425, -0.9313836179191239, -0.40271078445071684},
    {-0.8294889695615747, 1.7626640603183463, 0.023624685841943577},
    {0.03584583024378447, -0.07617238926804182, 0.9568845240076872},
}};
constexpr Matrix A98LinearToXyz{{
    {0.5766690429101305, 0.1855582379065463, 0.1882286462349947},
    {0.29734497525053605, 0.6273635662554661, 0.07529145849399788},
    {0.02703136138641234, 0.07068885253582723, 0.9913375368376388},
}};
constexpr Matrix XyzToA98Linear{{
    {2.0415879038107465, -0.5650069742788596, -0.34473135077832956},
    {-0.9692436362808795, 1.8759675015077202, 0.04155505740717557},
    {0.013444280632031142, -0.11836239223101838, 1.0151749943912054},
}};
// ProPhoto is relative to D50.
constexpr Matrix ProphotoLinearToXyzD50{{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.00000000000000000, 0.00000000000000000, 0.82510460251046020},
}};
constexpr Matrix XyzD50ToProphotoLinear{{
    {1.34578688164715830, -0.25557208737979464, -0.05110186497554526},
    {-0.54463070512490190, 1.50824774284514680, 0.02052744743642139},
    {0.00000000000000000, 0.00000000000000000, 1.21196754563894520},
}};
constexpr Matrix Rec2020LinearToXyz{{
    {0.6369580483012914, 0.14461690358620832, 0.1688809751641721},
    {0.2627002120112671, 0.6779980715188708, 0.05930171646986196},
    {0.000000000000000, 0.028072693049087428, 1.060985057710791},
}};
constexpr Matrix XyzToRec2020Linear{{
    {1.716651187971268, -0.355670783776392, -0.253366281373660},
    {-0.666684351832489, 1.616481236634939, 0.0157685458139111},
    {0.017639857445311, -0.042770613257809, 0.942103121235474},
}};
// Bradford chromatic adaptation between the D65 and D50 whites.
constexpr Matrix D65ToD50{{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
constexpr Matrix D50ToD65{{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
// OKLab, with the matrices recalculated for the same D65 white as above.
constexpr Matrix XyzToLms{{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix LmsToXyz{{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix LmsToOklab{{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
constexpr Matrix OklabToLms{{
    {1.0000000000000000, 0.3963377773761749, 0.2158037573099136},
    {1.0000000000000000, -0.1055613458156586, -0.0638541728258133},
    {1.0000000000000000, -0.0894841775298119, -1.2914855480194092},
}};

// The D50 white of CIE Lab, from its four-digit chromaticity.
constexpr ColorCoords D50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

ColorCoords Multiply(const Matrix& m, ColorCoords v)
{
    ColorCoords out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return out;
}

template <typename F> ColorCoords Each(ColorCoords c, F f)
{
    return ColorCoords{f(c[0]), f(c[1]), f(c[2])};
}

// sign(v) * |v|^p: the transfer curves of CSS extend to negative values by
// symmetry.
double SignedPow(double v, double p)
{
    return v < 0 ? -std::pow(-v, p) : std::pow(v, p);
}

double ProphotoToLinear(double v)
{
    const double a = std::fabs(v);
    return a < 16.0 / 512.0 ? v / 16.0 : SignedPow(v, 1.8);
}

double LinearToProphoto(double v)
{
    const double a = std::fabs(v);
    return a >= 1.0 / 512.0 ? SignedPow(v, 1.0 / 1.8) : 16.0 * v;
}

constexpr double LabEpsilon = 216.0 / 24389.0;
constexpr double LabEpsilon3 = 24.0 / 116.0;
constexpr double LabKappa = 24389.0 / 27.0;

ColorCoords XyzD50ToLab(ColorCoords xyz)
{
    ColorCoords f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double v = xyz[i] / D50White[i];
        f[i] = v > LabEpsilon ? std::cbrt(v) : (LabKappa * v + 16.0) / 116.0;
    }
    return ColorCoords{116.0 * f[1] - 16.0, 500.0 * (f[0] - f[1]), 200.0 * (f[1] - f[2])};
}

ColorCoords LabToXyzD50(ColorCoords lab)
{
    const double f1 = (lab[0] + 16.0) / 116.0;
    const double f0 = lab[1] / 500.0 + f1;
    const double f2 = f1 - lab[2] / 200.0;
    const ColorCoords xyz{
        f0 > LabEpsilon3 ? f0 * f0 * f0 : (116.0 * f0 - 16.0) / LabKappa,
        lab[0] > 8.0 ? std::pow((lab[0] + 16.0) / 116.0, 3) : lab[0] / LabKappa,
        f2 > LabEpsilon3 ? f2 * f2 * f2 : (116.0 * f2 - 16.0) / LabKappa,
    };
    return ColorCoords{xyz[0] * D50White[0], xyz[1] * D50White[1], xyz[2] * D50White[2]};
}

ColorCoords XyzToOklab(ColorCoords xyz)
{
    return Multiply(LmsToOklab, Each(Multiply(XyzToLms, xyz), [](double v) { return std::cbrt(v); }));
}

ColorCoords OklabToXyz(ColorCoords lab)
{
    return Multiply(LmsToXyz, Each(Multiply(OklabToLms, lab), [](double v) { return v * v * v; }));
}

// Polar form of a Lab-like space; below `achromatic` on both axes the hue is
// meaningless and set to 0.
ColorCoords ToPolar(ColorCoords lab, double achromatic)
{
    if (std::fabs(lab[1]) < achromatic && std::fabs(lab[2]) < achromatic)
        return ColorCoords{lab[0], 0.0, 0.0};
    double h = std::atan2(lab[2], lab[1]) * 180.0 / std::numbers::pi;
    h = std::fmod(std::fmod(h, 360.0) + 360.0, 360.0);
    return ColorCoords{lab[0], std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]), h};
}

ColorCoords FromPolar(ColorCoords lch)
{
    const double c = std::max(lch[1], 0.0);
    const double h = lch[2] * std::numbers::pi / 180.0;
    return ColorCoords{lch[0], c * std::cos(h), c * std::sin(h)};
}

ColorCoords OklabToOklch(ColorCoords lab)
{
    return ToPolar(lab, 0.8 / 100000.0);
}

bool InUnitCube(ColorCoords c)
{
    return c[0] >= 0.0 && c[0] <= 1.0 && c[1] >= 0.0 && c[1] <= 1.0 && c[2] >= 0.0 && c[2] <= 1.0;
}

ColorCoords Clip(ColorCoords c)
{
    return Each(c, [](double v) { return std::clamp(v, 0.0, 1.0); });
}

ColorCoords OklchToSrgb(ColorCoords lch)
{
    return FromXyzD65(ColorSpace::Srgb, OklabToXyz(FromPolar(lch)));
}

double DeltaEOk(ColorCoords a, ColorCoords b)
{
    const double dl = a[0] - b[0];
    const double da = a[1] - b[1];
    const double db = a[2] - b[2];
    return std::sqrt(dl * dl + da * da + db * db);
}

} // namespace

double SrgbToLinear(double v)
{
    const double a = std::fabs(v);
    if (a <= 0.04045)
        return v / 12.92;
    return (v < 0 ? -1.0 : 1.0) * std::pow((a + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double v)
{
    const double a = std::fabs(v);
    if (a > 0.0031308)
        return (v < 0 ? -1.0 : 1.0) * (1.055 * std::pow(a, 1.0 / 2.4) - 0.055);
    return 12.92 * v;
}

ColorCoords HslToSrgb(ColorCoords hsl)
{
    double h = std::fmod(hsl[0], 360.0);
    if (h < 0.0)
        h += 360.0;
    const double s = hsl[1] / 100.0;
    const double l = hsl[2] / 100.0;
    auto f = [&](double n) {
        const double k = std::fmod(n + h / 30.0, 12.0);
        const double a = s * std::min(l, 1.0 - l);
        return l - a * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0}));
    };
    return ColorCoords{f(0.0), f(8.0), f(4.0)};
}

ColorCoords SrgbToHsl(ColorCoords rgb)
{
    const double mx = std::max({rgb[0], rgb[1], rgb[2]});
    const double mn = std::min({rgb[0], rgb[1], rgb[2]});
    const double l = (mn + mx) / 2.0;
    const double d = mx - mn;
    double h = 0.0;
    double s = 0.0;
    if (d != 0.0) {
        s = (l == 0.0 || l == 1.0) ? 0.0 : (mx - l) / std::min(l, 1.0 - l);
        if (mx == rgb[0])
            h = (rgb[1] - rgb[2]) / d + (rgb[1] < rgb[2] ? 6.0 : 0.0);
        else if (mx == rgb[1])
            h = (rgb[2] - rgb[0]) / d + 2.0;
        else
            h = (rgb[0] - rgb[1]) / d + 4.0;
        h *= 60.0;
    }
    if (h >= 360.0)
        h -= 360.0;
    return ColorCoords{h, s * 100.0, l * 100.0};
}

ColorCoords HwbToSrgb(ColorCoords hwb)
{
    // Through HSV, step by step as CSS Color 4's sample code goes, so that
    // the rounding of the result is the one other implementations get.
    const double w = hwb[1] / 100.0;
    const double b = hwb[2] / 100.0;
    if (w + b >= 1.0) {
        const double grey = w / (w + b);
        return ColorCoords{grey, grey, grey};
    }
    const double value = 1.0 - b;
    const double saturation = value == 0.0 ? 0.0 : 1.0 - w / value;
    const double s = saturation * 100.0 / 100.0;
    const double v = value * 100.0 / 100.0;
    double h = std::fmod(hwb[0], 360.0);
    if (h < 0.0)
        h += 360.0;
    auto f = [&](double n) {
        const double k = std::fmod(n + h / 60.0, 6.0);
        return v - v * s * std::max(0.0, std::min({k, 4.0 - k, 1.0}));
    };
    return ColorCoords{f(5.0), f(3.0), f(1.0)};
}

ColorCoords SrgbToHwb(ColorCoords rgb)
{
    const double h = SrgbToHsl(rgb)[0];
    const double white = std::min({rgb[0], rgb[1], rgb[2]});
    const double black = 1.0 - std::max({rgb[0], rgb[1], rgb[2]});
    return ColorCoords{h, white * 100.0, black * 100.0};
}

ColorCoords LabToLch(ColorCoords lab)
{
    return ToPolar(lab, 250.0 / 100000.0);
}

ColorCoords LchToLab(ColorCoords lch)
{
    return FromPolar(lch);
}

ColorCoords ToXyzD65(ColorSpace space, ColorCoords c)
{
    switch (space) {
    case ColorSpace::Srgb:
        return Multiply(SrgbLinearToXyz, Each(c, SrgbToLinear));
    case ColorSpace::SrgbLinear:
        return Multiply(SrgbLinearToXyz, c);
    case ColorSpace::DisplayP3:
        return Multiply(P3LinearToXyz, Each(c, SrgbToLinear));
    case ColorSpace::A98Rgb:
        return Multiply(A98LinearToXyz, Each(c, [](double v) { return SignedPow(v, 563.0 / 256.0); }));
    case ColorSpace::ProphotoRgb:
        return Multiply(D50ToD65, Multiply(ProphotoLinearToXyzD50, Each(c, ProphotoToLinear)));
    case ColorSpace::Rec2020:
        return Multiply(Rec2020LinearToXyz, Each(c, [](double v) { return SignedPow(v, 2.4); }));
    case ColorSpace::XyzD50:
        return Multiply(D50ToD65, c);
    case ColorSpace::XyzD65:
        return c;
    case ColorSpace::Lab:
        return Multiply(D50ToD65, LabToXyzD50(c));
    case ColorSpace::Lch:
        return Multiply(D50ToD65, LabToXyzD50(LchToLab(c)));
    case ColorSpace::Oklab:
        return OklabToXyz(c);
    case ColorSpace::Oklch:
        return OklabToXyz(FromPolar(c));
    case ColorSpace::Hsl:
        return ToXyzD65(ColorSpace::Srgb, HslToSrgb(c));
    case ColorSpace::Hwb:
        return ToXyzD65(ColorSpace::Srgb, HwbToSrgb(c));
    }
    return c;
}

ColorCoords FromXyzD65(ColorSpace space, ColorCoords xyz)
{
    switch (space) {
    case ColorSpace::Srgb:
        return Each(Multiply(XyzToSrgbLinear, xyz), LinearToSrgb);
    case ColorSpace::SrgbLinear:
        return Multiply(XyzToSrgbLinear, xyz);
    case ColorSpace::DisplayP3:
        return Each(Multiply(XyzToP3Linear, xyz), LinearToSrgb);
    case ColorSpace::A98Rgb:
        return Each(Multiply(XyzToA98Linear, xyz), [](double v) { return SignedPow(v, 256.0 / 563.0); });
    case ColorSpace::ProphotoRgb:
        return Each(Multiply(XyzD50ToProphotoLinear, Multiply(D65ToD50, xyz)), LinearToProphoto);
    case ColorSpace::Rec2020:
        return Each(Multiply(XyzToRec2020Linear, xyz), [](double v) { return SignedPow(v, 1.0 / 2.4); });
    case ColorSpace::XyzD50:
        return Multiply(D65ToD50, xyz);
    case ColorSpace::XyzD65:
        return xyz;
    case ColorSpace::Lab:
        return XyzD50ToLab(Multiply(D65ToD50, xyz));
    case ColorSpace::Lch:
        return LabToLch(XyzD50ToLab(Multiply(D65ToD50, xyz)));
    case ColorSpace::Oklab:
        return XyzToOklab(xyz);
    case ColorSpace::Oklch:
        return OklabToOklch(XyzToOklab(xyz));
    case ColorSpace::Hsl:
        return SrgbToHsl(FromXyzD65(ColorSpace::Srgb, xyz));
    case ColorSpace::Hwb:
        return SrgbToHwb(FromXyzD65(ColorSpace::Srgb, xyz));
    }
    return xyz;
}

ColorCoords ConvertColor(ColorSpace from, ColorSpace to, ColorCoords c)
{
    if (from == to)
        return c;
    // Direct relations keep the arithmetic short and exact where it can be.
    if (from == ColorSpace::Srgb) {
        if (to == ColorSpace::Hsl)
            return SrgbToHsl(c);
        if (to == ColorSpace::Hwb)
            return SrgbToHwb(c);
    }
    if (to == ColorSpace::Srgb) {
        if (from == ColorSpace::Hsl)
            return HslToSrgb(c);
        if (from == ColorSpace::Hwb)
            return HwbToSrgb(c);
    }
    if (from == ColorSpace::Lab && to == ColorSpace::Lch)
        return LabToLch(c);
    if (from == ColorSpace::Oklab && to == ColorSpace::Oklch)
        return OklabToOklch(c);
    if (from == ColorSpace::Oklch && to == ColorSpace::Oklab)
        return FromPolar(c);
    return FromXyzD65(to, ToXyzD65(from, c));
}

GamutMapped MapToSrgbGamut(ColorSpace space, ColorCoords c)
{
    const ColorCoords srgb = ConvertColor(space, ColorSpace::Srgb, c);
    if (InUnitCube(srgb))
        return GamutMapped{srgb, false};
    // Less than half an 8-bit step beyond the edge (rounding noise of a
    // conversion, a copied value with few digits) ends up where plain
    // clipping puts it, and is not worth a word.
    constexpr double noise = 0.5 / 255.0;
    const bool outside =
        std::any_of(srgb.begin(), srgb.end(), [](double v) { return !(v >= -noise && v <= 1.0 + noise); });

    constexpr double jnd = 0.02;
    constexpr double epsilon = 0.0001;
    const ColorCoords originLch = ConvertColor(space, ColorSpace::Oklch, c);
    if (originLch[0] >= 1.0)
        return GamutMapped{Clip(FromXyzD65(ColorSpace::Srgb, OklabToXyz({1.0, 0.0, 0.0}))), outside};
    if (originLch[0] <= 0.0)
        return GamutMapped{Clip(FromXyzD65(ColorSpace::Srgb, OklabToXyz({0.0, 0.0, 0.0}))), outside};
    // No displayable colour comes near this chroma; beyond it the cubes of
    // the conversion overflow and the search below would never narrow.
    constexpr double maxChroma = 1e6;
    ColorCoords current = originLch;
    current[1] = std::min(current[1], maxChroma);
    if (const ColorCoords direct = OklchToSrgb(current); InUnitCube(direct))
        return GamutMapped{direct, outside};
    auto oklabOfSrgb = [](ColorCoords rgb) { return XyzToOklab(ToXyzD65(ColorSpace::Srgb, rgb)); };
    double low = 0.0;
    double high = current[1];
    bool lowInGamut = true;
    ColorCoords clipped = Clip(OklchToSrgb(current));
    double e = DeltaEOk(oklabOfSrgb(clipped), FromPolar(current));
    if (e < jnd)
        return GamutMapped{clipped, outside};
    while (high - low > epsilon) {
        const double chroma = (low + high) / 2.0;
        current[1] = chroma;
        const ColorCoords rgb = OklchToSrgb(current);
        if (lowInGamut && InUnitCube(rgb)) {
            low = chroma;
            continue;
        }
        clipped = Clip(rgb);
        e = DeltaEOk(oklabOfSrgb(clipped), FromPolar(current));
        if (e < jnd) {
            if (jnd - e < epsilon)
                break;
            lowInGamut = false;
            low = chroma;
        } else {
            high = chroma;
        }
    }
    return GamutMapped{clipped, outside};
}

CssColor8 ResolveCssColor(ColorSpace space, ColorCoords c)
{
    switch (space) {
    case ColorSpace::Hsl:
        c[1] = std::max(c[1], 0.0);
        break;
    case ColorSpace::Lab:
        c[0] = std::clamp(c[0], 0.0, 100.0);
        break;
    case ColorSpace::Lch:
        c[0] = std::clamp(c[0], 0.0, 100.0);
        c[1] = std::max(c[1], 0.0);
        break;
    case ColorSpace::Oklab:
        c[0] = std::clamp(c[0], 0.0, 1.0);
        break;
    case ColorSpace::Oklch:
        c[0] = std::clamp(c[0], 0.0, 1.0);
        c[1] = std::max(c[1], 0.0);
        break;
    default:
        break;
    }
    const GamutMapped mapped = MapToSrgbGamut(space, c);
    return CssColor8{SrgbTo8Bit(mapped.srgb), mapped.mapped};
}

Rgb SrgbTo8Bit(ColorCoords srgb)
{
    auto channel = [](double v) {
        if (!(v > 0.0))
            return 0; // also NaN
        return static_cast<int>(std::floor(std::min(v, 1.0) * 255.0 + 0.5));
    };
    return Rgb{channel(srgb[0]), channel(srgb[1]), channel(srgb[2])};
}

ColorCoords SrgbFrom8Bit(Rgb rgb)
{
    return ColorCoords{rgb.red / 255.0, rgb.green / 255.0, rgb.blue / 255.0};
}

} // namespace tintora
