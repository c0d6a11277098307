// SPDX-License-Identifier: MIT
#include "shell/windows/file_exists.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

namespace tintora {

namespace {

qsizetype LastSeparator(const QString& path)
{
    qsizetype at = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    at = std::max(at, path.lastIndexOf(QLatin1Char('\\')));
#endif
    return at;
}

} // namespace

QString FileNamePart(const QString& path)
{
    const qsizetype at = LastSeparator(path);
    return at < 0 ? path : path.mid(at + 1);
}

QString FindNormalFile(const QString& path)
{
    const QString name = FileNamePart(path);
    if (name.isEmpty())
        return QString();
    const qsizetype at = LastSeparator(path);
    QString folder;
    if (at < 0)
        folder = QStringLiteral(".");
    else if (at == 0)
        folder = path.left(1); // the root folder
    else
        folder = path.left(at);

    // Without QDir::Hidden and QDir::System the listing holds only visible
    // regular files and links to them: exactly the normal files.
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files, QDir::Name);
    QString found;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (entry == name)
            return dir.filePath(entry);
        if (found.isEmpty())
            found = dir.filePath(entry);
    }
    return found;
}

bool FileExists(const QString& path)
{
    return !FindNormalFile(path).isEmpty();
}

} // namespace tintora
