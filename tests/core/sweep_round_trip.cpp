// SPDX-License-Identifier: MIT
//
// Every output format of every one of the 16,777,216 sRGB colours, read back
// by the notation parser, gives the same colour.
//
//   sweep_round_trip [STRIDE]
//
// The formats that print plain channels (hex, rgb(), QColor, ...) are swept
// whole. The formats that convert to another space and search for the
// fewest digits (hsl, hwb, lab, lch, oklab, oklch, display-p3) cost a few
// microseconds each; they are checked for every STRIDE-th colour, each run
// of STRIDE starting at a different place so that all channel values and
// their neighbours come up (default 4, which keeps the CTest run, label
// "slow", under a minute on two idle cores; 1 checks them all, about two
// minutes). Runs on every core. Exit status 0 when every text read back, 1 otherwise, with the
// first failures listed.

#include "core/color_formats.h"
#include "core/color_notation.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using tintora::ColorFormat;
using tintora::Rgb;

bool Costly(const ColorFormat& f)
{
    for (const char* id : {"css-hsl", "hsl-modern", "hwb", "lab", "lch", "oklab", "oklch", "display-p3"})
        if (f.id == id)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    const long stride = argc > 1 ? std::max(1L, std::atol(argv[1])) : 4;
    std::vector<ColorFormat> cheap;
    std::vector<ColorFormat> costly;
    for (const ColorFormat& f : tintora::ColorFormats())
        if (f.parsesBack)
            (Costly(f) ? costly : cheap).push_back(f);
    constexpr int colours = 1 << 24;
    std::atomic<long> checked{0};
    std::atomic<int> failures{0};
    std::mutex printing;
    const auto start = std::chrono::steady_clock::now();
    auto work = [&](int first, int last) {
        long n = 0;
        for (int v = first; v < last; ++v) {
            const Rgb c{v >> 16, (v >> 8) & 0xFF, v & 0xFF};
            // A different residue for each block of `stride`, so the sample
            // is spread over all channel values.
            const bool sampled = stride == 1 || (v % stride) == ((v / stride) * 5 + 3) % stride;
            for (const std::vector<ColorFormat>* list : {&cheap, &costly}) {
                if (list == &costly && !sampled)
                    continue;
                for (const ColorFormat& f : *list) {
                    const std::optional<std::string> text = tintora::FormatColor(c, f.id);
                    if (!text)
                        continue; // hex3 of a colour without a short form
                    ++n;
                    const tintora::NotationParse back = tintora::ParseColorNotation(*text);
                    if (!back.color || !(*back.color == c) || back.gamutMapped) {
                        if (++failures <= 20) {
                            const std::lock_guard<std::mutex> lock(printing);
                            std::printf("FAIL %s: #%06X as '%s' read back as %s\n", std::string(f.id).c_str(),
                                        v, text->c_str(),
                                        back.color ? (std::to_string(back.color->red) + "," +
                                                      std::to_string(back.color->green) + "," +
                                                      std::to_string(back.color->blue) +
                                                      (back.gamutMapped ? " (mapped)" : ""))
                                                         .c_str()
                                                   : back.error.c_str());
                        }
                    }
                }
            }
        }
        checked += n;
    };
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back(work, colours / threads * t,
                          t == threads - 1 ? colours : colours / threads * (t + 1));
    }
    for (std::thread& t : pool)
        t.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "%ld texts of %zu formats read back (%zu of them for 1 colour in %ld), %d failures, %.1f s on %d "
        "threads\n",
        checked.load(), cheap.size() + costly.size(), costly.size(), stride, failures.load(), seconds,
        threads);
    return failures == 0 ? 0 : 1;
}
