// SPDX-License-Identifier: MIT
#include "palettes/custom_colors_store.h"

#include "core/file_replace.h"
#include "core/unique_fd.h"
#include "palettes/file_error_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {

namespace {

// Lets the stream parser read straight from a file descriptor, a buffer at a
// time, so the parser's caps bound how much of the file is ever read.
class FdStreamBuf : public std::streambuf
{
public:
    explicit FdStreamBuf(int fd) : fd_(fd) {}

protected:
    int_type underflow() override
    {
        ssize_t n;
        do {
            n = ::read(fd_, buffer_, sizeof buffer_);
        } while (n < 0 && errno == EINTR);
        if (n <= 0)
            return traits_type::eof();
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    int fd_;
    char buffer_[4096]{};
};

// Closes a descriptor when it goes out of scope.
QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

QString InFolder(const QString& dir, const char* name)
{
    if (dir.isEmpty())
        return {};
    return QDir(dir).filePath(QString::fromLatin1(name));
}

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString Failure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("CustomColorsStore",
                                       "Could not save the custom colours to \"%1\": %2.")
        .arg(Shown(path), reason);
}

// A regular file that the path names, following links (reading through a
// link is harmless).
bool IsRegularFile(const QString& path)
{
    struct stat st = {};
    return !path.isEmpty() && ::stat(Native(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

// The temporary files of an interrupted save: the palette's name, a dot and
// six letters or digits (the same pattern QSaveFile used before).
bool IsTemporaryName(const char* name)
{
    const std::size_t base = std::strlen(CustomColorsStore::FileName);
    if (std::strncmp(name, CustomColorsStore::FileName, base) != 0 || name[base] != '.')
        return false;
    const char* rest = name + base + 1;
    if (std::strlen(rest) != 6)
        return false;
    for (const char* p = rest; *p != '\0'; ++p) {
        const char c = *p;
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

void RemoveStaleTemporaries(const QString& dir)
{
    if (dir.isEmpty())
        return;
    DIR* d = ::opendir(Native(dir).constData());
    if (d == nullptr)
        return;
    const int dfd = ::dirfd(d);
    while (const dirent* entry = ::readdir(d)) {
        if (!IsTemporaryName(entry->d_name))
            continue;
        struct stat st = {};
        if (::fstatat(dfd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            ::unlinkat(dfd, entry->d_name, 0);
    }
    ::closedir(d);
}

// Opens a regular file for reading without ever blocking: O_NONBLOCK keeps a
// pipe that replaced the file between the check and the open from waiting
// for a writer, and fstat then rejects it.
int OpenRegularForReading(const QString& path)
{
    if (!IsRegularFile(path))
        return -1;
    Fd fd(::open(Native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st = {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return fd.release();
}

struct FileRead {
    bool opened = false;
    CustomColorsParse parse;
};

FileRead ReadPalette(const QString& path)
{
    FileRead read;
    Fd fd(OpenRegularForReading(path));
    if (fd.get() < 0)
        return read;
    read.opened = true;
    FdStreamBuf buffer(fd.get());
    std::istream in(&buffer);
    read.parse = ParseCustomColors(in);
    return read;
}

QString ProblemText(const CustomColorsParse& parse)
{
    const QString line = QString::number(parse.problemLine);
    switch (parse.problem) {
    case CustomColorsProblem::None:
        break;
    case CustomColorsProblem::LongLine:
        return QCoreApplication::translate("CustomColorsStore", "line %1 is longer than %2 bytes")
            .arg(line)
            .arg(CustomColorsMaxLineBytes);
    case CustomColorsProblem::ReadCap:
        return QCoreApplication::translate("CustomColorsStore",
                                           "it is larger than the %1 bytes that are read")
            .arg(CustomColorsMaxReadBytes);
    case CustomColorsProblem::ExtraLines:
        return QCoreApplication::translate("CustomColorsStore", "it has more than %1 lines")
            .arg(CustomColorSlots);
    case CustomColorsProblem::NotANumber:
        return QCoreApplication::translate("CustomColorsStore", "line %1 does not hold a colour value")
            .arg(line);
    case CustomColorsProblem::Binary:
        return QCoreApplication::translate("CustomColorsStore", "line %1 holds binary data").arg(line);
    }
    return {};
}

// Copies the file at `from` to the new file `to` (which must not exist),
// checking every read, write and the sync; on failure `to` is removed.
// For folders whose file system has no hard links.
bool CopyFileChecked(const QString& from, const QString& to, mode_t mode)
{
    Fd in(::open(Native(from).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (in.get() < 0)
        return false;
    Fd out(::open(Native(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (out.get() < 0)
        return false;
    char buffer[16384];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        const char* p = buffer;
        std::size_t left = static_cast<std::size_t>(n);
        while (ok && left > 0) {
            const ssize_t w = ::write(out.get(), p, left);
            if (w < 0 && errno == EINTR)
                continue;
            ok = w > 0;
            if (ok) {
                p += w;
                left -= static_cast<std::size_t>(w);
            }
        }
        if (!ok)
            break;
    }
    ok = ok && ::fsync(out.get()) == 0;
    ok = ::close(out.release()) == 0 && ok;
    if (!ok)
        ::unlink(Native(to).constData());
    return ok;
}

// Keeps the file at path under the first free name of path.bak, path.bak.2,
// ... path.bak.99. A hard link costs no copy and keeps the old content
// whatever happens to the name afterwards; where links are not supported
// the bytes are copied. Returns the backup's name, or empty with *error.
// *already is set when one of those names is a link to this very file (a
// backup made before a save that then failed), which is then not made again.
QString KeepBackup(const QString& path, const struct stat& file, bool* already, QString* error)
{
    *already = false;
    for (int n = 1; n <= 99; ++n) {
        QString backup = path + QStringLiteral(".bak") + (n == 1 ? QString() : QStringLiteral(".%1").arg(n));
        struct stat st = {};
        const int statError = ::lstat(Native(backup).constData(), &st) == 0 ? 0 : errno;
        if (statError == 0 && st.st_dev == file.st_dev && st.st_ino == file.st_ino) {
            *already = true;
            return backup;
        }
        if (statError != ENOENT)
            continue;
        if (::link(Native(path).constData(), Native(backup).constData()) == 0)
            return backup;
        if (errno == EEXIST)
            continue;
        if (CopyFileChecked(path, backup, file.st_mode & 07777))
            return backup;
        *error = QCoreApplication::translate("CustomColorsStore",
                                             "a copy of the old file could not be kept as \"%1\"")
                     .arg(Shown(backup));
        return {};
    }
    *error = QCoreApplication::translate("CustomColorsStore", "there are already 99 backups of it");
    return {};
}

// How long a save waits for another program's save of the same palette.
constexpr int LockWaitMs = 5000;

// A folder only this user can enter: $XDG_RUNTIME_DIR, else
// /tmp/tintora-<uid>, made for the purpose. Empty when neither is this
// user's own folder closed to everybody else (someone may have made the
// second one first).
QByteArray PrivateLockFolder()
{
    const auto isPrivate = [](const QByteArray& dir) {
        struct stat st = {};
        return dir.startsWith('/') && ::lstat(dir.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
               st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
    };
    QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (isPrivate(runtime))
        return runtime;
    const QByteArray own = "/tmp/tintora-" + QByteArray::number(qulonglong(::geteuid()));
    if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    return isPrivate(own) ? own : QByteArray();
}

// The lock file for the palette in `folder` (see PaletteLock), or -1.
int OpenLockFile(const QString& folder)
{
    struct stat dir = {};
    const QByteArray lockFolder = PrivateLockFolder();
    if (lockFolder.isEmpty() || ::stat(Native(folder).constData(), &dir) != 0)
        return -1;
    const QByteArray name = lockFolder + "/tintora-palette-" +
                            QByteArray::number(qulonglong(dir.st_dev), 16) + '-' +
                            QByteArray::number(qulonglong(dir.st_ino), 16) + ".lock";
    Fd fd(
        ::open(name.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600));
    struct stat st = {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
        return -1;
    return fd.release();
}

// An exclusive lock (flock) for saving the palette in `folder`, held while
// the object lives. The system drops it when the process ends, however it
// ends, so a save killed at any moment leaves no lock behind.
//
// The lock is taken on a file in a folder only this user can enter (see
// PrivateLockFolder), named after the palette folder's device and inode so
// that every path to the folder finds the same file. It is made readable by
// its owner only, opened without following links and used only when it is
// this user's regular file: another local user can neither open it nor hold
// the lock, and the palette's folder gets no file for it.
class PaletteLock
{
public:
    enum class State {
        Locked,
        Busy,      // another of this user's programs held it for the whole wait
        Unlockable // no private folder, or a file system without flock
    };

    PaletteLock(const QString& folder, int waitMs) : fd_(OpenLockFile(folder))
    {
        if (fd_.get() < 0)
            return;
        for (int waited = 0;; waited += PollMs) {
            if (::flock(fd_.get(), LOCK_EX | LOCK_NB) == 0) {
                state_ = State::Locked;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR)
                return;
            if (waited >= waitMs) {
                state_ = State::Busy;
                return;
            }
            ::usleep(PollMs * 1000);
        }
    }

    State state() const { return state_; }

private:
    static constexpr int PollMs = 5;
    Fd fd_;
    State state_ = State::Unlockable;
};

} // namespace

bool CustomColorsStore::IsInstalledLayout(const QString& programDir)
{
    if (programDir.isEmpty())
        return false;
    const QDir bin(QDir::cleanPath(QDir(programDir).absolutePath()));
    if (bin.dirName() != QLatin1String("bin"))
        return false;
    return QFileInfo(QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/tintora")))).isDir();
}

CustomColorsStore::CustomColorsStore(QString programDir, QString userDataDir)
    : programDir_(std::move(programDir)), userDataDir_(std::move(userDataDir)), place_(Place::PerUser)
{
    if (IsInstalledLayout(programDir_))
        place_ = Place::Installed;
    else if (ProgramDirWritable())
        place_ = Place::Portable;
}

QString CustomColorsStore::ProgramFilePath() const
{
    return InFolder(programDir_, FileName);
}

QString CustomColorsStore::UserFilePath() const
{
    return InFolder(userDataDir_, FileName);
}

bool CustomColorsStore::ProgramDirWritable() const
{
    if (programDir_.isEmpty())
        return false;
    const QFileInfo info(programDir_);
    return info.isDir() && info.isWritable();
}

QString CustomColorsStore::FilePath() const
{
    return place_ == Place::Portable ? ProgramFilePath() : UserFilePath();
}

QString CustomColorsStore::LoadPath() const
{
    if (place_ == Place::PerUser) {
        const QString userFile = UserFilePath();
        struct stat st = {};
        const bool userExists = !userFile.isEmpty() && ::lstat(Native(userFile).constData(), &st) == 0;
        if (!userExists && IsRegularFile(ProgramFilePath()))
            return ProgramFilePath();
    }
    return FilePath();
}

CustomColorArray CustomColorsStore::WithUnsaved(const CustomColorArray& base) const
{
    CustomColorArray colors = base;
    for (std::size_t i = 0; i < colors.size(); ++i)
        if (unsaved_[i])
            colors[i] = unsavedColors_[i];
    return colors;
}

CustomColorArray CustomColorsStore::Load()
{
    const QString target = FilePath();
    if (!target.isEmpty()) {
        // Another program's save in progress has its temporary file there:
        // only clean up while no save holds the lock.
        const PaletteLock lock(QFileInfo(target).absolutePath(), 0);
        if (lock.state() == PaletteLock::State::Locked)
            RemoveStaleTemporaries(QFileInfo(target).absolutePath());
    }
    const FileRead read = ReadPalette(LoadPath());
    // A file that is missing, or that something else stands in place of,
    // says nothing about the colours: what was read last stays.
    if (read.opened)
        fileColors_ = read.parse.colors;
    shown_ = WithUnsaved(fileColors_);
    return shown_;
}

SaveResult CustomColorsStore::Save(const CustomColorArray& colors)
{
    SaveResult result;
    result.path = FilePath();
    // The cells this window changed: those that differ from what it was
    // shown. Only these are laid over the file as it is now, so colours that
    // another program saved in the meantime stay.
    for (std::size_t i = 0; i < colors.size(); ++i) {
        if (colors[i] != shown_[i]) {
            unsaved_.set(i);
            unsavedColors_[i] = colors[i];
        }
    }
    const auto fail = [&](const QString& error) {
        result.error = error;
        shown_ = WithUnsaved(fileColors_);
        result.colors = shown_;
        return result;
    };

    if (result.path.isEmpty()) {
        return fail(QCoreApplication::translate(
            "CustomColorsStore", "Could not save the custom colours: there is no per-user data folder "
                                 "to keep them in."));
    }
    const QString folder = QFileInfo(result.path).absolutePath();
    if (place_ != Place::Portable && !QDir().mkpath(folder))
        return fail(Failure(result.path, QCoreApplication::translate("CustomColorsStore",
                                                                     "its folder could not be created")));

    // Reading the file, laying the changes over it and replacing it happen
    // under one lock, so two programs saving at once each keep the other's
    // cells. Where no lock can be had at all (a file system without flock,
    // no private folder for the lock), the save goes ahead without one.
    const PaletteLock lock(folder, LockWaitMs);
    if (lock.state() == PaletteLock::State::Busy)
        return fail(
            Failure(result.path, QCoreApplication::translate("CustomColorsStore",
                                                             "another program is saving it; try again")));

    mode_t mode = NewFileMode();
    struct stat st = {};
    const int statError = ::lstat(Native(result.path).constData(), &st) == 0 ? 0 : errno;
    if (statError == 0) {
        if (S_ISLNK(st.st_mode)) {
            return fail(Failure(result.path,
                                QCoreApplication::translate("CustomColorsStore",
                                                            "it is a symbolic link; neither the link nor the "
                                                            "file it points to was changed")));
        }
        if (!S_ISREG(st.st_mode)) {
            return fail(Failure(
                result.path, QCoreApplication::translate("CustomColorsStore",
                                                         "something other than a file (a folder, a pipe or "
                                                         "a device) has that name; it was left as it is")));
        }
        mode = st.st_mode & 07777;
        const FileRead old = ReadPalette(result.path);
        if (old.opened)
            fileColors_ = old.parse.colors;
        if (!old.opened || !old.parse.clean()) {
            QString error;
            bool already = false;
            const QString backup = KeepBackup(result.path, st, &already, &error);
            if (backup.isEmpty())
                return fail(
                    Failure(result.path, error + QCoreApplication::translate("CustomColorsStore",
                                                                             "; the file was not replaced")));
            if (!already) {
                const QString why =
                    old.opened ? ProblemText(old.parse)
                               : QCoreApplication::translate("CustomColorsStore", "it could not be opened");
                result.notice =
                    QCoreApplication::translate(
                        "CustomColorsStore", "\"%1\" could not be read in full (%2), so the custom colours "
                                             "shown did not all come from it. Before saving over it, the old "
                                             "file was kept as \"%3\".")
                        .arg(Shown(result.path), why, Shown(backup));
            }
        }
    } else if (statError != ENOENT) {
        return fail(Failure(result.path, FileErrorText(statError)));
    }

    const CustomColorArray merged = WithUnsaved(fileColors_);
    std::ostringstream text;
    FormatCustomColors(merged, text);
    const int writeError = ReplaceFileAtomically(Native(result.path).toStdString(), text.str(), mode);
    if (writeError != 0)
        return fail(Failure(result.path, FileErrorText(writeError)));
    result.ok = true;
    fileColors_ = merged;
    unsaved_.reset();
    shown_ = merged;
    result.colors = merged;
    return result;
}

} // namespace tintora
