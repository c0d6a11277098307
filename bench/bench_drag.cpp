// SPDX-License-Identifier: MIT
// A drag is the program's hot path: every move takes a colour from the
// picture, regenerates the output codes and, in saturation and brightness
// modes, redraws the slider strip. This measures one move through the real
// main window (events in, repaint out) in each mode, beside the same moves
// sent to the colour plane of Qt's own colour dialog, and reports how many
// pixels of the main window each move repaints and how many paint events
// (of all widgets) it costs. Each move is one call of DragMove, so callgrind
// counts the moves alone: bench/drag_callgrind.sh prints the instructions
// per move of every case side by side.
#include "mainwin/main_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QColorDialog>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

// Sums the area that paint events ask the watched widget to repaint.
class PaintCounter : public QObject
{
public:
    long long pixels = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
                pixels += static_cast<long long>(r.width()) * r.height();
        return false;
    }
};

// Counts the paint events of every widget of the application.
class PaintEventCounter : public QObject
{
public:
    PaintEventCounter() { qApp->installEventFilter(this); }
    ~PaintEventCounter() override { qApp->removeEventFilter(this); }
    long long events = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++events;
        return false;
    }
};

void Send(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPointF p)
{
    QMouseEvent e(type, p, w->mapToGlobal(p), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// One pointer move and the repaint it causes; not inlined, so that
// callgrind's --toggle-collect=DragMove counts exactly the moves.
[[gnu::noinline]] void DragMove(QWidget* w, QPointF p)
{
    Send(w, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, p);
    QApplication::processEvents();
}

// One sweep over the moves the benchmark makes: returns the paint events
// per move. Made once before measuring, so that glyph and font caches hold
// what the moves draw (the figures are those of a drag under way, not of
// the first moves of a session), and counted outside the measured moves.
double Sweep(QWidget* w, QPointF from, QPointF to)
{
    const PaintEventCounter paints;
    for (int i = 0; i < 64; ++i) {
        Send(w, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, from + (to - from) * (i / 63.0));
        QApplication::processEvents();
    }
    return static_cast<double>(paints.events) / 64;
}

struct Window {
    QTemporaryDir dir;
    std::unique_ptr<tintora::MainWindow> form;
    PaintCounter counter;

    explicit Window(const char* mode)
    {
        form = std::make_unique<tintora::MainWindow>(dir.path(), dir.path() + QStringLiteral("/user"));
        form->Load();
        form->findChild<QRadioButton*>(QString::fromLatin1(mode))->setChecked(true);
        QApplication::processEvents();
        // The marker half-way down the strip: at its start-up place (white's
        // saturation 0 in saturation mode) every point of the plane would
        // give the same colour, and a move would rewrite no code.
        const QPointF strip(282, 137);
        Send(form.get(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, strip);
        Send(form.get(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, strip);
        QApplication::processEvents();
        form->installEventFilter(&counter);
    }
};

// Moves back and forth over the given span, one move per iteration.
void Drag(benchmark::State& state, const char* mode, QPointF from, QPointF to)
{
    Window w(mode);
    Send(w.form.get(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    QApplication::processEvents();
    state.counters["paint_events_per_move"] = Sweep(w.form.get(), from, to);
    w.counter.pixels = 0;
    int i = 0;
    for (auto _ : state) {
        const double t = (i++ % 64) / 63.0;
        DragMove(w.form.get(), from + (to - from) * t);
    }
    Send(w.form.get(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
    state.counters["window_px_repainted_per_move"] =
        benchmark::Counter(static_cast<double>(w.counter.pixels), benchmark::Counter::kAvgIterations);
}

void BM_Drag_Tintora_HuePlane(benchmark::State& s)
{
    Drag(s, "optH", {20, 20}, {250, 250});
}
void BM_Drag_Tintora_SaturationPlane(benchmark::State& s)
{
    Drag(s, "optS", {20, 20}, {250, 250});
}
void BM_Drag_Tintora_BrightnessPlane(benchmark::State& s)
{
    Drag(s, "optB", {20, 20}, {250, 250});
}
void BM_Drag_Tintora_HueSlider(benchmark::State& s)
{
    Drag(s, "optH", {282, 12}, {282, 262});
}

void BM_Drag_QColorDialog_Plane(benchmark::State& state)
{
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.show();
    QApplication::processEvents();
    QWidget* plane = nullptr;
    for (QWidget* w : dialog.findChildren<QWidget*>())
        if (QByteArray(w->metaObject()->className()).endsWith("QColorPicker"))
            plane = w;
    if (!plane) {
        state.SkipWithError("the colour dialog's plane was not found");
        return;
    }
    const QPointF from(5, 5);
    const QPointF to(plane->width() - 5, plane->height() - 5);
    Send(plane, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    QApplication::processEvents();
    state.counters["paint_events_per_move"] = Sweep(plane, from, to);
    int i = 0;
    for (auto _ : state) {
        const double t = (i++ % 64) / 63.0;
        DragMove(plane, from + (to - from) * t);
    }
    Send(plane, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
}

} // namespace

BENCHMARK(BM_Drag_Tintora_HuePlane)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Drag_Tintora_SaturationPlane)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Drag_Tintora_BrightnessPlane)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Drag_Tintora_HueSlider)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Drag_QColorDialog_Plane)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
