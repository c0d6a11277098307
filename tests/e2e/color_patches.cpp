// SPDX-License-Identifier: MIT
// Shows known colours at known device pixels for the eyedropper's
// end-to-end test, drawn with plain X11 so that no scaling plays a part.
// A window at (0, 0), 400 x 200, without window-manager decoration:
//   x 0..199    #66CCFF
//   x 200..399  #FF6600, except the one-pixel columns
//   x 299       #ABCDEF
//   x 300       #FEDCBA
//   x 301       #123456
// Prints "ready" once the window is on screen, then waits to be killed.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

int main()
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "color_patches: cannot open the display\n");
        return 1;
    }
    const int screen = DefaultScreen(d);
    XVisualInfo info;
    if (!XMatchVisualInfo(d, screen, 24, TrueColor, &info)) {
        std::fprintf(stderr, "color_patches: no 24-bit TrueColor visual\n");
        return 1;
    }
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = 0;
    attributes.border_pixel = 0;
    attributes.colormap = XCreateColormap(d, RootWindow(d, screen), info.visual, AllocNone);
    attributes.event_mask = ExposureMask;
    const Window w = XCreateWindow(
        d, RootWindow(d, screen), 0, 0, 400, 200, 0, 24, InputOutput, info.visual,
        CWOverrideRedirect | CWBackPixel | CWBorderPixel | CWColormap | CWEventMask, &attributes);
    GC gc = XCreateGC(d, w, 0, nullptr);
    XMapRaised(d, w);
    struct Area {
        int x, width;
        unsigned long rgb;
    } const areas[] = {
        {0, 200, 0x66CCFF}, {200, 200, 0xFF6600}, {299, 1, 0xABCDEF}, {300, 1, 0xFEDCBA}, {301, 1, 0x123456}};
    bool ready = false;
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type != Expose || e.xexpose.count != 0)
            continue;
        for (const Area& a : areas) {
            XSetForeground(d, gc, a.rgb);
            XFillRectangle(d, w, gc, a.x, 0, a.width, 200);
        }
        XSync(d, False);
        if (!ready) {
            ready = true;
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
