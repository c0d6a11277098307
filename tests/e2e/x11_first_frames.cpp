// SPDX-License-Identifier: MIT
// Watches the order in which two top-level windows reach the screen.
// Usage: x11_first_frames MAIN_TITLE SECOND_TITLE TIMEOUT_SECONDS
// Start it before the program; it prints "ready" once it watches the root
// window. It reports when the window titled MAIN_TITLE is mapped, when the
// program has drawn most of it, and whether that happened before the window
// titled SECOND_TITLE was mapped.
//
// The drawing is seen through the DAMAGE extension, not by reading pixels:
// every top-level window gets a damage object as soon as it is created, so
// the server reports each rectangle the program draws into it. The server
// handles requests in order and queues these reports and MapNotify events to
// us in that same order, so "drawn before mapped" is exact, however slow the
// program or this watcher is. (Reading pixels instead races with the second
// window, which opens centred over the first and may hide it entirely.)
//
// Exit 0: the main window's frame came first; 1: the second window was
// mapped before it; 2: usage or display error; 3: timed out.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include "x11_title.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Windows that vanish or cannot be damaged (input-only ones) raise errors
// that only mean "not this one".
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

// Which pixels of the main window the program has drawn so far.
class Coverage
{
public:
    void Reset(int w, int h)
    {
        w_ = w;
        h_ = h;
        drawn_.assign(static_cast<size_t>(w) * static_cast<size_t>(h), false);
        count_ = 0;
    }
    void Add(int x, int y, int w, int h)
    {
        for (int row = std::max(0, y); row < std::min(h_, y + h); ++row)
            for (int col = std::max(0, x); col < std::min(w_, x + w); ++col) {
                const size_t i =
                    static_cast<size_t>(row) * static_cast<size_t>(w_) + static_cast<size_t>(col);
                if (!drawn_[i]) {
                    drawn_[i] = true;
                    ++count_;
                }
            }
    }
    // Most of the window: a first frame may leave a border or a dead corner.
    bool MostlyDrawn() const
    {
        return w_ > 0 && count_ * 10 >= static_cast<size_t>(w_) * static_cast<size_t>(h_) * 9;
    }
    size_t Percent() const
    {
        return w_ > 0 ? count_ * 100 / (static_cast<size_t>(w_) * static_cast<size_t>(h_)) : 0;
    }

private:
    int w_ = 0, h_ = 0;
    std::vector<bool> drawn_;
    size_t count_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s MAIN_TITLE SECOND_TITLE TIMEOUT_SECONDS\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "x11_first_frames: cannot open the display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(d, &damageEvent, &damageError)) {
        std::fprintf(stderr, "x11_first_frames: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const std::string mainTitle = argv[1], secondTitle = argv[2];
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::seconds(std::atoi(argv[3]));
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    std::printf("ready\n");
    std::fflush(stdout);

    auto ms = [&] {
        return static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
    };
    Window main = 0;
    Coverage coverage;
    bool mainDrawn = false;
    while (Clock::now() < deadline) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == CreateNotify) {
                // Created, so not yet mapped: nothing drawn into it can be missed.
                XDamageCreate(d, e.xcreatewindow.window, XDamageReportRawRectangles);
            } else if (e.type == damageEvent + XDamageNotify) {
                const auto& de = reinterpret_cast<const XDamageNotifyEvent&>(e);
                if (main && de.drawable == main && !mainDrawn) {
                    coverage.Add(de.area.x, de.area.y, de.area.width, de.area.height);
                    if (coverage.MostlyDrawn()) {
                        mainDrawn = true;
                        std::printf("main window's first frame drawn at %ld ms\n", ms());
                    }
                }
            } else if (e.type == MapNotify) {
                const std::string title = WindowTitle(d, e.xmap.window);
                if (title == mainTitle && !main) {
                    main = e.xmap.window;
                    XWindowAttributes a;
                    if (!XGetWindowAttributes(d, main, &a))
                        return 2;
                    coverage.Reset(a.width, a.height);
                    std::printf("main window (%dx%d) mapped at %ld ms\n", a.width, a.height, ms());
                } else if (title == secondTitle) {
                    if (!main)
                        std::printf("'%s' mapped at %ld ms, before the main window\n", secondTitle.c_str(),
                                    ms());
                    else
                        std::printf("'%s' mapped at %ld ms; by then %zu %% of the main window was drawn\n",
                                    secondTitle.c_str(), ms(), coverage.Percent());
                    return mainDrawn ? 0 : 1;
                }
            }
        }
        pollfd fd{ConnectionNumber(d), POLLIN, 0};
        poll(&fd, 1, 50);
    }
    std::printf("timed out (main window %s)\n",
                main ? (mainDrawn ? "drawn" : "mapped, not drawn") : "not mapped");
    return 3;
}
