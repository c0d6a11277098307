// SPDX-License-Identifier: MIT
//
// tintora-clipboard-holder: keeps one short text on the X11 clipboard after
// the program that copied it has exited.
//
//   tintora-clipboard-holder [--from-window ID] < text
//
// Reads the text (UTF-8, at most kMaxTextBytes) from standard input, takes
// the CLIPBOARD selection and exits 0 once it owns it; a detached child then
// serves the text until another program takes the clipboard or the X
// connection closes (the session ends). A SelectionClear alone does not end
// it, since any client can send one: only the X server telling that another
// window owns the clipboard does. With --from-window, the selection is
// taken only while that window still owns it, so that a copy made by another
// program in the meantime is never overwritten (exit 6).
//
// Plain xcb and no C++ runtime: it starts in a few milliseconds and holds
// little more than the text. It ignores SIGHUP (the terminal that started it
// may close), dies on SIGTERM (logout), keeps no file descriptor of its parent
// and works from "/".
//
// Exit status of the starting process: 0 the clipboard is held; 2 usage or
// empty text; 3 text too long; 4 no X display; 5 the selection could not be
// taken; 6 the window given no longer owns the clipboard.

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// Colour codes are a few dozen bytes; anything this long is not one. Kept
// well below the smallest request size a server accepts (256 KiB), so every
// answer fits in one property change and INCR is never needed.
constexpr std::size_t kMaxTextBytes = std::size_t{64} * 1024;

// Requests answered for one batch of queued events (see main); a paste
// makes one or two.
constexpr int kMaxAnswersPerBatch = 16;

enum Status : int {
    kHeld = 0,
    kUsage = 2,
    kTooLong = 3,
    kNoDisplay = 4,
    kNotTaken = 5,
    kOwnerChanged = 6,
};

int Fail(int status, const char* message)
{
    std::fprintf(stderr, "tintora-clipboard-holder: %s\n", message);
    return status;
}

// Closes every descriptor above stderr that the parent left open.
void CloseInheritedDescriptors()
{
    DIR* dir = opendir("/proc/self/fd");
    if (!dir) {
        for (int fd = 3; fd < 1024; ++fd)
            close(fd);
        return;
    }
    const int own = dirfd(dir);
    int fds[256];
    int count = 0;
    while (const dirent* entry = readdir(dir)) {
        const int fd = std::atoi(entry->d_name);
        if (fd > 2 && fd != own && count < 256)
            fds[count++] = fd;
    }
    closedir(dir);
    for (int i = 0; i < count; ++i)
        close(fds[i]);
}

void RedirectToNull(int fd, int flags)
{
    const int null = open("/dev/null", flags);
    if (null < 0)
        return;
    if (null != fd) {
        dup2(null, fd);
        close(null);
    }
}

struct Text {
    char bytes[kMaxTextBytes]{};
    std::size_t size = 0;
    // The same text in ISO 8859-1 for the STRING target, when it has that form.
    char latin1[kMaxTextBytes]{};
    std::size_t latin1Size = 0;
    bool hasLatin1 = false;
};

// Reads all of stdin; false when it holds more than kMaxTextBytes.
bool ReadText(Text& text)
{
    for (;;) {
        char chunk[4096];
        const ssize_t n = read(0, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return true;
        if (text.size + std::size_t(n) > kMaxTextBytes)
            return false;
        std::memcpy(text.bytes + text.size, chunk, std::size_t(n));
        text.size += std::size_t(n);
    }
}

// UTF-8 to ISO 8859-1; false for a character outside it or broken UTF-8.
bool ToLatin1(Text& text)
{
    std::size_t out = 0;
    for (std::size_t i = 0; i < text.size; ++i) {
        const auto c = static_cast<unsigned char>(text.bytes[i]);
        if (c < 0x80) {
            text.latin1[out++] = char(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size &&
                   (static_cast<unsigned char>(text.bytes[i + 1]) & 0xC0) == 0x80) {
            text.latin1[out++] =
                char(((c & 0x03) << 6) | (static_cast<unsigned char>(text.bytes[i + 1]) & 0x3F));
            ++i;
        } else {
            return false;
        }
    }
    text.latin1Size = out;
    return true;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

xcb_window_t SelectionOwner(xcb_connection_t* c, xcb_atom_t selection)
{
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    if (!reply)
        return XCB_WINDOW_NONE;
    const xcb_window_t owner = reply->owner;
    std::free(reply);
    return owner;
}

struct Atoms {
    xcb_atom_t clipboard, targets, timestamp, utf8, text, mimeUtf8, mimePlain;
};

// A server time stamp for taking the selection: the time of a property
// change on our own window (the ICCCM asks not to use CurrentTime).
xcb_timestamp_t ServerTime(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property)
{
    xcb_change_property(c, XCB_PROP_MODE_APPEND, window, property, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(c);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool found = (event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY;
        const xcb_timestamp_t time =
            found ? reinterpret_cast<xcb_property_notify_event_t*>(event)->time : XCB_CURRENT_TIME;
        std::free(event);
        if (found)
            return time;
    }
    return XCB_CURRENT_TIME;
}

// Answers one request for the clipboard; refuses (property None) what it
// does not offer.
void Answer(xcb_connection_t* c, const xcb_selection_request_event_t& request, const Atoms& a,
            const Text& text, xcb_timestamp_t since)
{
    xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
    const xcb_atom_t target = request.target;
    const bool ours =
        request.selection == a.clipboard && (request.time == XCB_CURRENT_TIME || request.time >= since);
    if (ours && target == a.targets) {
        xcb_atom_t offered[8] = {a.targets, a.timestamp, a.utf8, a.text, a.mimeUtf8, a.mimePlain};
        std::uint32_t count = 6;
        if (text.hasLatin1)
            offered[count++] = XCB_ATOM_STRING;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32, count,
                            offered);
    } else if (ours && target == a.timestamp) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_INTEGER, 32, 1,
                            &since);
    } else if (ours && (target == a.utf8 || target == a.text || target == a.mimeUtf8 ||
                        (target == a.mimePlain && !text.hasLatin1))) {
        const xcb_atom_t type = target == a.text ? a.utf8 : target;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, type, 8,
                            std::uint32_t(text.size), text.bytes);
    } else if (ours && (target == XCB_ATOM_STRING || target == a.mimePlain) && text.hasLatin1) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, property, target, 8,
                            std::uint32_t(text.latin1Size), text.latin1);
    } else {
        // MULTIPLE and everything else: not offered. So are requests for
        // another selection and those from before the holder took this one.
        property = XCB_ATOM_NONE;
    }
    xcb_selection_notify_event_t notify;
    std::memset(&notify, 0, sizeof notify);
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = property;
    xcb_send_event(c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&notify));
}

Text g_text; // large: kept out of the stack

} // namespace

int main(int argc, char** argv)
{
    std::signal(SIGHUP, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    // Ends at logout even when started by a program that ignores SIGTERM.
    std::signal(SIGTERM, SIG_DFL);
    CloseInheritedDescriptors();
    if (chdir("/") != 0)
        return Fail(kUsage, "cannot change to /");

    xcb_window_t previousOwner = XCB_WINDOW_NONE;
    if (argc == 3 && std::strcmp(argv[1], "--from-window") == 0) {
        char* end = nullptr;
        previousOwner = xcb_window_t(std::strtoul(argv[2], &end, 0));
        if (!end || *end != '\0' || previousOwner == XCB_WINDOW_NONE)
            return Fail(kUsage, "--from-window needs a window id");
    } else if (argc != 1) {
        return Fail(kUsage, "usage: tintora-clipboard-holder [--from-window ID] < text");
    }

    if (!ReadText(g_text))
        return Fail(kTooLong, "the text is too long to hold (more than 64 KiB)");
    if (g_text.size == 0)
        return Fail(kUsage, "no text to hold");
    g_text.hasLatin1 = ToLatin1(g_text);
    RedirectToNull(0, O_RDONLY);

    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c))
        return Fail(kNoDisplay, "cannot open the X display");
    const xcb_setup_t* setup = xcb_get_setup(c);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0)
        return Fail(kNoDisplay, "the X display has no screen");

    const Atoms atoms{Atom(c, "CLIPBOARD"),   Atom(c, "TARGETS"), Atom(c, "TIMESTAMP"),
                      Atom(c, "UTF8_STRING"), Atom(c, "TEXT"),    Atom(c, "text/plain;charset=utf-8"),
                      Atom(c, "text/plain")};
    const xcb_atom_t stampProperty = Atom(c, "_TINTORA_CLIPBOARD_HOLDER");
    if (atoms.clipboard == XCB_ATOM_NONE || stampProperty == XCB_ATOM_NONE)
        return Fail(kNotTaken, "the X server did not answer");

    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screens.data->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    const char name[] = "tintora-clipboard-holder";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        sizeof name - 1, name);
    const xcb_timestamp_t since = ServerTime(c, window, stampProperty);
    if (since == XCB_CURRENT_TIME)
        return Fail(kNotTaken, "the X server did not answer");

    // Checking the owner and taking the selection under a grab is one step
    // for every other client: a copy made in between cannot be overwritten.
    xcb_grab_server(c);
    if (previousOwner != XCB_WINDOW_NONE && SelectionOwner(c, atoms.clipboard) != previousOwner) {
        xcb_ungrab_server(c);
        xcb_flush(c);
        return kOwnerChanged;
    }
    xcb_set_selection_owner(c, window, atoms.clipboard, since);
    const xcb_window_t owner = SelectionOwner(c, atoms.clipboard);
    xcb_ungrab_server(c);
    xcb_flush(c);
    if (owner != window)
        return Fail(kNotTaken, "could not take the clipboard");

    // The starting process reports success and ends; the child serves,
    // detached from the parent's session and terminal.
    const pid_t child = fork();
    if (child < 0)
        return Fail(kNotTaken, "cannot start the serving process");
    if (child > 0)
        _exit(kHeld);
    setsid();
    RedirectToNull(1, O_WRONLY);
    RedirectToNull(2, O_WRONLY);

    // Events are taken in batches: the first one waited for, then all that
    // are already queued. Work stays bounded per batch, so events arrive no
    // faster than they are dropped and the queue cannot grow:
    //  - a SelectionRequest that another client sent itself (the send-event
    //    bit) is forged, since the server makes every real one: ignored;
    //  - at most kMaxAnswersPerBatch real requests are answered, the rest of
    //    a flood of them is left unanswered;
    //  - a SelectionClear, which any client can forge too, only leads to one
    //    check per batch of who owns the clipboard now. It is asked on a
    //    second connection, opened for the first check: on this one the
    //    answer would come after every event sent before it, which would
    //    all have to be read and kept.
    xcb_connection_t* query = nullptr;
    bool serving = true;
    while (serving) {
        xcb_generic_event_t* event = xcb_wait_for_event(c);
        if (!event)
            break;
        int answered = 0;
        bool cleared = false;
        for (; event; event = xcb_poll_for_queued_event(c)) {
            const int type = event->response_type & 0x7F;
            const bool forged = (event->response_type & 0x80) != 0;
            if (type == XCB_SELECTION_REQUEST && !forged && answered < kMaxAnswersPerBatch) {
                Answer(c, *reinterpret_cast<xcb_selection_request_event_t*>(event), atoms, g_text, since);
                ++answered;
            } else if (type == XCB_SELECTION_CLEAR &&
                       reinterpret_cast<xcb_selection_clear_event_t*>(event)->selection == atoms.clipboard) {
                cleared = true;
            }
            std::free(event);
        }
        xcb_flush(c);
        // Another program has the clipboard now (or a newer holder), or the
        // connection closed: GetSelectionOwner then answers nothing.
        if (cleared && !query) {
            query = xcb_connect(nullptr, nullptr);
            if (xcb_connection_has_error(query)) {
                xcb_disconnect(query);
                query = c;
            }
        }
        if (cleared)
            serving = SelectionOwner(query, atoms.clipboard) == window;
    }
    // The selection was taken, or the connection closed (the X server or
    // the session ended).
    if (query && query != c)
        xcb_disconnect(query);
    xcb_disconnect(c);
    return 0;
}
