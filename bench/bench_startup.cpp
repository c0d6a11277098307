// Start-up: the time from starting the process to the main window's first
// paint, and the peak resident memory, for Tintora beside a bare Qt program
// that shows an empty 480 x 519 window. Each child process quits right
// after its first paint, so the process's lifetime is what is measured.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string g_tintora;
std::string g_bare;
std::string g_home;

struct Run {
    double seconds = 0;
    long maxRssKb = 0;
    bool ok = false;
};

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
        execv(args[0], args.data());
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

void Measure(benchmark::State& state, const std::vector<std::string>& argv)
{
    long rss = 0;
    for (auto _ : state) {
        const Run r = Launch(argv);
        if (!r.ok) {
            state.SkipWithError("the program did not start and quit cleanly");
            return;
        }
        state.SetIterationTime(r.seconds);
        rss = std::max(rss, r.maxRssKb);
    }
    state.counters["peak_rss_MiB"] = static_cast<double>(rss) / 1024.0;
}

void BM_Startup_BareQtWindow(benchmark::State& state)
{
    Measure(state, {g_bare});
}

void BM_Startup_Tintora_NoSplash(benchmark::State& state)
{
    Measure(state, {g_tintora, "--no-splash", "--exit-after-first-paint"});
}

void BM_Startup_Tintora_WithSplash(benchmark::State& state)
{
    Measure(state, {g_tintora, "--exit-after-first-paint"});
}

} // namespace

BENCHMARK(BM_Startup_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_Startup_Tintora_NoSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_Startup_Tintora_WithSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    g_tintora = TINTORA_PROGRAM;
    g_bare = BARE_WINDOW_PROGRAM;
    // Both programs start on the same platform, in a private home so that
    // the settings of whoever runs the benchmark play no part.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char home[] = "/tmp/tintora-bench-XXXXXX";
    if (mkdtemp(home)) {
        setenv("HOME", home, 1);
        setenv("XDG_CONFIG_HOME", (std::string(home) + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (std::string(home) + "/data").c_str(), 1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
