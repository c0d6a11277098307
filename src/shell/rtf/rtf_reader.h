#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QTextDocument;

namespace tintora {

// The outcome of reading an RTF file. When `ok` is false, `message` says
// why the input was refused, in words fit to show to the user.
struct RtfResult {
    bool ok = false;
    QString message;
};

// The largest input the reader accepts. A help text is a few hundred KiB at
// most; the limit keeps a wrong or hostile file from using unbounded memory.
inline constexpr qint64 RtfMaxBytes = 8 * 1024 * 1024;

// Reads RTF bytes into `doc`, replacing its content.
//
// Refuses, leaving `doc` unchanged, input that is empty, larger than
// RtfMaxBytes, holds NUL bytes near its start (binary data, or UTF-16
// text), or does not start with "{\rtf" after optional white space and a
// UTF-8 byte order mark. Everything else is read: what the reader does not
// understand is skipped, broken structure is repaired (stray braces are
// ignored, open groups closed at the end), and `ok` is true. Time is linear
// in the size of the input, and memory bounded by it.
RtfResult ReadRtf(const QByteArray& data, QTextDocument& doc);

// Reads the RTF file at `path` into `doc` as ReadRtf does. A missing file,
// a folder, an unreadable file or one larger than RtfMaxBytes is refused,
// leaving `doc` unchanged; a file's size is checked before it is read.
RtfResult ReadRtfFile(const QString& path, QTextDocument& doc);

} // namespace tintora
