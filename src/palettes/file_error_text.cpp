// SPDX-License-Identifier: MIT
#include "palettes/file_error_text.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace tintora {

namespace {

struct ErrorText {
    int error;
    const char* text;
};

// The C library's own English words, so that a reason reads the same as
// strerror's where no translation is loaded.
constexpr ErrorText Texts[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("FileError", "No space left on device")},
    {EDQUOT, QT_TRANSLATE_NOOP("FileError", "Disk quota exceeded")},
    {EACCES, QT_TRANSLATE_NOOP("FileError", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("FileError", "Operation not permitted")},
    {EROFS, QT_TRANSLATE_NOOP("FileError", "Read-only file system")},
    {EIO, QT_TRANSLATE_NOOP("FileError", "Input/output error")},
    {EFBIG, QT_TRANSLATE_NOOP("FileError", "File too large")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileError", "File name too long")},
    {ENOENT, QT_TRANSLATE_NOOP("FileError", "No such file or directory")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileError", "Not a directory")},
    {EISDIR, QT_TRANSLATE_NOOP("FileError", "Is a directory")},
    {ELOOP, QT_TRANSLATE_NOOP("FileError", "Too many levels of symbolic links")},
    {EMFILE, QT_TRANSLATE_NOOP("FileError", "Too many open files")},
    {EEXIST, QT_TRANSLATE_NOOP("FileError", "File exists")},
};

} // namespace

QString FileErrorText(int error)
{
    for (const ErrorText& t : Texts)
        if (t.error == error)
            return QCoreApplication::translate("FileError", t.text);
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace tintora
