// SPDX-License-Identifier: MIT
#pragma once

// Reading and writing a whole file in a test.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tintora::test {

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes `bytes` the file's whole content; false when any of it could not be
// written.
inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() &&
           file.flush();
}

} // namespace tintora::test
