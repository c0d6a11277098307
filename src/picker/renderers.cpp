#include "picker/renderers.h"

#include <bit>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tintora {

namespace {

constexpr int kSize = 256;
constexpr int kBytesPerPixel = 3;
constexpr int kRowBytes = kSize * kBytesPerPixel; // a plane row has no padding
// Byte offsets of the channels within a pixel triple.
constexpr int kBlue = 0;
constexpr int kGreen = 1;
constexpr int kRed = 2;

// 1.5 * 2^52. Any double v with |v| < 2^51 plus this bias lies in the binade
// whose spacing is exactly 1, so the addition itself rounds v to an integer in
// the default rounding mode (nearest, ties to even): the same result as
// std::nearbyint, without a library call. Within one binade the bit pattern
// grows by one per unit, so the rounded integer is the difference of the bit
// patterns.
constexpr double kRoundingBias = 6755399441055744.0;
constexpr std::uint64_t kRoundingBiasBits = std::bit_cast<std::uint64_t>(kRoundingBias);

// rnd(v) as a byte, or 0 when rnd(v) does not fit a byte: such a byte is not
// written and keeps the 0 of the zero-filled buffer. Every value the
// renderers produce from int arguments stays far below 2^51 in magnitude.
inline std::uint8_t RoundToByte(double v)
{
    const std::uint64_t rounded = std::bit_cast<std::uint64_t>(v + kRoundingBias) - kRoundingBiasBits;
    // A negative result wraps to a huge unsigned value and fails the test too.
    return rounded <= 255 ? static_cast<std::uint8_t>(rounded) : std::uint8_t{0};
}

ColorRef PackColor(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

// One hue sector of the saturation- and brightness-mode planes: the columns
// first..last, the ramp r = base + slope * c, and which channel of the pixel
// takes W, "full" and "zero". The column ranges come from the sector span
// 42.5 with its multiples rounded half to even: ends 42, 85, 128, 170, 212,
// 255. The falling ramps start at 6 * (previous end) + 255 and reach -3 in
// columns 85 and 255.
struct HueSector {
    int first;
    int last;
    int base;
    int slope;
    int w;
    int full;
    int zero;
};

constexpr std::array<HueSector, 6> kHueSectors{{
    {0, 42, 0, 6, kBlue, kRed, kGreen},
    {43, 85, 507, -6, kRed, kBlue, kGreen},
    {86, 128, -516, 6, kGreen, kBlue, kRed},
    {129, 170, 1023, -6, kBlue, kGreen, kRed},
    {171, 212, -1026, 6, kRed, kGreen, kBlue},
    {213, 255, 1527, -6, kGreen, kRed, kBlue},
}};

// The ramp value of every hue column, as a double (the conversion is exact).
constexpr std::array<double, kSize> MakeHueRamp()
{
    std::array<double, kSize> ramp{};
    for (const HueSector& sector : kHueSectors) {
        for (int c = sector.first; c <= sector.last; ++c) {
            ramp[static_cast<std::size_t>(c)] = static_cast<double>(sector.base + sector.slope * c);
        }
    }
    return ramp;
}

alignas(16) constexpr std::array<double, kSize> kHueRamp = MakeHueRamp();

// Byte layout of a hue-plane row, the same for every row: where W goes in
// each pixel, and which bytes take "full" and "zero".
struct HueRowLayout {
    std::array<std::uint16_t, kSize> wByte{};
    std::array<std::uint8_t, kRowBytes> fullMask{};
    std::array<std::uint8_t, kRowBytes> zeroMask{};
};

constexpr HueRowLayout MakeHueRowLayout()
{
    HueRowLayout layout;
    for (const HueSector& sector : kHueSectors) {
        for (int c = sector.first; c <= sector.last; ++c) {
            const int pixel = kBytesPerPixel * c;
            layout.wByte[static_cast<std::size_t>(c)] = static_cast<std::uint16_t>(pixel + sector.w);
            layout.fullMask[static_cast<std::size_t>(pixel + sector.full)] = 0xFF;
            layout.zeroMask[static_cast<std::size_t>(pixel + sector.zero)] = 0xFF;
        }
    }
    return layout;
}

constexpr HueRowLayout kHueRowLayout = MakeHueRowLayout();

// x for each byte of a hue-mode plane row: the row runs from x = 255 down to
// x = 0, three bytes (blue, green, red) per x.
constexpr std::array<double, kRowBytes> MakeFallingXPerByte()
{
    std::array<double, kRowBytes> xs{};
    for (int n = 0; n < kRowBytes; ++n) {
        xs[static_cast<std::size_t>(n)] = static_cast<double>(kSize - 1 - n / kBytesPerPixel);
    }
    return xs;
}

alignas(16) constexpr std::array<double, kRowBytes> kFallingXPerByte = MakeFallingXPerByte();

#if defined(__SSE2__)

// The same roundings two at a time. cvtpd2dq converts in the current
// rounding mode (nearest, ties to even), exactly as std::nearbyint rounds;
// a value beyond the int32 range becomes INT_MIN.
inline __m128i RoundPair(__m128d v)
{
    return _mm_cvtpd_epi32(v);
}

// rnd(x * s + l) for two lanes, the product and the sum each rounded once.
inline __m128i RoundAffinePair(const double* x, __m128d s, __m128d l)
{
    return RoundPair(_mm_add_pd(_mm_mul_pd(_mm_load_pd(x), s), l));
}

inline __m128i Join(__m128i low, __m128i high)
{
    return _mm_unpacklo_epi64(low, high);
}

// Sixteen int32 (four vectors, in order) to sixteen bytes. A value outside
// 0..255 gives 0, as a byte that is not written: the signed pack keeps
// negatives negative for the unsigned pack to clear, and values above 255
// are masked out in between.
inline __m128i ToBytes(__m128i a, __m128i b, __m128i c, __m128i d)
{
    const __m128i max = _mm_set1_epi16(255);
    __m128i low = _mm_packs_epi32(a, b);
    __m128i high = _mm_packs_epi32(c, d);
    low = _mm_andnot_si128(_mm_cmpgt_epi16(low, max), low);
    high = _mm_andnot_si128(_mm_cmpgt_epi16(high, max), high);
    return _mm_packus_epi16(low, high);
}

// Sixteen bytes of a hue-mode plane row. Two consecutive bytes share a
// vector; with three channels the (step, lo) lane pairs repeat every three
// vectors, and First says where in that cycle these sixteen bytes start.
template <int First>
inline __m128i SatBriSixteen(const double* x, const __m128d (&s)[3], const __m128d (&l)[3])
{
    constexpr std::size_t p0 = First % 3, p1 = (First + 1) % 3, p2 = (First + 2) % 3;
    return ToBytes(Join(RoundAffinePair(x + 0, s[p0], l[p0]), RoundAffinePair(x + 2, s[p1], l[p1])),
                   Join(RoundAffinePair(x + 4, s[p2], l[p2]), RoundAffinePair(x + 6, s[p0], l[p0])),
                   Join(RoundAffinePair(x + 8, s[p1], l[p1]), RoundAffinePair(x + 10, s[p2], l[p2])),
                   Join(RoundAffinePair(x + 12, s[p0], l[p0]), RoundAffinePair(x + 14, s[p1], l[p1])));
}

// One row of the hue-mode plane: byte n is rnd(x * step[n % 3] + lo[n % 3]).
void SatBriRow(std::uint8_t* row, const std::array<double, 3>& step, const std::array<double, 3>& lo)
{
    // Lane pairs for bytes 6m + (0, 1), (2, 3), (4, 5); _mm_set_pd takes the high lane first.
    const __m128d s[3] = {_mm_set_pd(step[1], step[0]), _mm_set_pd(step[0], step[2]),
                          _mm_set_pd(step[2], step[1])};
    const __m128d l[3] = {_mm_set_pd(lo[1], lo[0]), _mm_set_pd(lo[0], lo[2]), _mm_set_pd(lo[2], lo[1])};
    // 48 bytes (24 vectors) bring the cycle back to its start.
    for (int n = 0; n < kRowBytes; n += 48) {
        const double* x = kFallingXPerByte.data() + n;
        auto* out = reinterpret_cast<__m128i*>(row + n);
        _mm_storeu_si128(out + 0, SatBriSixteen<0>(x, s, l));
        _mm_storeu_si128(out + 1, SatBriSixteen<2>(x + 16, s, l));
        _mm_storeu_si128(out + 2, SatBriSixteen<1>(x + 32, s, l));
    }
}

// W of every hue column of one row, as bytes: rnd(r * k + add), or
// rnd(r * k) when Add is false.
template <bool Add> void HueWRow(std::uint8_t* w, double k, double add)
{
    const __m128d kk = _mm_set1_pd(k);
    const __m128d aa = _mm_set1_pd(add);
    const auto lanes = [&](int c) {
        const __m128d product = _mm_mul_pd(_mm_load_pd(kHueRamp.data() + c), kk);
        if constexpr (Add) {
            return RoundPair(_mm_add_pd(product, aa));
        } else {
            return RoundPair(product);
        }
    };
    for (int c = 0; c < kSize; c += 16) {
        const __m128i bytes = ToBytes(Join(lanes(c + 0), lanes(c + 2)), Join(lanes(c + 4), lanes(c + 6)),
                                      Join(lanes(c + 8), lanes(c + 10)), Join(lanes(c + 12), lanes(c + 14)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(w + c), bytes);
    }
}

#else

void SatBriRow(std::uint8_t* row, const std::array<double, 3>& step, const std::array<double, 3>& lo)
{
    for (std::size_t n = 0; n < kFallingXPerByte.size(); ++n) {
        row[n] = RoundToByte(kFallingXPerByte[n] * step[n % 3] + lo[n % 3]);
    }
}

template <bool Add> void HueWRow(std::uint8_t* w, double k, double add)
{
    for (std::size_t c = 0; c < kSize; ++c) {
        const double product = kHueRamp[c] * k;
        w[c] = RoundToByte(Add ? product + add : product);
    }
}

#endif

// Both hue planes: towards white (brightness mode) or towards black
// (saturation mode). Per row, k, "full" and "zero" are hoisted; per pixel only
// W is computed, as r * k (+ y), each operation rounded once. A negative W
// comes out as 0, the byte that is not written.
template <bool TowardWhite> Dib RenderHuePlane()
{
    Dib dib(kSize, kSize);
    alignas(16) std::array<std::uint8_t, kSize> w{};
    for (int y = kSize - 1; y >= 0; --y) {
        std::uint8_t* row = dib.storedRow(kSize - 1 - y);
        const double k = 1.0 - static_cast<double>(y) / 255.0;
        HueWRow<TowardWhite>(w.data(), k, static_cast<double>(y));
        const auto full = static_cast<std::uint8_t>(TowardWhite ? 255 : 255 - y);
        const auto zero = static_cast<std::uint8_t>(TowardWhite ? y : 0);
        for (std::size_t n = 0; n < kHueRowLayout.fullMask.size(); ++n) {
            row[n] = static_cast<std::uint8_t>((kHueRowLayout.fullMask[n] & full) |
                                               (kHueRowLayout.zeroMask[n] & zero));
        }
        for (std::size_t c = 0; c < kSize; ++c) {
            row[kHueRowLayout.wByte[c]] = w[c];
        }
    }
    return dib;
}

} // namespace

Dib RenderHueStrip()
{
    constexpr int width = 15;
    Dib dib(width, kSize);
    // The sector arithmetic of the strip (multiples of 42.5 truncated: ends
    // 42, 85, 127, 170, 212, 255) only ever yields whole numbers, so it is
    // done in integers here.
    for (int i = 0; i < kSize; ++i) {
        int red = 0;
        int green = 0;
        int blue = 0;
        if (i <= 42) {
            red = 255;
            blue = 6 * i;
        } else if (i <= 85) {
            red = 510 - 6 * i;
            blue = 255;
        } else if (i <= 127) {
            green = 6 * i - 510;
            blue = 255;
        } else if (i <= 170) {
            green = 255;
            blue = 1020 - 6 * i;
        } else if (i <= 212) {
            red = 6 * i - 1020;
            green = 255;
        } else {
            red = 255;
            green = 1530 - 6 * i;
        }
        // The row is 48 bytes: 16 triples, the last one filling the padding.
        std::uint8_t* row = dib.storedRow(i);
        for (int p = 0; p < dib.stride() / kBytesPerPixel; ++p) {
            row[kBytesPerPixel * p + kBlue] = static_cast<std::uint8_t>(blue);
            row[kBytesPerPixel * p + kGreen] = static_cast<std::uint8_t>(green);
            row[kBytesPerPixel * p + kRed] = static_cast<std::uint8_t>(red);
        }
    }
    return dib;
}

Dib RenderSatBriPlane(int red, int green, int blue)
{
    Dib dib(kSize, kSize);
    const std::array<double, 3> channel{static_cast<double>(blue), static_cast<double>(green),
                                        static_cast<double>(red)};
    std::array<double, 3> q{};
    for (std::size_t ch = 0; ch < 3; ++ch) {
        q[ch] = channel[ch] / 255.0;
    }
    for (int y = kSize - 1; y >= 0; --y) {
        std::uint8_t* row = dib.storedRow(kSize - 1 - y);
        const double t = static_cast<double>(kSize - 1 - y);
        const double yd = static_cast<double>(y);
        std::array<double, 3> lo{};
        std::array<double, 3> step{};
        for (std::size_t ch = 0; ch < 3; ++ch) {
            lo[ch] = channel[ch] - yd * q[ch];
            step[ch] = (t - lo[ch]) / 255.0;
        }
        SatBriRow(row, step, lo);
    }
    return dib;
}

Dib RenderHueSatPlane()
{
    return RenderHuePlane<true>();
}

Dib RenderHueBriPlane()
{
    return RenderHuePlane<false>();
}

std::array<ColorRef, 256> BrightnessStripColors(int red, int green, int blue)
{
    std::array<ColorRef, 256> colors{};
    const double r = red;
    const double g = green;
    const double b = blue;
    for (int i = 0; i < kSize; ++i) {
        // i * C is exact in double for every int C.
        const double id = i;
        colors[static_cast<std::size_t>(i)] =
            PackColor(RoundToByte(r - (id * r) / 255.0), RoundToByte(g - (id * g) / 255.0),
                      RoundToByte(b - (id * b) / 255.0));
    }
    return colors;
}

std::array<ColorRef, 256> SaturationStripColors(int red, int green, int blue)
{
    std::array<ColorRef, 256> colors{};
    const double r = red;
    const double g = green;
    const double b = blue;
    for (int i = 0; i < kSize; ++i) {
        const double id = i;
        const double p = 1.0 - id / 255.0;
        colors[static_cast<std::size_t>(i)] =
            PackColor(RoundToByte(r * p + id), RoundToByte(g * p + id), RoundToByte(b * p + id));
    }
    return colors;
}

} // namespace tintora
