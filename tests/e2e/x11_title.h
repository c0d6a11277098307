// SPDX-License-Identifier: MIT
// The title of a top-level X window, for the end-to-end helpers that find
// the program's windows by their titles.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <string>

// The window's _NET_WM_NAME (UTF-8), empty when it has none.
inline std::string WindowTitle(Display* d, Window w)
{
    Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(d, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}
