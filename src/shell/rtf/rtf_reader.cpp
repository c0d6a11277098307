#include "shell/rtf/rtf_reader.h"

#include "shell/rtf/rtf_document_builder.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace tintora {

namespace {

// How much of the start of the input is checked for NUL bytes. RTF is
// 7-bit text; binary data only appears behind \bin, which no writer puts
// into the header.
constexpr qsizetype BinaryProbeBytes = 1024;

QString TooLarge(qint64 size)
{
    return QStringLiteral("file too large (%1 bytes, limit %2 bytes)").arg(size).arg(RtfMaxBytes);
}

RtfResult Refuse(const QString& message)
{
    return RtfResult{false, message};
}

// Where the RTF starts in `data`, after a byte order mark and white space,
// or the reason to refuse `data`.
struct Check {
    qsizetype start = 0;
    QString problem;
};

Check CheckInput(const QByteArray& data)
{
    if (data.isEmpty()) {
        return {0, QStringLiteral("the file is empty")};
    }
    if (data.size() > RtfMaxBytes) {
        return {0, TooLarge(data.size())};
    }
    if (QByteArrayView(data).first(std::min(data.size(), BinaryProbeBytes)).contains('\0')) {
        return {0, QStringLiteral("not an RTF file: it contains binary data")};
    }
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF")) {
        start = 3;
    }
    while (start < data.size() &&
           (data[start] == ' ' || data[start] == '\t' || data[start] == '\r' || data[start] == '\n')) {
        ++start;
    }
    if (!QByteArrayView(data).sliced(start).startsWith("{\\rtf")) {
        return {0, QStringLiteral("not an RTF file: it does not start with {\\rtf")};
    }
    return {start, QString()};
}

} // namespace

RtfResult ReadRtf(const QByteArray& data, QTextDocument& doc)
{
    const Check check = CheckInput(data);
    if (!check.problem.isEmpty()) {
        return Refuse(check.problem);
    }
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    RtfDocumentBuilder builder(doc);
    builder.Build(QByteArrayView(data).sliced(check.start));
    doc.setUndoRedoEnabled(undo);
    return RtfResult{true, QString()};
}

RtfResult ReadRtfFile(const QString& path, QTextDocument& doc)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return Refuse(QStringLiteral("file not found: %1").arg(path));
    }
    if (info.isDir()) {
        return Refuse(QStringLiteral("not a file but a folder: %1").arg(path));
    }
    if (info.size() > RtfMaxBytes) {
        return Refuse(TooLarge(info.size()));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refuse(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    // Devices and files that grow while being read report a size that does
    // not hold; reading one byte past the limit catches them.
    const QByteArray data = file.read(RtfMaxBytes + 1);
    if (data.size() > RtfMaxBytes) {
        return Refuse(QStringLiteral("file too large (more than %1 bytes)").arg(RtfMaxBytes));
    }
    if (data.isEmpty() && file.error() != QFileDevice::NoError) {
        return Refuse(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    return ReadRtf(data, doc);
}

} // namespace tintora
