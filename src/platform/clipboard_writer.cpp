// SPDX-License-Identifier: MIT
#include "platform/clipboard_writer.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tintora {

namespace {
QString& lastText()
{
    static QString text;
    return text;
}
} // namespace

void ClipboardWriter::Write(const QString& text)
{
    lastText() = text;
    QGuiApplication::clipboard()->setText(text);
}

QString ClipboardWriter::LastWritten()
{
    return lastText();
}

} // namespace tintora
