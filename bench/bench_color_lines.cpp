// SPDX-License-Identifier: MIT
//
// What `tintora --color -` spends: 100,000 lines of mixed notations through
// the line converter (the whole of the command's work but for the reads and
// writes), in the default format and in the costly ones; and the parse and
// the format of one colour apiece, per notation and per format.
//
// The process run as shipped (start-up included) is measured by the
// BM_Program benchmarks with the program at TINTORA_PROGRAM.

#include "core/color_formats.h"
#include "core/color_lines.h"
#include "core/color_notation.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// One line of each notation, cycled, with the colour varied per line.
std::string MixedLines(int count)
{
    std::string text;
    char line[96];
    for (int i = 0; i < count; ++i) {
        const int r = (i * 37) % 256;
        const int g = (i * 101) % 256;
        const int b = (i * 7) % 256;
        switch (i % 10) {
        case 0:
            std::snprintf(line, sizeof line, "#%02x%02x%02x\n", r, g, b);
            break;
        case 1:
            std::snprintf(line, sizeof line, "rgb(%d %d %d / 50%%)\n", r, g, b);
            break;
        case 2:
            std::snprintf(line, sizeof line, "hsl(%d, %d%%, %d%%)\n", i % 360, g * 100 / 255, b * 100 / 255);
            break;
        case 3:
            std::snprintf(line, sizeof line, "oklch(%.1f%% %.3f %.1f)\n", r / 2.55, g / 1275.0,
                          i % 360 * 1.0);
            break;
        case 4:
            std::snprintf(line, sizeof line, "lab(%.1f %.1f %.1f)\n", r / 2.55, g / 2.0 - 64, b / 2.0 - 64);
            break;
        case 5:
            std::snprintf(line, sizeof line, "color(display-p3 %.3f %.3f %.3f)\n", r / 255.0, g / 255.0,
                          b / 255.0);
            break;
        case 6:
            std::snprintf(line, sizeof line, "  --c%d: #%02X%02X%02X;\n", i, r, g, b);
            break;
        case 7:
            std::snprintf(line, sizeof line, "0xFF%02X%02X%02X\n", r, g, b);
            break;
        case 8:
            std::snprintf(line, sizeof line, "hwb(%d %d%% %d%%)\n", i % 360, g * 40 / 255, b * 40 / 255);
            break;
        default:
            std::snprintf(line, sizeof line, "QColor(%d, %d, %d)\n", r, g, b);
            break;
        }
        text += line;
    }
    return text;
}

void ConvertLines(benchmark::State& state, const char* format)
{
    const std::string input = MixedLines(100000);
    for (auto _ : state) {
        tintora::ColorLineConverter converter(format, "bench: ");
        std::string out;
        std::string errors;
        converter.Feed(input, out, errors);
        converter.Finish(out, errors);
        benchmark::DoNotOptimize(out.data());
        if (!errors.empty())
            state.SkipWithError(errors.substr(0, 200).c_str());
    }
    // Seconds per line.
    state.counters["per_line"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 100000,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Parse(benchmark::State& state, std::string text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tintora::ParseColorNotation(text));
}

void Format(benchmark::State& state, std::string id)
{
    int v = 0;
    for (auto _ : state) {
        v = (v + 0x10307) & 0xFFFFFF; // a different colour each time
        benchmark::DoNotOptimize(tintora::FormatColor(tintora::Rgb{v >> 16, (v >> 8) & 0xFF, v & 0xFF}, id));
    }
}

void Program(benchmark::State& state, std::string args)
{
    const std::string command = std::string(TINTORA_PROGRAM) + " " + args + " >/dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError(command.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    for (const char* format : {"html", "oklch", "lab", "css-hsl", "display-p3"}) {
        benchmark::RegisterBenchmark((std::string("100000 lines to ") + format).c_str(),
                                     [format](benchmark::State& s) { ConvertLines(s, format); })
            ->Unit(benchmark::kMillisecond);
    }
    for (const char* text :
         {"#336699", "rebeccapurple", "rgb(51 102 153 / 50%)", "hsl(210, 50%, 40%)", "hwb(210 20% 40%)",
          "lab(42.4 -2.4 -34.7)", "oklch(52.3% 0.1 250)", "oklch(70% 0.4 150)", "color(display-p3 0 1 0)",
          "color: oklch(70% 0.15 250);", "Color.FromArgb(128, 51, 102, 153)", "&H996633&"}) {
        benchmark::RegisterBenchmark((std::string("parse ") + text).c_str(),
                                     [text](benchmark::State& s) { Parse(s, text); });
    }
    for (const tintora::ColorFormat& f : tintora::ColorFormats()) {
        const std::string id(f.id);
        benchmark::RegisterBenchmark(("format " + id).c_str(), [id](benchmark::State& s) { Format(s, id); });
    }
    const std::string lines = "/tmp/tintora_bench_lines_" + std::to_string(getpid()) + ".txt";
    if (std::FILE* f = std::fopen(lines.c_str(), "w")) {
        const std::string text = MixedLines(100000);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    benchmark::RegisterBenchmark("program --color - <100000 lines", [lines](benchmark::State& s) {
        Program(s, "--color - <" + lines);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("program --color - --format oklch <100000 lines", [lines](
                                                                                       benchmark::State& s) {
        Program(s, "--color - --format oklch <" + lines);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("program --color '#336699'", [](benchmark::State& s) {
        Program(s, "--color '#336699'");
    })->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(lines.c_str());
    return 0;
}
