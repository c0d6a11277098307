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
};

} // namespace tintora
