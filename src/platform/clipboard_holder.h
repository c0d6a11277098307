// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace tintora {

// Starts tintora-clipboard-holder, the small detached process that keeps a
// text on the X11 clipboard after the program has exited (see
// clipboard_holder_main.cpp), and waits until it owns the clipboard.
class ClipboardHolder
{
public:
    // The longest text the holder takes (colour codes are far shorter).
    static constexpr qsizetype kMaxTextBytes = qsizetype{64} * 1024;

    enum class Outcome {
        Held,         // the holder owns the clipboard and serves the text
        OwnerChanged, // another program took the clipboard first: nothing to keep
        Failed,       // see error
    };
    struct Result {
        Outcome outcome = Outcome::Failed;
        QString error;
    };

    // The holder beside the program, or in ../lib/tintora for an installed
    // program; empty when there is none.
    static QString Find(const QString& programDir);

    // Hands `utf8` to the holder at `holderPath` over a socket (no limit of
    // the command line, not visible in the process list). With a non-zero
    // `fromWindow`, the holder takes the clipboard only while that window
    // still owns it. Waits at most a few seconds; a holder that does not
    // answer by then is killed.
    static Result Start(const QString& holderPath, const QByteArray& utf8, std::uint32_t fromWindow = 0);
};

} // namespace tintora
