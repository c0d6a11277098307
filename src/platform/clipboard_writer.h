// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tintora {

// The one place where the program writes the clipboard. Every copy (a Copy
// button, Ctrl+C, "Copy as", the command line's --copy) goes through Write,
// so that what the clipboard holds is always known to the program and can be
// kept pasteable after it exits.
class ClipboardWriter
{
public:
    // Replaces the clipboard's content with plain text.
    static void Write(const QString& text);
    // The last text written, or empty when nothing was written.
    static QString LastWritten();

    // For a process that ends right after copying (the command line's
    // --copy, with or without a QGuiApplication): the clipboard holder takes
    // `text` onto the X11 clipboard and keeps it there after this process
    // has exited. Returns an empty string, or why the text is not on the
    // clipboard.
    static QString WriteForExit(const QString& text);

    // Called once the event loop has ended, before the QApplication is
    // destroyed. On X11, while the program still owns the clipboard, its
    // text stays pasteable after the exit: a running clipboard manager gets
    // it from Qt itself as the application ends (Qt's X11 platform asks the
    // CLIPBOARD_MANAGER owner to SAVE_TARGETS); without a manager the
    // clipboard holder takes it over. Elsewhere (Wayland) it does nothing.
    // A failure is reported on stderr.
    static void KeepAfterExit();
};

} // namespace tintora
