// SPDX-License-Identifier: MIT
// Start-up on an X server, as users start the program: Tintora beside three
// plain Qt programs that show a window of the same size (an empty widget, a
// widget painting the main window's texts, and the main window's controls as
// plain Qt widgets). Every program quits as soon as its first frame has been
// handed to the X server.
//
// For each program, in one run:
//   - instructions to the first frame, counted by valgrind's callgrind (one
//     run each; instruction counts do not swing with the machine's load);
//   - peak resident memory (the largest of the timed runs);
//   - wall time per start (the benchmark's own figure; noisy on a shared
//     machine).
// The counters "x_controls_instr" and "x_controls_rss" divide by the
// controls window's figures. "help_first_frame" runs the program's windows
// (bench_help_start) to the help window's first frame, which a first start
// shows after the main window's; its "beyond_main_instr_M" subtracts the
// same run stopped at the main window's first frame ("main_first_frame"). Needs DISPLAY (for example under
// `xvfb-run -a -s "-screen 0 1280x1024x24"`); without valgrind the
// instruction counters are left out.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string label;
    std::vector<std::string> argv;
};

struct Run {
    double seconds = 0;
    long maxRssKb = 0;
    bool ok = false;
};

struct Figures {
    double instructions = 0; // 0: not counted
    long peakRssKb = 0;
};

std::map<std::string, Figures> g_figures;

Run Launch(const std::vector<std::string>& argv)
{
    Run r;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return r;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    r.maxRssKb = usage.ru_maxrss;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return r;
}

// Instructions of the program's own process up to its first frame, from
// callgrind's totals. 0 when valgrind is missing or the run failed.
double CountInstructions(const std::vector<std::string>& argv, const std::string& dir)
{
    if (system("command -v valgrind >/dev/null 2>&1") != 0)
        return 0;
    const std::string out = dir + "/callgrind.out";
    std::vector<std::string> cmd{"valgrind", "--tool=callgrind", "--quiet", "--callgrind-out-file=" + out};
    cmd.insert(cmd.end(), argv.begin(), argv.end());
    if (!Launch(cmd).ok)
        return 0;
    std::ifstream in(out);
    std::string line;
    double total = 0;
    while (std::getline(in, line)) {
        if (line.rfind("totals:", 0) == 0 || line.rfind("summary:", 0) == 0) {
            std::istringstream(line.substr(line.find(':') + 1)) >> total;
            break;
        }
    }
    std::remove(out.c_str());
    return total;
}

void Measure(benchmark::State& state, const Program& program)
{
    Figures& f = g_figures[program.label];
    for (auto _ : state) {
        const Run r = Launch(program.argv);
        if (!r.ok) {
            state.SkipWithError("the program did not start and quit cleanly");
            return;
        }
        state.SetIterationTime(r.seconds);
        f.peakRssKb = std::max(f.peakRssKb, r.maxRssKb);
    }
    const Figures& controls = g_figures["controls"];
    state.counters["peak_rss_MiB"] = static_cast<double>(f.peakRssKb) / 1024.0;
    if (controls.peakRssKb > 0)
        state.counters["x_controls_rss"] =
            static_cast<double>(f.peakRssKb) / static_cast<double>(controls.peakRssKb);
    if (f.instructions > 0) {
        state.counters["instr_M"] = f.instructions / 1e6;
        if (controls.instructions > 0)
            state.counters["x_controls_instr"] = f.instructions / controls.instructions;
        const Figures& main = g_figures["main_first_frame"];
        if (program.label == "help_first_frame" && main.instructions > 0)
            state.counters["beyond_main_instr_M"] = (f.instructions - main.instructions) / 1e6;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr,
                     "bench_startup measures on an X server: set DISPLAY, or run it under\n"
                     "  xvfb-run -a -s \"-screen 0 1280x1024x24\" %s\n",
                     argv[0]);
        return 2;
    }
    // A private home, so that the settings of whoever runs the benchmark play
    // no part; every start is a first start with no settings.
    char home[] = "/tmp/tintora-bench-XXXXXX";
    if (!mkdtemp(home)) {
        std::perror("mkdtemp");
        return 2;
    }
    setenv("HOME", home, 1);
    setenv("XDG_CONFIG_HOME", (std::string(home) + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (std::string(home) + "/data").c_str(), 1);
    const std::string runtime = std::string(home) + "/run";
    mkdir(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");

    // The controls window comes first: the others are compared with it.
    const std::vector<Program> programs{
        {"controls", {BARE_WINDOW_PROGRAM, "--controls"}},
        {"empty", {BARE_WINDOW_PROGRAM}},
        {"texts", {BARE_WINDOW_PROGRAM, "--texts"}},
        {"tintora_no_splash", {TINTORA_PROGRAM, "--no-splash", "--exit-after-first-paint"}},
        {"tintora_with_splash", {TINTORA_PROGRAM, "--exit-after-first-paint"}},
        {"main_first_frame", {HELP_START_PROGRAM, "--until", "main"}},
        {"help_first_frame", {HELP_START_PROGRAM, "--until", "help"}},
    };
    benchmark::Initialize(&argc, argv);
    for (const Program& p : programs) {
        g_figures[p.label].instructions = CountInstructions(p.argv, home);
        benchmark::RegisterBenchmark(("BM_Startup/" + p.label).c_str(),
                                     [p](benchmark::State& s) { Measure(s, p); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
