// SPDX-License-Identifier: MIT
#include "picker/renderers.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <memory>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#include <immintrin.h>
#endif

namespace tintora {

namespace {

constexpr int kSize = 256;
constexpr int kBytesPerPixel = 3;
// Byte offsets of the channels within a pixel triple, and byte numbers
// within a 0xFFRRGGBB pixel.
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

// Pixels are QRgb, 0xAARRGGBB. The row loops below pack and split them
// inline, a row of channel bytes at a time, rather than through Rgb: they are
// the innermost loops of every plane (bench/bench_renderers.cpp), and plain
// shifts over arrays are what the compiler vectorises.
constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr int kStripWidth = 15;

// The hue ramp and the channel layout of every window column of a hue plane.
// Window column u shows hue column c = 255 - u (the design mirrors the
// buffer onto the window), so the tables run backwards through the sectors.
// Each mask selects the byte of a 0xFFRRGGBB pixel that takes W, "full" or
// "zero" in that column.
struct HueColumns {
    alignas(16) std::array<double, kSize> ramp{};
    alignas(16) std::array<std::uint32_t, kSize> wMask{};
    alignas(16) std::array<std::uint32_t, kSize> fullMask{};
    alignas(16) std::array<std::uint32_t, kSize> zeroMask{};
};

constexpr std::uint32_t ByteMask(int channel)
{
    return 0xFFu << (8 * channel);
}

constexpr HueColumns MakeHueColumns()
{
    HueColumns columns;
    for (const HueSector& sector : kHueSectors) {
        for (int c = sector.first; c <= sector.last; ++c) {
            const auto u = static_cast<std::size_t>(kSize - 1 - c);
            columns.ramp[u] = static_cast<double>(sector.base + sector.slope * c);
            columns.wMask[u] = ByteMask(sector.w);
            columns.fullMask[u] = ByteMask(sector.full);
            columns.zeroMask[u] = ByteMask(sector.zero);
        }
    }
    return columns;
}

constexpr HueColumns kHueColumns = MakeHueColumns();

// x of each window column u of the hue-mode plane: x = 255 - u.
constexpr std::array<double, kSize> MakeFallingX()
{
    std::array<double, kSize> xs{};
    for (int u = 0; u < kSize; ++u)
        xs[static_cast<std::size_t>(u)] = static_cast<double>(kSize - 1 - u);
    return xs;
}

alignas(16) constexpr std::array<double, kSize> kFallingX = MakeFallingX();

using ByteRow = std::array<std::uint8_t, kSize>;

#if defined(__SSE2__)

#if defined(__GNUC__) && !defined(__AVX__)
// Qt's AVX2 routines (QImage::fill among them) may return with the upper
// halves of the vector registers in use. Legacy SSE code run after them then
// pays on every vector instruction: the renderers took four times as long on
// the build machine. So they clear that state first, where the processor
// has it at all.
__attribute__((target("avx"))) void ZeroUpperAvx()
{
    _mm256_zeroupper();
}

void ClearUpperVectorState()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        ZeroUpperAvx();
}
#else
void ClearUpperVectorState()
{
}
#endif

// cvtpd2dq converts in the current rounding mode (nearest, ties to even),
// exactly as std::nearbyint rounds; a value beyond the int32 range becomes
// INT_MIN.
inline __m128i RoundPair(__m128d v)
{
    return _mm_cvtpd_epi32(v);
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

// Sixteen bytes at a time: byte u is rnd(table[u] * m + a), or
// rnd(table[u] * m) when Add is false; the product and the sum each rounded
// once.
template <bool Add> void AffineRow(std::uint8_t* out, const double* table, double m, double a)
{
    const __m128d mm = _mm_set1_pd(m);
    const __m128d aa = _mm_set1_pd(a);
    const auto lanes = [&](int u) {
        const __m128d product = _mm_mul_pd(_mm_load_pd(table + u), mm);
        if constexpr (Add)
            return RoundPair(_mm_add_pd(product, aa));
        else
            return RoundPair(product);
    };
    for (int u = 0; u < kSize; u += 16) {
        const __m128i bytes = ToBytes(Join(lanes(u + 0), lanes(u + 2)), Join(lanes(u + 4), lanes(u + 6)),
                                      Join(lanes(u + 8), lanes(u + 10)), Join(lanes(u + 12), lanes(u + 14)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + u), bytes);
    }
}

// Three channel rows to 0xFFRRGGBB pixels.
void InterleaveRow(std::uint32_t* out, const std::uint8_t* blue, const std::uint8_t* green,
                   const std::uint8_t* red)
{
    const __m128i opaque = _mm_set1_epi8(static_cast<char>(0xFF));
    for (int u = 0; u < kSize; u += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(blue + u));
        const __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i*>(green + u));
        const __m128i r = _mm_loadu_si128(reinterpret_cast<const __m128i*>(red + u));
        const __m128i bgLow = _mm_unpacklo_epi8(b, g);
        const __m128i bgHigh = _mm_unpackhi_epi8(b, g);
        const __m128i raLow = _mm_unpacklo_epi8(r, opaque);
        const __m128i raHigh = _mm_unpackhi_epi8(r, opaque);
        auto* dst = reinterpret_cast<__m128i*>(out + u);
        _mm_storeu_si128(dst + 0, _mm_unpacklo_epi16(bgLow, raLow));
        _mm_storeu_si128(dst + 1, _mm_unpackhi_epi16(bgLow, raLow));
        _mm_storeu_si128(dst + 2, _mm_unpacklo_epi16(bgHigh, raHigh));
        _mm_storeu_si128(dst + 3, _mm_unpackhi_epi16(bgHigh, raHigh));
    }
}

// Puts W, "full" and "zero" (each a byte repeated in the three colour bytes)
// into the bytes each column's masks select.
void HueCombineRow(std::uint32_t* out, const std::uint8_t* w, std::uint32_t full3, std::uint32_t zero3)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    const __m128i fullV = _mm_set1_epi32(static_cast<int>(full3));
    const __m128i zeroV = _mm_set1_epi32(static_cast<int>(zero3));
    const auto* wMask = reinterpret_cast<const __m128i*>(kHueColumns.wMask.data());
    const auto* fullMask = reinterpret_cast<const __m128i*>(kHueColumns.fullMask.data());
    const auto* zeroMask = reinterpret_cast<const __m128i*>(kHueColumns.zeroMask.data());
    for (int u = 0; u < kSize; u += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(w + u));
        const __m128i low = _mm_unpacklo_epi8(bytes, zero);
        const __m128i high = _mm_unpackhi_epi8(bytes, zero);
        const __m128i words[4] = {_mm_unpacklo_epi16(low, zero), _mm_unpackhi_epi16(low, zero),
                                  _mm_unpacklo_epi16(high, zero), _mm_unpackhi_epi16(high, zero)};
        for (int q = 0; q < 4; ++q) {
            const int i = u / 4 + q;
            const __m128i w3 = _mm_or_si128(
                words[q], _mm_or_si128(_mm_slli_epi32(words[q], 8), _mm_slli_epi32(words[q], 16)));
            __m128i px = _mm_or_si128(opaque, _mm_and_si128(_mm_load_si128(wMask + i), w3));
            px = _mm_or_si128(px, _mm_and_si128(_mm_load_si128(fullMask + i), fullV));
            px = _mm_or_si128(px, _mm_and_si128(_mm_load_si128(zeroMask + i), zeroV));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + u + std::ptrdiff_t{4} * q), px);
        }
    }
}

#else

void ClearUpperVectorState()
{
}

template <bool Add> void AffineRow(std::uint8_t* out, const double* table, double m, double a)
{
    for (std::size_t u = 0; u < kSize; ++u) {
        const double product = table[u] * m;
        out[u] = RoundToByte(Add ? product + a : product);
    }
}

void InterleaveRow(std::uint32_t* out, const std::uint8_t* blue, const std::uint8_t* green,
                   const std::uint8_t* red)
{
    for (std::size_t u = 0; u < kSize; ++u) {
        out[u] = kOpaque | static_cast<std::uint32_t>(red[u]) << 16 |
                 static_cast<std::uint32_t>(green[u]) << 8 | blue[u];
    }
}

void HueCombineRow(std::uint32_t* out, const std::uint8_t* w, std::uint32_t full3, std::uint32_t zero3)
{
    for (std::size_t u = 0; u < kSize; ++u) {
        out[u] = kOpaque | (kHueColumns.wMask[u] & (w[u] * 0x010101u)) | (kHueColumns.fullMask[u] & full3) |
                 (kHueColumns.zeroMask[u] & zero3);
    }
}

#endif

// One channel of a hue-mode plane row: byte u is rnd(x * step + lo) with
// x = 255 - u.
void SatBriChannelRow(std::uint8_t* out, double step, double lo)
{
    AffineRow<true>(out, kFallingX.data(), step, lo);
}

// A channel whose argument is 0 has q = 0, lo = 0 - y * 0 = 0 and
// step = t / 255 in every hue-mode plane, so its rows are worked out once,
// on first use. Every pure hue has such a channel (and one of 255, whose
// rows are constant).
const std::array<ByteRow, kSize>& BlackChannelRows()
{
    static const std::unique_ptr<std::array<ByteRow, kSize>> rows = [] {
        auto r = std::make_unique<std::array<ByteRow, kSize>>();
        for (int y = 0; y < kSize; ++y) {
            const double t = static_cast<double>(kSize - 1 - y);
            SatBriChannelRow((*r)[static_cast<std::size_t>(y)].data(), (t - 0.0) / 255.0, 0.0);
        }
        return r;
    }();
    return *rows;
}

// Both hue planes: towards white (brightness mode) or towards black
// (saturation mode). Per row, k, "full" and "zero" are hoisted; per pixel only
// W is computed, as r * k (+ y), each operation rounded once. A negative W
// comes out as 0, the byte that is not written.
template <bool TowardWhite> void RenderHuePlaneRows(std::uint32_t* first, std::ptrdiff_t stride)
{
    alignas(16) ByteRow w{};
    for (int y = 0; y < kSize; ++y) {
        const double k = 1.0 - static_cast<double>(y) / 255.0;
        AffineRow<TowardWhite>(w.data(), kHueColumns.ramp.data(), k, static_cast<double>(y));
        const auto full = static_cast<std::uint32_t>(TowardWhite ? 255 : 255 - y);
        const auto zero = static_cast<std::uint32_t>(TowardWhite ? y : 0);
        HueCombineRow(first + y * stride, w.data(), full * 0x010101u, zero * 0x010101u);
    }
}

// The two hue planes take no arguments, so each is rendered once, on first
// use, and later calls copy it: 256 KiB each, held from then on.
template <bool TowardWhite> void CopyHuePlane(const PixelView& target)
{
    static const std::vector<std::uint32_t> plane = [] {
        ClearUpperVectorState();
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kSize) * kSize);
        RenderHuePlaneRows<TowardWhite>(pixels.data(), kSize);
        return pixels;
    }();
    for (int y = 0; y < kSize; ++y)
        std::copy_n(plane.data() + static_cast<std::ptrdiff_t>(y) * kSize, kSize, target.row(y));
}

// Row i of the hue strip from the top, as 0xFFRRGGBB. The sector arithmetic
// (multiples of 42.5 truncated: ends 42, 85, 127, 170, 212, 255) only ever
// yields whole numbers, so it is done in integers.
std::uint32_t HueStripPixel(int i)
{
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
    return kOpaque | static_cast<std::uint32_t>(red << 16 | green << 8 | blue);
}

// The bitmap form: the image drawn into a window-shaped buffer, then laid
// out as the design's 24-bit buffer. `mirrorColumns` and `flipRows` undo the
// blit that puts the bitmap on the window; a row's padding triples repeat
// its last pixel (the hue strip's 16th triple).
template <typename Draw> Dib AsDib(int width, bool mirrorColumns, bool flipRows, Draw draw)
{
    std::vector<std::uint32_t> window(static_cast<std::size_t>(width) * kSize);
    draw(PixelView{window.data(), width, width, kSize});
    Dib dib(width, kSize);
    const int triples = dib.stride() / kBytesPerPixel;
    for (int y = 0; y < kSize; ++y) {
        const std::uint32_t* in =
            window.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        std::uint8_t* out = dib.storedRow(flipRows ? kSize - 1 - y : y);
        for (int p = 0; p < triples; ++p) {
            const int column = std::min(p, width - 1);
            const std::uint32_t px = in[mirrorColumns ? width - 1 - column : column];
            out[kBytesPerPixel * p + kBlue] = static_cast<std::uint8_t>(px);
            out[kBytesPerPixel * p + kGreen] = static_cast<std::uint8_t>(px >> 8);
            out[kBytesPerPixel * p + kRed] = static_cast<std::uint8_t>(px >> 16);
        }
    }
    return dib;
}

} // namespace

bool RenderHueStrip(const PixelView& target)
{
    if (!target.covers(kStripWidth, kSize))
        return false;
    for (int i = 0; i < kSize; ++i)
        std::fill_n(target.row(i), kStripWidth, HueStripPixel(i));
    return true;
}

bool RenderSatBriPlane(int red, int green, int blue, const PixelView& target)
{
    if (!target.covers(kSize, kSize))
        return false;
    ClearUpperVectorState();
    const std::array<int, 3> channel{blue, green, red};
    std::array<double, 3> q{};
    for (std::size_t ch = 0; ch < 3; ++ch)
        q[ch] = static_cast<double>(channel[ch]) / 255.0;
    alignas(16) std::array<ByteRow, 3> scratch{};
    for (int y = 0; y < kSize; ++y) {
        const double t = static_cast<double>(kSize - 1 - y);
        const double yd = static_cast<double>(y);
        std::array<const std::uint8_t*, 3> rows{};
        for (std::size_t ch = 0; ch < 3; ++ch) {
            if (channel[ch] == 255) {
                // q = 1, lo = 255 - y, step = (t - lo) / 255 = 0: every
                // pixel of the row is 255 - y.
                scratch[ch].fill(static_cast<std::uint8_t>(255 - y));
                rows[ch] = scratch[ch].data();
            } else if (channel[ch] == 0) {
                rows[ch] = BlackChannelRows()[static_cast<std::size_t>(y)].data();
            } else {
                const double lo = static_cast<double>(channel[ch]) - yd * q[ch];
                SatBriChannelRow(scratch[ch].data(), (t - lo) / 255.0, lo);
                rows[ch] = scratch[ch].data();
            }
        }
        InterleaveRow(target.row(y), rows[0], rows[1], rows[2]);
    }
    return true;
}

bool RenderHueSatPlane(const PixelView& target)
{
    if (!target.covers(kSize, kSize))
        return false;
    CopyHuePlane<true>(target);
    return true;
}

bool RenderHueBriPlane(const PixelView& target)
{
    if (!target.covers(kSize, kSize))
        return false;
    CopyHuePlane<false>(target);
    return true;
}

Dib RenderHueStrip()
{
    return AsDib(kStripWidth, false, false, [](const PixelView& v) { RenderHueStrip(v); });
}

Dib RenderSatBriPlane(int red, int green, int blue)
{
    return AsDib(kSize, false, true, [&](const PixelView& v) { RenderSatBriPlane(red, green, blue, v); });
}

Dib RenderHueSatPlane()
{
    return AsDib(kSize, true, true, [](const PixelView& v) { RenderHueSatPlane(v); });
}

Dib RenderHueBriPlane()
{
    return AsDib(kSize, true, true, [](const PixelView& v) { RenderHueBriPlane(v); });
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
            MakeColorRef(RoundToByte(r - (id * r) / 255.0), RoundToByte(g - (id * g) / 255.0),
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
            MakeColorRef(RoundToByte(r * p + id), RoundToByte(g * p + id), RoundToByte(b * p + id));
    }
    return colors;
}

} // namespace tintora
