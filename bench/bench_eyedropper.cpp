// SPDX-License-Identifier: MIT
// The eyedropper must keep up with the screen: opening it (reading every
// screen, covering it and painting the first frame) and moving the
// magnifier by one pixel should each fit in one frame at 60 Hz (16.7 ms).
// Run it on an X server of the size it is meant for, as users run it:
//   Xvfb :77 -screen 0 1920x1080x24 & BENCH_XSERVER_PID=$! DISPLAY=:77 build/bin/bench_eyedropper
// Each measured step ends with a one-pixel read of the screen, a round trip
// that returns only once the X server has drawn everything sent before it.
// On a shared, loaded machine wall time mostly measures waiting for a core;
// with BENCH_XSERVER_PID set, each benchmark also reports the X server's CPU
// time per iteration (`server_cpu_ms`), which with the program's own CPU
// time gives the work one step costs wherever it runs.
#include "eyedropper/eyedropper.h"
#include "eyedropper/eyedropper_overlay.h"
#include "eyedropper/x11_shm_grab.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QScreen>

#include <memory>

#include <unistd.h>

namespace {

// Counts paint events and the area they repaint.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    long long pixels = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
                pixels += static_cast<long long>(r.width()) * r.height();
        }
        return false;
    }
};

// CPU time (user + system) of the X server named by BENCH_XSERVER_PID, in
// milliseconds; -1 when unknown.
double ServerCpuMs()
{
    const QByteArray pid = qgetenv("BENCH_XSERVER_PID");
    if (pid.isEmpty())
        return -1;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which ends with the last ')'.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const double ticks = fields[11].toDouble() + fields[12].toDouble();
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Adds the X server's CPU time per iteration to the report.
class ServerCpu
{
public:
    explicit ServerCpu(benchmark::State& state) : state_(state), start_(ServerCpuMs()) {}
    ~ServerCpu()
    {
        const double end = ServerCpuMs();
        if (start_ >= 0 && end >= 0)
            state_.counters["server_cpu_ms"] =
                benchmark::Counter(end - start_, benchmark::Counter::kAvgIterations);
    }

private:
    benchmark::State& state_;
    double start_;
};

void SyncWithServer()
{
    QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1, 1);
}

void ReportScreen(benchmark::State& state)
{
    const QScreen* s = QGuiApplication::primaryScreen();
    state.counters["screen_w"] = s->geometry().width() * s->devicePixelRatio();
    state.counters["screen_h"] = s->geometry().height() * s->devicePixelRatio();
}

// Waits until the overlay has painted at least `paints` times.
bool WaitForPaint(const PaintCounter& counter, int paints)
{
    for (int i = 0; i < 100000 && counter.paints < paints; ++i)
        QApplication::processEvents();
    return counter.paints >= paints;
}

void Close(tintora::Eyedropper& dropper)
{
    for (tintora::EyedropperOverlay* o : dropper.overlays()) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(o, &escape);
        break;
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// The two ways of reading a screen: over the X connection, and through
// shared memory (what the eyedropper uses where it can).
void BM_GrabScreen_QScreen(benchmark::State& state)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ServerCpu server(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(screen->grabWindow(0).toImage());
    ReportScreen(state);
}

void BM_GrabScreen_SharedMemory(benchmark::State& state)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (tintora::GrabScreenThroughSharedMemory(screen).isNull()) {
        state.SkipWithError("no shared memory grab on this platform");
        return;
    }
    ServerCpu server(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(tintora::GrabScreenThroughSharedMemory(screen));
    ReportScreen(state);
}

// Opens one eyedropper and waits until its first frame is on the screen.
bool OpenAndShow(tintora::Eyedropper& dropper, benchmark::State& state)
{
    PaintCounter counter;
    dropper.start();
    const QList<tintora::EyedropperOverlay*> overlays = dropper.overlays();
    if (overlays.isEmpty()) {
        state.SkipWithError("the eyedropper did not open");
        return false;
    }
    overlays.first()->installEventFilter(&counter);
    if (!WaitForPaint(counter, 1)) {
        state.SkipWithError("the overlay never painted");
        return false;
    }
    SyncWithServer();
    overlays.first()->removeEventFilter(&counter);
    return true;
}

// start() until the overlay's first frame is on the screen, as from the
// main window: the overlays of the last pick are shown again.
void BM_OpenEyedropper(benchmark::State& state)
{
    tintora::Eyedropper dropper;
    // Once before measuring: the first paint of any text loads the font
    // database, which the main window has always done before.
    if (OpenAndShow(dropper, state))
        Close(dropper);
    ServerCpu server(state);
    for (auto _ : state) {
        if (!OpenAndShow(dropper, state))
            return;
        state.PauseTiming();
        Close(dropper);
        state.ResumeTiming();
    }
    ReportScreen(state);
}

// The same with a new Eyedropper each time, as `tintora --pick` opens:
// new windows and window buffers.
void BM_OpenEyedropperFirstTime(benchmark::State& state)
{
    {
        tintora::Eyedropper warm;
        if (OpenAndShow(warm, state))
            Close(warm);
    }
    ServerCpu server(state);
    for (auto _ : state) {
        auto dropper = std::make_unique<tintora::Eyedropper>();
        if (!OpenAndShow(*dropper, state))
            return;
        state.PauseTiming();
        Close(*dropper);
        dropper.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    ReportScreen(state);
}

// One arrow key until the moved magnifier is on the screen.
void BM_MoveMagnifierOnePixel(benchmark::State& state)
{
    tintora::Eyedropper dropper;
    dropper.start();
    const QList<tintora::EyedropperOverlay*> overlays = dropper.overlays();
    if (overlays.isEmpty()) {
        state.SkipWithError("the eyedropper did not open");
        return;
    }
    tintora::EyedropperOverlay* overlay = overlays.first();
    PaintCounter counter;
    overlay->installEventFilter(&counter);
    WaitForPaint(counter, 1);
    SyncWithServer();
    overlay->setCurrentPixel(overlay->currentPixel());
    counter.paints = 0;
    counter.pixels = 0;
    int i = 0;
    ServerCpu server(state);
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, (i++ % 2) ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(overlay, &key);
        if (!WaitForPaint(counter, i)) {
            state.SkipWithError("the overlay never repainted");
            break;
        }
        SyncWithServer();
    }
    state.counters["px_repainted_per_move"] =
        benchmark::Counter(static_cast<double>(counter.pixels), benchmark::Counter::kAvgIterations);
    ReportScreen(state);
    Close(dropper);
}

} // namespace

BENCHMARK(BM_GrabScreen_QScreen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GrabScreen_SharedMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenEyedropper)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenEyedropperFirstTime)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MoveMagnifierOnePixel)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    // Offscreen where there is no display, so that it still runs in CI;
    // the figures that count are those on an X server.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
