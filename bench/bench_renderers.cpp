// The picker renderers beside their straightforward references (one
// std::nearbyint per channel), in one run so the two can be compared
// directly, and the blits that put the buffers on the drawing surface.

#include "picker/render_reference.h"
#include "picker/renderers.h"
#include "surface/surface.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdlib>

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

BENCHMARK(BenchSatBri<RenderSatBriPlane>)->Name("SatBriPlane/fast");
BENCHMARK(BenchSatBri<reference::RenderSatBriPlane>)->Name("SatBriPlane/reference");
BENCHMARK(BenchImage<RenderHueSatPlane>)->Name("HueSatPlane/fast");
BENCHMARK(BenchImage<reference::RenderHueSatPlane>)->Name("HueSatPlane/reference");
BENCHMARK(BenchImage<RenderHueBriPlane>)->Name("HueBriPlane/fast");
BENCHMARK(BenchImage<reference::RenderHueBriPlane>)->Name("HueBriPlane/reference");
BENCHMARK(BenchImage<RenderHueStrip>)->Name("HueStrip/fast");
BENCHMARK(BenchImage<reference::RenderHueStrip>)->Name("HueStrip/reference");
BENCHMARK(BenchStrip<BrightnessStripColors>)->Name("BrightnessStrip/fast");
BENCHMARK(BenchStrip<reference::BrightnessStripColors>)->Name("BrightnessStrip/reference");
BENCHMARK(BenchStrip<SaturationStripColors>)->Name("SaturationStrip/fast");
BENCHMARK(BenchStrip<reference::SaturationStripColors>)->Name("SaturationStrip/reference");

// Blits as the picker makes them: the hue-mode plane unmirrored, the other
// planes mirrored horizontally, the hue strip mirrored vertically.
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

void BlitHueStripMirrored(benchmark::State& state)
{
    Surface surface;
    const Dib strip = RenderHueStrip();
    for (auto _ : state) {
        surface.StretchBlt(277, 265, 15, -256, strip, 0, 0, 15, 256);
        benchmark::ClobberMemory();
    }
}

// A whole plane update as the hue-mode slider release makes it.
void RenderAndBlitSatBriPlane(benchmark::State& state)
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

BENCHMARK(BlitSatBriPlane)->Name("Blit/SatBriPlane");
BENCHMARK(BlitHuePlaneMirrored)->Name("Blit/HuePlaneMirrored");
BENCHMARK(BlitHueStripMirrored)->Name("Blit/HueStripMirrored");
BENCHMARK(RenderAndBlitSatBriPlane)->Name("RenderAndBlit/SatBriPlane");

} // namespace

int main(int argc, char** argv)
{
    // The surface holds a QFont, which wants an application object; the
    // offscreen platform needs no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
