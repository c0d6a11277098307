// SPDX-License-Identifier: MIT
// Prints the colour of window pixels as the X server shows them, "#RRGGBB"
// one a line, for the end-to-end tests that compare what is on the screen
// with what the program copies.
// Usage: x11_pixel WINDOW X Y [X Y ...] (WINDOW as xdotool prints it).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 4 || (argc - 2) % 2 != 0) {
        std::fprintf(stderr, "usage: x11_pixel WINDOW X Y [X Y ...]\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "x11_pixel: no display\n");
        return 1;
    }
    const Window w = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    XWindowAttributes attrs;
    if (!XGetWindowAttributes(d, w, &attrs)) {
        std::fprintf(stderr, "x11_pixel: no window %s\n", argv[1]);
        return 1;
    }
    int status = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        const int x = std::atoi(argv[i]);
        const int y = std::atoi(argv[i + 1]);
        XImage* img = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!img) {
            std::fprintf(stderr, "x11_pixel: cannot read (%d, %d)\n", x, y);
            status = 1;
            continue;
        }
        const unsigned long p = XGetPixel(img, 0, 0);
        std::printf("#%02lX%02lX%02lX\n", (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        XDestroyImage(img);
    }
    XCloseDisplay(d);
    return status;
}
