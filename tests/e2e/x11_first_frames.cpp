// Watches the order in which two top-level windows reach the screen.
// Usage: x11_first_frames MAIN_TITLE SECOND_TITLE TIMEOUT_SECONDS
// Start it before the program; it prints "ready" once it watches the root
// window. It reports when the window titled MAIN_TITLE is mapped, when its
// pixels first show a drawn picture (hundreds of distinct colours), and, when
// the window titled SECOND_TITLE is mapped, whether the main window's pixels
// were on the screen at that moment. The X server handles requests in order,
// so pixels read right after the second window's MapNotify are those that
// were put before it was mapped.
// Exit 0: the main window's frame came first; 1: the second window was
// mapped before it; 2: usage or display error; 3: timed out.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "x11_title.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <unordered_set>

namespace {

using Clock = std::chrono::steady_clock;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

Rect ScreenRect(Display* d, Window w)
{
    XWindowAttributes a;
    Rect r;
    if (!XGetWindowAttributes(d, w, &a))
        return r;
    Window child;
    XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &r.x, &r.y, &child);
    r.w = a.width;
    r.h = a.height;
    return r;
}

// Distinct colours in the main window's area of the screen, leaving out the
// part that `cover` (the second window, once mapped) hides.
size_t DistinctColours(Display* d, Window main, const Rect* cover)
{
    const Rect r = ScreenRect(d, main);
    if (r.w <= 0 || r.h <= 0)
        return 0;
    XImage* img = XGetImage(d, DefaultRootWindow(d), r.x, r.y, static_cast<unsigned>(r.w),
                            static_cast<unsigned>(r.h), AllPlanes, ZPixmap);
    if (!img)
        return 0;
    std::unordered_set<unsigned long> seen;
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x)
            if (!cover || !cover->Contains(r.x + x, r.y + y))
                seen.insert(XGetPixel(img, x, y));
    XDestroyImage(img);
    return seen.size();
}

constexpr size_t kDrawn = 300; // an unpainted window shows one or two colours

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
    const std::string mainTitle = argv[1], secondTitle = argv[2];
    const auto deadline = Clock::now() + std::chrono::seconds(std::atoi(argv[3]));
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    std::printf("ready\n");
    std::fflush(stdout);

    const auto start = Clock::now();
    auto ms = [&] {
        return static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
    };
    Window main = 0;
    bool mainDrawn = false;
    while (Clock::now() < deadline) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type != MapNotify)
                continue;
            const std::string title = WindowTitle(d, e.xmap.window);
            if (title == mainTitle && !main) {
                main = e.xmap.window;
                std::printf("main window mapped at %ld ms\n", ms());
            } else if (title == secondTitle) {
                if (!main) {
                    std::printf("'%s' mapped at %ld ms, before the main window\n", secondTitle.c_str(), ms());
                    return 1;
                }
                // Both windows open centred, so the second may hide the
                // first entirely: a first frame seen on the screen before
                // this map counts, else what is still uncovered.
                const Rect cover = ScreenRect(d, e.xmap.window);
                const size_t colours = DistinctColours(d, main, &cover);
                std::printf("'%s' mapped at %ld ms; the main window %s, then showed %zu colours uncovered\n",
                            secondTitle.c_str(), ms(), mainDrawn ? "was drawn before" : "was not seen drawn",
                            colours);
                return mainDrawn || colours >= kDrawn ? 0 : 1;
            }
        }
        if (main && !mainDrawn && DistinctColours(d, main, nullptr) >= kDrawn) {
            mainDrawn = true;
            std::printf("main window's first frame on screen at %ld ms\n", ms());
            std::fflush(stdout);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::printf("timed out (main window %s)\n",
                main ? (mainDrawn ? "drawn" : "mapped, not drawn") : "not mapped");
    return 3;
}
