// SPDX-License-Identifier: MIT
// The picker renderers beside their straightforward references (one
// std::nearbyint per channel), in one run so the two can be compared
// directly; a whole plane update on the drawing surface beside a memcpy of
// the same 256 x 256 x 4 bytes; and the bitmap blits.

#include "picker/render_reference.h"
#include "picker/renderers.h"
#include "surface/surface.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using namespace tintora;

template <Dib (*Render)()> void BenchImage(benchmark::State& state)
{
    for (auto _ : state) {
        Dib dib = Render();
        benchmark::DoNotOptimize(dib.bits.data());
        benchmark::ClobberMemory();
    }
}

template <Dib (*Render)(int, int, int)> void BenchSatBri(benchmark::State& state)
{
    // Vary the colour so nothing can be carried over between iterations.
    int green = 0;
    for (auto _ : state) {
        Dib dib = Render(255, green, 0);
        green = (green + 1) & 0xFF;
        benchmark::DoNotOptimize(dib.bits.data());
        benchmark::ClobberMemory();
    }
}

// The shipped renderers draw 32-bit pixels straight into a view; here the
// view is a plain buffer, so only the rendering is measured.
struct Buffer32 {
    explicit Buffer32(int w) : pixels(static_cast<std::size_t>(w) * 256), view{pixels.data(), w, w, 256} {}
    std::vector<std::uint32_t> pixels;
    PixelView view;
};

template <bool (*Render)(const PixelView&), int Width = 256> void BenchImageInto(benchmark::State& state)
{
    Buffer32 buffer(Width);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Render(buffer.view));
        benchmark::ClobberMemory();
    }
}

void BenchSatBriInto(benchmark::State& state)
{
    Buffer32 buffer(256);
    int green = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderSatBriPlane(255, green, 0, buffer.view));
        green = (green + 1) & 0xFF;
        benchmark::ClobberMemory();
    }
}

template <std::array<ColorRef, 256> (*Colors)(int, int, int)> void BenchStrip(benchmark::State& state)
{
    int green = 0;
    for (auto _ : state) {
        auto colors = Colors(255, green, 0);
        green = (green + 1) & 0xFF;
        benchmark::DoNotOptimize(colors.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BenchSatBriInto)->Name("SatBriPlane/fast");
BENCHMARK(BenchSatBri<reference::RenderSatBriPlane>)->Name("SatBriPlane/reference");
BENCHMARK(BenchImageInto<RenderHueSatPlane>)->Name("HueSatPlane/fast");
BENCHMARK(BenchImage<reference::RenderHueSatPlane>)->Name("HueSatPlane/reference");
BENCHMARK(BenchImageInto<RenderHueBriPlane>)->Name("HueBriPlane/fast");
BENCHMARK(BenchImage<reference::RenderHueBriPlane>)->Name("HueBriPlane/reference");
BENCHMARK(BenchImageInto<RenderHueStrip, 15>)->Name("HueStrip/fast");
BENCHMARK(BenchImage<reference::RenderHueStrip>)->Name("HueStrip/reference");
BENCHMARK(BenchStrip<BrightnessStripColors>)->Name("BrightnessStrip/fast");
BENCHMARK(BenchStrip<reference::BrightnessStripColors>)->Name("BrightnessStrip/reference");
BENCHMARK(BenchStrip<SaturationStripColors>)->Name("SaturationStrip/fast");
BENCHMARK(BenchStrip<reference::SaturationStripColors>)->Name("SaturationStrip/reference");

// A plane update as the picker makes it, straight into the surface, beside a
// memcpy of the same 256 x 256 x 4 bytes from one buffer to another.
void CopyPlaneBytes(benchmark::State& state)
{
    const std::vector<std::uint32_t> from(256 * 256, 0xFF336699u);
    std::vector<std::uint32_t> to(256 * 256);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 256 * 256 * 4);
}

void UpdateSatBriPlane(benchmark::State& state)
{
    Surface surface;
    int green = 0;
    for (auto _ : state) {
        RenderSatBriPlane(255, green, 0, surface.Pixels(10, 10, 256, 256));
        green = (green + 1) & 0xFF;
        benchmark::ClobberMemory();
    }
}

// A colour with no channel of 0 or 255 (not a pure hue, so never what the
// hue strip gives, but accepted): all three channels are computed.
void UpdateSatBriPlaneAnyColour(benchmark::State& state)
{
    Surface surface;
    int green = 1;
    for (auto _ : state) {
        RenderSatBriPlane(200, green, 37, surface.Pixels(10, 10, 256, 256));
        green = green % 253 + 1;
        benchmark::ClobberMemory();
    }
}

template <bool (*Render)(const PixelView&)> void UpdateHuePlane(benchmark::State& state)
{
    Surface surface;
    for (auto _ : state) {
        Render(surface.Pixels(10, 10, 256, 256));
        benchmark::ClobberMemory();
    }
}

// The bitmap path: render the 24-bit buffer, then blit it (the hue-mode
// plane unmirrored, the other planes mirrored horizontally).
void UpdateSatBriPlaneByBlit(benchmark::State& state)
{
    Surface surface;
    int green = 0;
    for (auto _ : state) {
        const Dib plane = RenderSatBriPlane(255, green, 0);
        green = (green + 1) & 0xFF;
        surface.BitBlt(10, 10, 256, 256, plane, 0, 0);
        benchmark::ClobberMemory();
    }
}

void BlitSatBriPlane(benchmark::State& state)
{
    Surface surface;
    const Dib plane = RenderSatBriPlane(255, 0, 0);
    for (auto _ : state) {
        surface.BitBlt(10, 10, 256, 256, plane, 0, 0);
        benchmark::ClobberMemory();
    }
}

void BlitHuePlaneMirrored(benchmark::State& state)
{
    Surface surface;
    const Dib plane = RenderHueSatPlane();
    for (auto _ : state) {
        surface.StretchBlt(265, 10, -256, 256, plane, 0, 0, 256, 256);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(CopyPlaneBytes)->Name("Update/memcpy256x256x4");
BENCHMARK(UpdateSatBriPlane)->Name("Update/SatBriPlane");
BENCHMARK(UpdateSatBriPlaneAnyColour)->Name("Update/SatBriPlane/anyColour");
BENCHMARK(UpdateHuePlane<RenderHueSatPlane>)->Name("Update/HueSatPlane");
BENCHMARK(UpdateHuePlane<RenderHueBriPlane>)->Name("Update/HueBriPlane");
BENCHMARK(UpdateSatBriPlaneByBlit)->Name("Update/SatBriPlane/bitmap+blit");
BENCHMARK(BlitSatBriPlane)->Name("Blit/SatBriPlane");
BENCHMARK(BlitHuePlaneMirrored)->Name("Blit/HuePlaneMirrored");

} // namespace

int main(int argc, char** argv)
{
    // The surface holds a QFont, which wants an application object; the
    // offscreen platform needs no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
