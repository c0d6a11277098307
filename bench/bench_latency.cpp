// SPDX-License-Identifier: MIT
// Move-to-pixel latency of drags on an X server: the program as users run it
// beside Qt's own colour dialog (bench_color_dialog), both up at once on the
// same server. The pointer moves through XTest; for every move the time from
// sending it to the first change drawn into that program's window (the
// server's first Damage event on the window) is taken, and the processor
// time the program spends on it.
//
// Modes: the program's plane in hue mode and in saturation mode, and its
// strip in hue mode; the dialog's plane and its luminance strip as their
// counterparts. One pointer cannot hold two drags at once, so the programs
// take turns drag by drag: a drag (press, some moves, release) in one, then
// one in the other, the first program alternating, so that both see the same
// machine conditions. Presses and releases are not measured.
//
// For each mode it prints the median latency of each program, their ratio,
// and processor time per move of each: "move" from the summed run times of
// the process's threads (/proc/PID/task/*/schedstat, in nanoseconds) from the
// move until the window has been quiet for a moment; "drag" from
// /proc/PID/stat (utime + stime, clock ticks) over whole drags, presses,
// releases and timers included, divided by the moves.
//
//   bench_latency [--drags N] [--moves K] -- <program> <arguments...>
//
// Run it through bench/latency.sh, which starts an X server, a private
// session bus and a home folder of its own.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// How long a window must stay without drawing before it counts as done with
// a move, and the longest wait for a first change.
constexpr auto kQuiet = std::chrono::milliseconds(30);
constexpr auto kNoChange = std::chrono::milliseconds(1000);

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

struct Target {
    const char* name = "";
    pid_t pid = 0;
    Window window = 0;
    Damage damage = 0;
    int rootX = 0, rootY = 0; // the window's top left on the screen
};

Display* g_dpy = nullptr;
int g_damageEvent = 0;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Run time of all the process's threads, in nanoseconds.
long long ThreadsRunNs(pid_t pid)
{
    long long total = 0;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    DIR* d = opendir(dir.c_str());
    if (!d)
        return 0;
    while (dirent* e = readdir(d)) {
        if (e->d_name[0] == '.')
            continue;
        std::ifstream in(dir + "/" + e->d_name + "/schedstat");
        long long ns = 0;
        if (in >> ns)
            total += ns;
    }
    closedir(d);
    return total;
}

// utime + stime of the process, in clock ticks.
long long ProcessTicks(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(in, line);
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream rest(line.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    // Fields 3..13 precede utime (14) and stime (15).
    for (int i = 3; i <= 13; ++i)
        rest >> field;
    rest >> utime >> stime;
    return utime + stime;
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

pid_t Spawn(const std::vector<std::string>& argv, int* stdoutFd)
{
    int fds[2] = {-1, -1};
    if (stdoutFd && pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        if (stdoutFd) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
        }
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    if (stdoutFd) {
        close(fds[1]);
        *stdoutFd = fds[0];
    }
    return pid;
}

// Reads lines from `fd` until `count` have come or 30 s have passed.
std::vector<std::string> ReadLines(int fd, std::size_t count)
{
    std::vector<std::string> lines;
    std::string pending;
    const auto end = Clock::now() + std::chrono::seconds(30);
    while (lines.size() < count && Clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0)
            continue;
        char buf[256];
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        pending.append(buf, static_cast<std::size_t>(n));
        for (std::size_t nl; (nl = pending.find('\n')) != std::string::npos;) {
            lines.push_back(pending.substr(0, nl));
            pending.erase(0, nl + 1);
        }
    }
    return lines;
}

std::optional<Rect> ParseArea(const std::string& line, const char* what)
{
    std::istringstream in(line);
    std::string word;
    Rect r;
    if (!(in >> word) || word != what || !(in >> r.x >> r.y >> r.w >> r.h))
        return std::nullopt;
    return r;
}

// The mapped top-level window of `pid` with the largest area.
Window FindWindowOf(pid_t pid)
{
    const Atom pidAtom = XInternAtom(g_dpy, "_NET_WM_PID", False);
    Window root = DefaultRootWindow(g_dpy), parent = 0, *children = nullptr;
    unsigned count = 0;
    Window best = 0;
    long bestArea = 0;
    if (!XQueryTree(g_dpy, root, &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count; ++i) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(g_dpy, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                               &after, &data) != Success ||
            !data)
            continue;
        const long owner = items == 1 ? *reinterpret_cast<long*>(data) : 0;
        XFree(data);
        XWindowAttributes a;
        if (owner != pid || !XGetWindowAttributes(g_dpy, children[i], &a) || a.map_state != IsViewable)
            continue;
        if (static_cast<long>(a.width) * a.height > bestArea) {
            bestArea = static_cast<long>(a.width) * a.height;
            best = children[i];
        }
    }
    if (children)
        XFree(children);
    return best;
}

// Waits up to `limit` for a Damage event on one of the targets; returns the
// target it belongs to (the damage is subtracted, so the next drawing sends
// another event), or nullptr.
Target* NextDamage(std::vector<Target*>& targets, Clock::time_point limit)
{
    for (;;) {
        while (XPending(g_dpy)) {
            XEvent e;
            XNextEvent(g_dpy, &e);
            if (e.type != g_damageEvent + XDamageNotify)
                continue;
            const auto* d = reinterpret_cast<XDamageNotifyEvent*>(&e);
            XDamageSubtract(g_dpy, d->damage, None, None);
            for (Target* t : targets)
                if (t->damage == d->damage)
                    return t;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(limit - Clock::now()).count();
        if (left <= 0)
            return nullptr;
        pollfd p{ConnectionNumber(g_dpy), POLLIN, 0};
        poll(&p, 1, static_cast<int>(std::min<long long>(left, 50)) + 1);
    }
}

std::vector<Target*> g_all;

// Waits until no target has drawn for kQuiet (at most `most`).
void Settle(std::chrono::milliseconds most = std::chrono::milliseconds(2000))
{
    const auto end = Clock::now() + most;
    while (Clock::now() < end && NextDamage(g_all, std::min(end, Clock::now() + kQuiet))) {
    }
}

void MoveTo(const Target& t, int x, int y)
{
    XTestFakeMotionEvent(g_dpy, DefaultScreen(g_dpy), t.rootX + x, t.rootY + y, CurrentTime);
    XFlush(g_dpy);
}

void Button(bool down)
{
    XTestFakeButtonEvent(g_dpy, 1, down ? True : False, CurrentTime);
    XFlush(g_dpy);
}

void Click(const Target& t, int x, int y)
{
    MoveTo(t, x, y);
    Settle();
    Button(true);
    Button(false);
    Settle();
}

struct Samples {
    std::vector<double> latencyMs;
    std::vector<double> lastMs; // to the move's last change: its whole frame
    long long moveNs = 0;       // thread run time over the measured moves
    long long dragTicks = 0;    // utime + stime over whole drags
    int moves = 0;
    int unchanged = 0; // moves after which nothing was drawn
};

// One drag through `points` (window pixels): a press at the first, a
// measured move to each of the others, a release.
void Drag(Target& t, const std::vector<std::pair<int, int>>& points, Samples& s)
{
    std::vector<Target*> one{&t};
    MoveTo(t, points[0].first, points[0].second);
    Settle();
    const long long ticks0 = ProcessTicks(t.pid);
    Button(true);
    Settle();
    for (std::size_t i = 1; i < points.size(); ++i) {
        // Empty the window's damage. Drawing that lands meanwhile (a late
        // repaint of the move before) sends an event and leaves damage: then
        // once more, or the move's drawing would send no event.
        for (bool drawn = true; drawn;) {
            XDamageSubtract(g_dpy, t.damage, None, None);
            XSync(g_dpy, False);
            drawn = false;
            while (XPending(g_dpy)) {
                XEvent e;
                XNextEvent(g_dpy, &e);
                drawn = drawn || (e.type == g_damageEvent + XDamageNotify &&
                                  reinterpret_cast<XDamageNotifyEvent*>(&e)->damage == t.damage);
            }
        }
        const long long ns0 = ThreadsRunNs(t.pid);
        const auto sent = Clock::now();
        MoveTo(t, points[i].first, points[i].second);
        if (NextDamage(one, sent + kNoChange))
            s.latencyMs.push_back(Ms(Clock::now() - sent));
        else
            ++s.unchanged;
        // Done with the move once this window has been quiet for a while. A
        // program that flushes part of its window first (the dialog's plane
        // repaints its cross at once, before the fields follow) draws the
        // rest later: the last change is when the whole move is on screen.
        auto last = Clock::now();
        while (NextDamage(one, Clock::now() + kQuiet))
            last = Clock::now();
        if (!s.latencyMs.empty())
            s.lastMs.push_back(Ms(last - sent));
        s.moveNs += ThreadsRunNs(t.pid) - ns0;
        ++s.moves;
    }
    Button(false);
    Settle();
    s.dragTicks += ProcessTicks(t.pid) - ticks0;
}

// Points of a drag: a start and `moves` steps, inside `area`, varied by the
// drag's number so that every drag covers new ground.
std::vector<std::pair<int, int>> PlanePath(const Rect& a, int drag, int moves)
{
    std::vector<std::pair<int, int>> p;
    const int stepX = std::max(2, a.w / 3 / std::max(1, moves));
    int x = a.x + a.w / 8 + (drag * 17) % std::max(1, a.w / 2);
    const int y0 = a.y + a.h / 6 + (drag * 29) % std::max(1, a.h * 2 / 3);
    for (int i = 0; i <= moves; ++i, x += stepX)
        p.emplace_back(std::min(x, a.x + a.w - 2), std::min(y0 + (i % 2) * 3, a.y + a.h - 2));
    return p;
}

std::vector<std::pair<int, int>> StripPath(const Rect& a, int drag, int moves)
{
    std::vector<std::pair<int, int>> p;
    const int stepY = std::max(2, a.h / 2 / std::max(1, moves));
    int y = a.y + a.h / 8 + (drag * 23) % std::max(1, a.h / 3);
    for (int i = 0; i <= moves; ++i, y += stepY)
        p.emplace_back(a.x + a.w / 2, std::min(y, a.y + a.h - 2));
    return p;
}

bool Place(Target& t)
{
    Window child = 0;
    return XTranslateCoordinates(g_dpy, t.window, DefaultRootWindow(g_dpy), 0, 0, &t.rootX, &t.rootY, &child);
}

void Usage(const char* self)
{
    std::fprintf(stderr, "usage: %s [--drags N] [--moves K] -- <program> <arguments...>\n", self);
}

} // namespace

int main(int argc, char** argv)
{
    int drags = 12, moves = 10;
    std::vector<std::string> program;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--drags" && i + 1 < argc) {
            drags = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--moves" && i + 1 < argc) {
            moves = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--") {
            program.assign(argv + i + 1, argv + argc);
            break;
        } else {
            Usage(argv[0]);
            return 2;
        }
    }
    if (program.empty()) {
        Usage(argv[0]);
        return 2;
    }
    g_dpy = XOpenDisplay(nullptr);
    if (!g_dpy) {
        std::fprintf(stderr, "%s: no X server (set DISPLAY; bench/latency.sh starts one)\n", argv[0]);
        return 2;
    }
    int ev = 0, err = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(g_dpy, &ev, &err, &major, &minor) ||
        !XDamageQueryExtension(g_dpy, &g_damageEvent, &err)) {
        std::fprintf(stderr, "%s: the X server lacks XTEST or DAMAGE\n", argv[0]);
        return 2;
    }

    Target dialog{"QColorDialog"}, app{"Tintora"};
    int dialogOut = -1;
    dialog.pid = Spawn({COLOR_DIALOG_PROGRAM}, &dialogOut);
    app.pid = Spawn(program, nullptr);
    auto stop = [&] {
        for (pid_t p : {dialog.pid, app.pid})
            if (p > 0) {
                kill(p, SIGTERM);
                waitpid(p, nullptr, 0);
            }
    };
    const std::vector<std::string> lines = ReadLines(dialogOut, 3);
    std::optional<Rect> dialogPlane, dialogStrip;
    if (lines.size() == 3) {
        dialog.window = std::strtoul(lines[0].c_str() + std::strlen("window "), nullptr, 10);
        dialogPlane = ParseArea(lines[1], "plane");
        dialogStrip = ParseArea(lines[2], "strip");
    }
    for (int i = 0; i < 300 && !app.window; ++i) {
        app.window = FindWindowOf(app.pid);
        if (!app.window)
            usleep(100000);
    }
    if (!dialog.window || !dialogPlane || !dialogStrip || !app.window || !Place(dialog) || !Place(app)) {
        std::fprintf(stderr, "%s: the windows did not come up (dialog %lu, program %lu)\n", argv[0],
                     dialog.window, app.window);
        stop();
        return 1;
    }
    for (Target* t : {&dialog, &app}) {
        t->damage = XDamageCreate(g_dpy, t->window, XDamageReportNonEmpty);
        g_all.push_back(t);
    }
    // Let both finish their start-up drawing.
    Settle(std::chrono::milliseconds(5000));

    // The program's picker: plane x 10..265, y 10..265; strip x 277..291;
    // the mode options sit in the fields frame at (300, 112), H at y 34, S
    // at y 54 within it.
    const Rect plane{10, 10, 256, 256};
    const Rect strip{277, 10, 15, 256};
    struct Mode {
        const char* name;
        int optionY; // the option's centre, window pixels
        bool onStrip;
    };
    const Mode modes[] = {{"hue plane", 112 + 34 + 8, false},
                          {"saturation plane", 112 + 54 + 8, false},
                          {"hue strip", 112 + 34 + 8, true}};
    std::printf("%-17s %9s %12s %6s %9s %12s %6s %16s %16s %18s %18s\n", "mode", "Tintora", "QColorDialog",
                "ratio", "Tintora", "QColorDialog", "ratio", "Tintora CPU/move", "dialog CPU/move",
                "Tintora CPU/drag", "dialog CPU/drag");
    std::printf("%-17s %9s %12s %6s %9s %12s %6s %16s %16s %18s %18s\n", "", "first ms", "first ms", "",
                "whole ms", "whole ms", "", "us (move)", "us (move)", "us per move", "us per move");
    const double tickUs = 1e6 / static_cast<double>(sysconf(_SC_CLK_TCK));
    for (const Mode& m : modes) {
        Click(app, 300 + 10, m.optionY);
        Samples a, d;
        for (int k = 0; k < drags; ++k) {
            const bool appFirst = k % 2 == 0;
            for (int turn = 0; turn < 2; ++turn)
                if ((turn == 0) == appFirst)
                    Drag(app, m.onStrip ? StripPath(strip, k, moves) : PlanePath(plane, k, moves), a);
                else
                    Drag(dialog,
                         m.onStrip ? StripPath(*dialogStrip, k, moves) : PlanePath(*dialogPlane, k, moves),
                         d);
        }
        const double ma = Median(a.latencyMs), md = Median(d.latencyMs);
        const double wa = Median(a.lastMs), wd = Median(d.lastMs);
        std::printf("%-17s %9.2f %12.2f %6.2f %9.2f %12.2f %6.2f %16.0f %16.0f %18.0f %18.0f\n", m.name, ma,
                    md, md > 0 ? ma / md : 0, wa, wd, wd > 0 ? wa / wd : 0,
                    a.moveNs / 1e3 / std::max(1, a.moves), d.moveNs / 1e3 / std::max(1, d.moves),
                    static_cast<double>(a.dragTicks) * tickUs / std::max(1, a.moves),
                    static_cast<double>(d.dragTicks) * tickUs / std::max(1, d.moves));
        std::fflush(stdout);
        if (a.unchanged || d.unchanged)
            std::printf("  moves that drew nothing within %lld ms: Tintora %d, QColorDialog %d\n",
                        static_cast<long long>(kNoChange.count()), a.unchanged, d.unchanged);
    }
    std::printf("%d drags of %d moves per program and mode\n", drags, moves);
    stop();
    XCloseDisplay(g_dpy);
    return 0;
}
