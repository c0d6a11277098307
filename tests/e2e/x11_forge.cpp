// SPDX-License-Identifier: MIT
// Sends the owner of CLIPBOARD selection events that only the X server
// should make, as any client can with SendEvent:
//   x11_forge clear     one SelectionClear, as if another program had copied
//   x11_forge flood N   N SelectionRequests for UTF8_STRING and N
//                       SelectionClears, interleaved
//   x11_forge requests N  the N SelectionRequests alone
// Exits once the server has taken them all; 1 when nobody owns CLIPBOARD.
#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const bool requestsOnly = argc == 3 && std::strcmp(argv[1], "requests") == 0;
    const bool flood = requestsOnly || (argc == 3 && std::strcmp(argv[1], "flood") == 0);
    if (!flood && !(argc == 2 && std::strcmp(argv[1], "clear") == 0))
        return 2;
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return 1;
    const Atom clipboard = XInternAtom(d, "CLIPBOARD", False);
    const Window owner = XGetSelectionOwner(d, clipboard);
    if (owner == None)
        return 1;
    const Window self = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);

    XEvent clear{};
    clear.xselectionclear.type = SelectionClear;
    clear.xselectionclear.window = owner;
    clear.xselectionclear.selection = clipboard;
    clear.xselectionclear.time = CurrentTime;
    XEvent request{};
    request.xselectionrequest.type = SelectionRequest;
    request.xselectionrequest.owner = owner;
    request.xselectionrequest.requestor = self;
    request.xselectionrequest.selection = clipboard;
    request.xselectionrequest.target = XInternAtom(d, "UTF8_STRING", False);
    request.xselectionrequest.property = XInternAtom(d, "_X11_FORGE", False);
    request.xselectionrequest.time = CurrentTime;

    const long count = flood ? std::strtol(argv[2], nullptr, 10) : 0;
    for (long i = 0; i < count; ++i) {
        XSendEvent(d, owner, False, NoEventMask, &request);
        if (!requestsOnly)
            XSendEvent(d, owner, False, NoEventMask, &clear);
        if (i % 1000 == 999)
            XSync(d, False);
    }
    if (!flood)
        XSendEvent(d, owner, False, NoEventMask, &clear);
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}
