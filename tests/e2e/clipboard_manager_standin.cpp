// SPDX-License-Identifier: MIT
//
// A minimal clipboard manager for the end-to-end tests, after the
// freedesktop.org clipboard manager convention: it owns CLIPBOARD_MANAGER;
// asked to SAVE_TARGETS by a program that is about to exit, it reads the
// clipboard's UTF8_STRING, takes the CLIPBOARD itself, answers the request
// and from then on serves the saved text. Prints "ready" once it owns
// CLIPBOARD_MANAGER and "saved TEXT" for each text it saved.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <string>

int main()
{
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return 1;
    const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    const Atom manager = XInternAtom(d, "CLIPBOARD_MANAGER", False);
    const Atom saveTargets = XInternAtom(d, "SAVE_TARGETS", False);
    const Atom clipboard = XInternAtom(d, "CLIPBOARD", False);
    const Atom targets = XInternAtom(d, "TARGETS", False);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    const Atom nullType = XInternAtom(d, "NULL", False);
    const Atom savedProperty = XInternAtom(d, "_STANDIN_SAVED", False);
    XSetSelectionOwner(d, manager, w, CurrentTime);
    if (XGetSelectionOwner(d, manager) != w)
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);

    std::string saved;
    bool serving = false;
    XSelectionRequestEvent pending{};
    bool saving = false;
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == SelectionRequest) {
            const XSelectionRequestEvent& r = e.xselectionrequest;
            if (r.selection == manager && r.target == saveTargets && !saving) {
                pending = r;
                saving = true;
                XConvertSelection(d, clipboard, utf8, savedProperty, w, r.time);
                continue;
            }
            XSelectionEvent reply{};
            reply.type = SelectionNotify;
            reply.requestor = r.requestor;
            reply.selection = r.selection;
            reply.target = r.target;
            reply.time = r.time;
            reply.property = None;
            if (r.selection == clipboard && serving && r.target == targets) {
                const Atom offered[] = {targets, utf8};
                XChangeProperty(d, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(offered), 2);
                reply.property = r.property;
            } else if (r.selection == clipboard && serving && r.target == utf8) {
                XChangeProperty(d, r.requestor, r.property, utf8, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(saved.data()), int(saved.size()));
                reply.property = r.property;
            }
            XSendEvent(d, r.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
            XFlush(d);
        } else if (e.type == SelectionNotify && saving) {
            saving = false;
            if (e.xselection.property != None) {
                Atom type = None;
                int format = 0;
                unsigned long count = 0, after = 0;
                unsigned char* data = nullptr;
                XGetWindowProperty(d, w, savedProperty, 0, 65536, True, AnyPropertyType, &type, &format,
                                   &count, &after, &data);
                if (data) {
                    saved.assign(reinterpret_cast<const char*>(data), count);
                    XFree(data);
                    XSetSelectionOwner(d, clipboard, w, CurrentTime);
                    serving = XGetSelectionOwner(d, clipboard) == w;
                    std::printf("saved %s\n", saved.c_str());
                    std::fflush(stdout);
                }
            }
            // The saving program may exit now.
            XSelectionEvent reply{};
            reply.type = SelectionNotify;
            reply.requestor = pending.requestor;
            reply.selection = manager;
            reply.target = saveTargets;
            reply.time = pending.time;
            reply.property = serving ? pending.property : None;
            if (serving)
                XChangeProperty(d, pending.requestor, pending.property, nullType, 32, PropModeReplace,
                                nullptr, 0);
            XSendEvent(d, pending.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
            XFlush(d);
        } else if (e.type == SelectionClear && e.xselectionclear.selection == clipboard) {
            serving = false;
        }
    }
}
