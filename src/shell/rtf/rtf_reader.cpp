// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_reader.h"

#include "shell/rtf/rtf_document_builder.h"
#include "shell/rtf/rtf_tokenizer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {

namespace {

// How much of the start of the input is checked for NUL bytes. RTF is
// 7-bit text; binary data only appears behind \bin.
constexpr qsizetype BinaryProbeBytes = 1024;
constexpr double MiB = 1024.0 * 1024.0;

QString MiBText(double mib)
{
    return std::floor(mib) == mib ? QString::number(static_cast<qint64>(mib)) : QString::number(mib, 'f', 1);
}

QString TooLarge(qint64 size)
{
    // Rounded up to a tenth, so that a file just over the limit never
    // reads as the limit itself.
    const double mib = std::ceil(static_cast<double>(size) * 10.0 / MiB) / 10.0;
    return QCoreApplication::translate("RtfReader", "too large (%1 MiB, limit %2 MiB)")
        .arg(MiBText(mib), MiBText(RtfMaxBytes / MiB));
}

RtfResult Refuse(const QString& message)
{
    return RtfResult{false, message, false};
}

// UTF-16 text starts with its byte order mark, or, without one, has a NUL
// in every other byte of its ASCII characters.
bool IsUtf16(QByteArrayView data)
{
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
        return true;
    if (data.size() < 4)
        return false;
    const bool littleEndian = data[0] != '\0' && data[1] == '\0' && data[2] != '\0' && data[3] == '\0';
    const bool bigEndian = data[0] == '\0' && data[1] != '\0' && data[2] == '\0' && data[3] != '\0';
    return littleEndian || bigEndian;
}

// Whether the first KiB holds a NUL byte outside the data of a \bin.
bool HasBinaryHeader(QByteArrayView data)
{
    const QByteArrayView probe = data.first(std::min(data.size(), BinaryProbeBytes));
    RtfTokenizer tokenizer(probe);
    RtfToken token;
    qsizetype checked = 0; // bytes before this offset hold no stray NUL
    while (tokenizer.Next(token)) {
        if (token.kind != RtfToken::Kind::Binary)
            continue;
        const qsizetype start = token.text.data() - probe.data();
        if (probe.sliced(checked, start - checked).contains('\0'))
            return true;
        checked = start + token.text.size();
    }
    return probe.sliced(checked).contains('\0');
}

// Where the RTF starts in `data`, after a byte order mark and white space,
// or the reason to refuse `data`.
struct Check {
    qsizetype start = 0;
    QString problem;
};

Check CheckInput(QByteArrayView data)
{
    if (data.isEmpty())
        return {0, QCoreApplication::translate("RtfReader", "empty file")};
    if (data.size() > RtfMaxBytes)
        return {0, TooLarge(data.size())};
    if (IsUtf16(data))
        return {0, QStringLiteral("UTF-16 text")};
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < data.size() &&
           (data[start] == ' ' || data[start] == '\t' || data[start] == '\r' || data[start] == '\n')) {
        ++start;
    }
    const bool rtf = data.sliced(start).startsWith("{\\rtf");
    if (rtf ? HasBinaryHeader(data) : data.first(std::min(data.size(), BinaryProbeBytes)).contains('\0'))
        return {0, QCoreApplication::translate("RtfReader", "binary data")};
    if (!rtf)
        return {0, QCoreApplication::translate("RtfReader", "not RTF")};
    return {start, QString()};
}

} // namespace

struct RtfPartReader::State {
    State(const QByteArray& bytes, QTextDocument& document, int pictureWidth)
        : data(bytes), doc(document), builder(document, pictureWidth)
    {
    }
    QByteArray data;    // the builder reads it in place
    QByteArrayView rtf; // from "{\\rtf" on
    QTextDocument& doc;
    RtfDocumentBuilder builder;
    qsizetype position = 0; // how far the builder has been asked to read
    bool undo = false;
};

RtfPartReader::RtfPartReader(const QByteArray& data, QTextDocument& doc, int pictureWidth)
{
    const Check check = CheckInput(data);
    if (!check.problem.isEmpty()) {
        result_ = Refuse(check.problem);
        return;
    }
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    state_ = std::make_unique<State>(data, doc, pictureWidth);
    state_->undo = undo;
    state_->rtf = QByteArrayView(state_->data).sliced(check.start);
    state_->builder.Begin(state_->rtf);
    result_ = RtfResult{true, QString(), false};
}

RtfPartReader::~RtfPartReader()
{
    // A reader dropped part way leaves what it read, and the undo stack as
    // it found it.
    if (state_ && !done())
        state_->doc.setUndoRedoEnabled(state_->undo);
}

bool RtfPartReader::ReadMore(qsizetype bytes)
{
    if (done())
        return true;
    State& s = *state_;
    s.position = s.position > s.rtf.size() - bytes ? s.rtf.size() : s.position + bytes;
    if (!s.builder.Step(s.position))
        return false;
    s.builder.End();
    result_.truncated = s.builder.truncated();
    s.doc.setUndoRedoEnabled(s.undo);
    finished_ = true;
    return true;
}

bool RtfPartReader::done() const
{
    return !state_ || finished_;
}

RtfResult RtfPartReader::result() const
{
    return result_;
}

RtfResult ReadRtf(const QByteArray& data, QTextDocument& doc, int pictureWidth)
{
    RtfPartReader reader(data, doc, pictureWidth);
    reader.ReadMore(data.size());
    return reader.result();
}

RtfResult ReadRtfFile(const QString& path, QTextDocument& doc, int pictureWidth)
{
    QByteArray data;
    const RtfResult read = ReadRtfFileBytes(path, data);
    return read.ok ? ReadRtf(data, doc, pictureWidth) : read;
}

RtfResult ReadRtfFileBytes(const QString& path, QByteArray& data)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Refuse(QCoreApplication::translate("RtfReader", "file not found: %1").arg(path));
    if (info.isDir())
        return Refuse(QCoreApplication::translate("RtfReader", "not a file but a folder: %1").arg(path));
    if (!info.isFile()) {
        // A FIFO would block the reader, a device could be endless.
        return Refuse(QCoreApplication::translate("RtfReader", "not a regular file: %1").arg(path));
    }
    if (info.size() > RtfMaxBytes)
        return Refuse(TooLarge(info.size()));
    // The bytes are copied with pread rather than mapped: a mapped file that
    // another process truncates during the load turns the next touch of a
    // page past its new end into SIGBUS. A read only ever comes up short.
    // O_NONBLOCK keeps a pipe that took the file's place after the check
    // above from blocking the open; fstat then refuses it.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return Refuse(QCoreApplication::translate("RtfReader", "cannot read %1: %2")
                          .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
    data.clear();
    int error = 0;
    struct stat st = {};
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Refuse(QCoreApplication::translate("RtfReader", "not a regular file: %1").arg(path));
    } else {
        // The size may change while the bytes are read: a file that shrinks
        // ends early, one that grows is caught by reading one byte past the
        // limit.
        const qint64 expected = std::min<qint64>(std::max<qint64>(st.st_size, 0), RtfMaxBytes) + 1;
        data.resize(static_cast<qsizetype>(expected));
        qint64 got = 0;
        while (got <= RtfMaxBytes) {
            if (got == data.size())
                data.resize(static_cast<qsizetype>(std::min<qint64>(RtfMaxBytes + 1, got * 2)));
            const ssize_t n =
                ::pread(fd, data.data() + got, static_cast<std::size_t>(data.size() - got), got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                error = errno;
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        data.truncate(static_cast<qsizetype>(got));
    }
    ::close(fd);
    if (error != 0) {
        return Refuse(QCoreApplication::translate("RtfReader", "cannot read %1: %2")
                          .arg(path, QString::fromLocal8Bit(std::strerror(error))));
    }
    return RtfResult{true, QString(), false};
}

} // namespace tintora
