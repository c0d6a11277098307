// SPDX-License-Identifier: MIT
// Time to read and lay out RTF of the accepted size, as the help view does:
// the shipped help file and the hostile inputs of the memory test. Run under
// Xvfb as users do (the layout uses the platform's fonts), and with
// valgrind --tool=callgrind where the wall time swings.

#include "../tests/shell/rtf/hostile_rtf.h"
#include "shell/rtf/rtf_reader.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

void ReadAndLayOut(benchmark::State& state, const QByteArray& data)
{
    for (auto _ : state) {
        QTextDocument doc;
        const tintora::RtfResult result = tintora::ReadRtf(data, doc);
        doc.setTextWidth(tintora::RtfPictureWidth);
        benchmark::DoNotOptimize(doc.size());
        if (!result.ok)
            state.SkipWithError("refused");
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QFile help(QStringLiteral(TINTORA_HELP_RTF));
    help.open(QIODevice::ReadOnly);
    const QByteArray helpData = help.readAll();
    benchmark::RegisterBenchmark("help file",
                                 [helpData](benchmark::State& s) { ReadAndLayOut(s, helpData); });
    for (const tintora::testing::HostileRtf& input : tintora::testing::HostileInputs()) {
        // Each input is made when its benchmark runs, so that only one
        // input of the size limit is in memory at a time.
        benchmark::RegisterBenchmark(input.name.c_str(),
                                     [input](benchmark::State& s) {
                                         const QByteArray data = input.make(tintora::RtfMaxBytes);
                                         ReadAndLayOut(s, data);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
