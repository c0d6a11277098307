// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>

class QTextDocument;

namespace tintora {

// The outcome of reading an RTF file. When `ok` is false, `message` says
// why the input was refused, in words fit to show to the user, naming what
// was found: "empty file", "UTF-16 text", "binary data", "not RTF",
// "too large (N MiB, limit M MiB)", or a file system error.
struct RtfResult {
    bool ok = false;
    QString message;
    // The document was read, but it holds more than the view keeps: its end
    // is left out (see RtfDocumentWriter's limits).
    bool truncated = false;
};

// The largest input the reader accepts. It bounds the bytes read, not what
// is kept: pictures that are not shown (metafiles, and the second copy of
// each picture that word processors store) are passed over, so a help file
// with a dozen screenshots fits. What the document keeps is bounded apart
// from this, by the text and pixels it holds.
inline constexpr qint64 RtfMaxBytes = 64LL * 1024 * 1024;

// The widest a picture is shown, in pixels: the text column of the help
// view. Wider pictures are scaled down to it.
inline constexpr int RtfPictureWidth = 640;

// Reads RTF bytes into `doc`, replacing its content.
//
// Refuses, leaving `doc` unchanged, input that is empty, larger than
// RtfMaxBytes, UTF-16 text, binary data (NUL bytes in the first KiB other
// than in the data of a \bin), or does not start with "{\rtf" after
// optional white space and a UTF-8 byte order mark. Everything else is
// read: what the reader does not understand is skipped, broken structure
// is repaired (stray braces are ignored, open groups closed at the end),
// and `ok` is true. Time is linear in the size of the input; memory is
// bounded by the reader's limits, not by the input.
RtfResult ReadRtf(const QByteArray& data, QTextDocument& doc, int pictureWidth = RtfPictureWidth);

// Reads the RTF file at `path` into `doc` as ReadRtf does. A missing file,
// a folder, a device, an unreadable file or one larger than RtfMaxBytes is
// refused, leaving `doc` unchanged; a file's size is checked before it is
// read. The bytes are copied into memory (at most RtfMaxBytes + 1), so a
// file that another process truncates or rewrites during the load gives
// whatever it held when each part was read, never a signal.
RtfResult ReadRtfFile(const QString& path, QTextDocument& doc, int pictureWidth = RtfPictureWidth);

// Reads the bytes of the RTF file at `path` into `data`, refusing what
// ReadRtfFile refuses; `ok` with the bytes read, the document untouched.
RtfResult ReadRtfFileBytes(const QString& path, QByteArray& data);

// Reads RTF bytes into `doc` a part at a time, as ReadRtf does at once, so
// that the start of a long text can be shown before the rest is read. The
// input is checked and `doc` cleared when the reader is made; a refused
// input leaves `doc` unchanged and the reader done. Each part ends between
// two tokens of the input, so the last paragraph read may still grow. The
// document's undo stack is off until the reading is done.
class RtfPartReader
{
public:
    RtfPartReader(const QByteArray& data, QTextDocument& doc, int pictureWidth = RtfPictureWidth);
    ~RtfPartReader();
    RtfPartReader(const RtfPartReader&) = delete;
    RtfPartReader& operator=(const RtfPartReader&) = delete;

    // Reads on until `bytes` more bytes of the input are read or it ends.
    // Returns done().
    bool ReadMore(qsizetype bytes);
    bool done() const;
    // `ok` and `message` from the start; `truncated` once done.
    RtfResult result() const;

private:
    struct State;
    std::unique_ptr<State> state_; // null when the input was refused
    RtfResult result_;
    bool finished_ = false;
};

} // namespace tintora
