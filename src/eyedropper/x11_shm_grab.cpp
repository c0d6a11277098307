// SPDX-License-Identifier: MIT
#include "eyedropper/x11_shm_grab.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdint>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace tintora {

namespace {

// X errors during the attach and the read (a remote display refuses shared
// memory) are noted here instead of ending the program.
bool gXError = false;

int NoteXError(Display*, XErrorEvent*)
{
    gXError = true;
    return 0;
}

// shmat's answer on failure is the address -1.
bool Mapped(const char* address)
{
    return address && reinterpret_cast<std::intptr_t>(address) != -1;
}

struct Segment {
    Display* display = nullptr;
    XShmSegmentInfo info{};
    XImage* image = nullptr;
    bool attached = false;
};

// Attached segments whose images have been released, kept for the next
// grab of the same size: attaching a fresh segment makes the X server map
// and fault in megabytes of new pages, which costs more than the copy.
constexpr int kKept = 4;
Segment* gKept[kKept] = {};

void Destroy(Segment* s)
{
    if (s->attached)
        XShmDetach(s->display, &s->info);
    if (s->image)
        XDestroyImage(s->image); // frees only the XImage: its data is the segment
    if (Mapped(s->info.shmaddr))
        shmdt(s->info.shmaddr);
    delete s;
}

void Release(void* p)
{
    auto* s = static_cast<Segment*>(p);
    for (Segment*& slot : gKept) {
        if (!slot) {
            slot = s;
            return;
        }
    }
    Destroy(s);
}

Segment* TakeKept(Display* display, int w, int h)
{
    for (Segment*& slot : gKept) {
        if (slot && slot->display == display && slot->image->width == w && slot->image->height == h) {
            Segment* s = slot;
            slot = nullptr;
            return s;
        }
    }
    return nullptr;
}

// A new segment of w x h pixels, attached to the server; nullptr when
// shared memory cannot be used.
Segment* CreateSegment(Display* display, Visual* visual, int w, int h)
{
    auto* s = new Segment;
    s->display = display;
    s->image = XShmCreateImage(display, visual, 24, ZPixmap, nullptr, &s->info, w, h);
    if (!s->image || s->image->bits_per_pixel != 32) {
        Destroy(s);
        return nullptr;
    }
    s->info.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(s->image->bytes_per_line) * h, IPC_CREAT | 0600);
    if (s->info.shmid < 0) {
        Destroy(s);
        return nullptr;
    }
    s->info.shmaddr = s->image->data = static_cast<char*>(shmat(s->info.shmid, nullptr, 0));
    s->info.readOnly = False;
    // Removed now, so that the segment goes once both sides have detached,
    // whatever happens after.
    const bool mapped = Mapped(s->info.shmaddr);
    shmctl(s->info.shmid, IPC_RMID, nullptr);
    if (!mapped) {
        s->image->data = nullptr;
        Destroy(s);
        return nullptr;
    }
    XSync(display, False);
    gXError = false;
    auto* previous = XSetErrorHandler(NoteXError);
    s->attached = XShmAttach(display, &s->info);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (gXError)
        s->attached = false;
    if (!s->attached) {
        Destroy(s);
        return nullptr;
    }
    return s;
}

} // namespace

QImage GrabScreenThroughSharedMemory(QScreen* screen)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display || !XShmQueryExtension(display))
        return {};
    // Read from the default X screen's root only; a screen of another X
    // screen (a separate virtual desktop) is left to QScreen::grabWindow.
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary || !primary->virtualSiblings().contains(screen))
        return {};
    // A screen's logical origin is its device origin; only its size scales.
    const QRect logical = screen->geometry();
    const qreal dpr = screen->devicePixelRatio();
    const int w = qRound(logical.width() * dpr);
    const int h = qRound(logical.height() * dpr);
    const int xscreen = DefaultScreen(display);
    Visual* visual = DefaultVisual(display, xscreen);
    if (DefaultDepth(display, xscreen) != 24 || visual->red_mask != 0xFF0000 ||
        visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF)
        return {};

    Segment* s = TakeKept(display, w, h);
    if (!s)
        s = CreateSegment(display, visual, w, h);
    if (!s)
        return {};
    XSync(display, False);
    gXError = false;
    auto* previous = XSetErrorHandler(NoteXError);
    const bool read =
        XShmGetImage(display, DefaultRootWindow(display), s->image, logical.x(), logical.y(), AllPlanes);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (!read || gXError) {
        Destroy(s);
        return {};
    }
    // The image reads the segment in place; the segment goes with the image.
    return QImage(reinterpret_cast<uchar*>(s->image->data), w, h, s->image->bytes_per_line,
                  QImage::Format_RGB32, Release, s);
}

} // namespace tintora
