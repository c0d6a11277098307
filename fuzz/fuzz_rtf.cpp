// SPDX-License-Identifier: MIT
// libFuzzer target for the RTF reader of the help window. Besides crashes,
// sanitizer reports and hangs, it checks that every refusal says what it
// found, and lays out each document it reads, as the help window does. The
// input is read three ways: as it is, as a document body, and as the body
// of a table row, a numbered paragraph and a footnote with a picture open,
// so that mutations reach the table, list, footnote and picture readers
// and not only the checks at the start.

#include "shell/rtf/rtf_reader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void ReadAndLayOut(const QByteArray& bytes, bool mustRead)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("before"));
    const tintora::RtfResult result = tintora::ReadRtf(bytes, doc);
    if (!result.ok) {
        Check(!mustRead);
        static const char* const found[] = {"empty file", "UTF-16 text", "binary data", "not RTF",
                                            "too large ("};
        Check(std::any_of(std::begin(found), std::end(found),
                          [&](const char* f) { return result.message.startsWith(QLatin1String(f)); }));
        Check(doc.toPlainText() == QStringLiteral("before"));
        return;
    }
    Check(result.message.isEmpty());
    doc.setTextWidth(685);
    Check(doc.size().height() >= 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv)
{
    // Laying out text needs the font database, which needs an application
    // object; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication app(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReadAndLayOut(bytes, false);
    // Most mutations break the header; read the bytes as a document body
    // too, so that the fuzzer explores the reader and not only its checks.
    // Only a NUL byte near the start can refuse that.
    const QByteArray body = "{\\rtf1 " + bytes;
    ReadAndLayOut(body, !body.first(std::min<qsizetype>(body.size(), 1024)).contains('\0'));
    const QByteArray nested =
        "{\\rtf1{\\colortbl;\\red9;}\\trowd\\clvmgf\\clbrdrt\\brdrs\\cellx500\\clmrg\\cellx900"
        "\\pard\\intbl{\\*\\pn\\pnlvlbody\\pnlcrm{\\pntxta )}}{\\footnote\\chftn "
        "{\\pict\\pngblip\\picwgoal99 " +
        bytes;
    ReadAndLayOut(nested, !nested.first(std::min<qsizetype>(nested.size(), 1024)).contains('\0'));
    return 0;
}
