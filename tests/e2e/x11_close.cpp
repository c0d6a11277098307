// SPDX-License-Identifier: MIT
// Asks a top-level window, found by its exact title, to close, the way a
// window manager's close box does (a WM_DELETE_WINDOW client message).
// Usage: x11_close "Window title" | x11_close --id WINDOW. Exit 0 when the
// message was sent.
#include "x11_title.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool TitleIs(Display* d, Window w, const char* title)
{
    return WindowTitle(d, w) == title;
}

Window Find(Display* d, Window root, const char* title)
{
    Window parent, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, root, &root, &parent, &children, &n))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < n && !found; ++i)
        if (TitleIs(d, children[i], title))
            found = children[i];
        else
            found = Find(d, children[i], title);
    if (children)
        XFree(children);
    return found;
}

} // namespace

int main(int argc, char** argv)
{
    const bool byId = argc == 3 && std::strcmp(argv[1], "--id") == 0;
    if (argc != 2 && !byId) {
        std::fprintf(stderr, "usage: %s TITLE | %s --id WINDOW\n", argv[0], argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "x11_close: cannot open the display\n");
        return 2;
    }
    const Window w = byId ? static_cast<Window>(std::strtoul(argv[2], nullptr, 0))
                          : Find(d, DefaultRootWindow(d), argv[1]);
    if (!w) {
        std::fprintf(stderr, "x11_close: no window '%s'\n", argv[argc - 1]);
        XCloseDisplay(d);
        return 1;
    }
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
    XCloseDisplay(d);
    return 0;
}
