#include "palettes/custom_colors_store.h"

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
        if (n <= 0) {
            return traits_type::eof();
        }
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    int fd_;
    char buffer_[4096]{};
};

// Closes a descriptor when it goes out of scope.
class Fd
{
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

QString InFolder(const QString& dir, const char* name)
{
    if (dir.isEmpty()) {
        return {};
    }
    return QDir(dir).filePath(QString::fromLatin1(name));
}

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString Failure(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not save the custom colours to \"%1\": %2.").arg(Shown(path), reason);
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
    if (std::strncmp(name, CustomColorsStore::FileName, base) != 0 || name[base] != '.') {
        return false;
    }
    const char* rest = name + base + 1;
    if (std::strlen(rest) != 6) {
        return false;
    }
    for (const char* p = rest; *p != '\0'; ++p) {
        const char c = *p;
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
            return false;
        }
    }
    return true;
}

void RemoveStaleTemporaries(const QString& dir)
{
    if (dir.isEmpty()) {
        return;
    }
    DIR* d = ::opendir(Native(dir).constData());
    if (d == nullptr) {
        return;
    }
    const int dfd = ::dirfd(d);
    while (const dirent* entry = ::readdir(d)) {
        if (!IsTemporaryName(entry->d_name)) {
            continue;
        }
        struct stat st = {};
        if (::fstatat(dfd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)) {
            ::unlinkat(dfd, entry->d_name, 0);
        }
    }
    ::closedir(d);
}

// Opens a regular file for reading without ever blocking: O_NONBLOCK keeps a
// pipe that replaced the file between the check and the open from waiting
// for a writer, and fstat then rejects it.
int OpenRegularForReading(const QString& path)
{
    if (!IsRegularFile(path)) {
        return -1;
    }
    Fd fd(::open(Native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st = {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return -1;
    }
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
    if (fd.get() < 0) {
        return read;
    }
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
        return QStringLiteral("line %1 is longer than %2 bytes").arg(line).arg(CustomColorsMaxLineBytes);
    case CustomColorsProblem::ReadCap:
        return QStringLiteral("it is larger than the %1 bytes that are read").arg(CustomColorsMaxReadBytes);
    case CustomColorsProblem::ExtraLines:
        return QStringLiteral("it has more than %1 lines").arg(CustomColorSlots);
    case CustomColorsProblem::NotANumber:
        return QStringLiteral("line %1 does not hold a colour value").arg(line);
    case CustomColorsProblem::Binary:
        return QStringLiteral("line %1 holds binary data").arg(line);
    }
    return {};
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
        if (statError != ENOENT) {
            continue;
        }
        if (::link(Native(path).constData(), Native(backup).constData()) == 0) {
            return backup;
        }
        if (errno == EEXIST) {
            continue;
        }
        if (QFile::copy(path, backup)) {
            return backup;
        }
        *error = QStringLiteral("a copy of the old file could not be kept as \"%1\"").arg(Shown(backup));
        return {};
    }
    *error = QStringLiteral("there are already 99 backups of it");
    return {};
}

bool WriteAll(int fd, const char* data, std::size_t size, int* error)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            *error = errno;
            return false;
        }
        if (n == 0) {
            *error = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

mode_t NewFileMode()
{
    // The mode a plain create would give: 0666 less the umask, which can only
    // be read by setting it.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes bytes to a temporary file beside path, syncs it, and renames it
// over path, then syncs the folder so that the rename survives a power loss.
// rename() replaces the name itself and never follows a link there; the
// caller has already refused links and special files in path's place. On
// failure the temporary file is removed and path is left as it was.
bool WriteAtomically(const QString& path, const QByteArray& bytes, mode_t mode, QString* error)
{
    const QFileInfo info(path);
    const QByteArray dirName = Native(info.absolutePath());
    Fd dir(::open(dirName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) {
        *error = Failure(path, ErrnoText(errno));
        return false;
    }
    QByteArray temp = Native(path) + ".XXXXXX";
    Fd file(::mkostemp(temp.data(), O_CLOEXEC));
    if (file.get() < 0) {
        *error = Failure(path, ErrnoText(errno));
        return false;
    }
    int err = 0;
    const bool done = ::fchmod(file.get(), mode) == 0 &&
                      WriteAll(file.get(), bytes.constData(), static_cast<std::size_t>(bytes.size()), &err) &&
                      ::fsync(file.get()) == 0;
    if (!done && err == 0) {
        err = errno;
    }
    if (!done || ::close(file.release()) != 0) {
        if (err == 0) {
            err = errno;
        }
        ::unlink(temp.constData());
        *error = Failure(path, ErrnoText(err));
        return false;
    }
    if (::rename(temp.constData(), Native(path).constData()) != 0) {
        err = errno;
        ::unlink(temp.constData());
        *error = Failure(path, ErrnoText(err));
        return false;
    }
    // The new content is in place; a failing folder sync only weakens the
    // guarantee against power loss, so it is not reported as a failed save.
    ::fsync(dir.get());
    return true;
}

} // namespace

bool CustomColorsStore::IsInstalledLayout(const QString& programDir)
{
    if (programDir.isEmpty()) {
        return false;
    }
    const QDir bin(QDir::cleanPath(QDir(programDir).absolutePath()));
    if (bin.dirName() != QLatin1String("bin")) {
        return false;
    }
    return QFileInfo(QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/tintora")))).isDir();
}

CustomColorsStore::CustomColorsStore(QString programDir, QString userDataDir)
    : programDir_(std::move(programDir)), userDataDir_(std::move(userDataDir)), place_(Place::PerUser)
{
    if (IsInstalledLayout(programDir_)) {
        place_ = Place::Installed;
    } else if (ProgramDirWritable()) {
        place_ = Place::Portable;
    }
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
    if (programDir_.isEmpty()) {
        return false;
    }
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
        if (!userExists && IsRegularFile(ProgramFilePath())) {
            return ProgramFilePath();
        }
    }
    return FilePath();
}

CustomColorArray CustomColorsStore::Load()
{
    const QString target = FilePath();
    if (!target.isEmpty()) {
        RemoveStaleTemporaries(QFileInfo(target).absolutePath());
    }
    const QString path = LoadPath();
    fileColors_ = path == target ? ReadPalette(path).parse.colors : CustomColorArray{};
    CustomColorArray colors = path == target ? fileColors_ : ReadPalette(path).parse.colors;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        if (unsaved_[i]) {
            colors[i] = unsavedColors_[i];
        }
    }
    return colors;
}

SaveResult CustomColorsStore::Save(const CustomColorArray& colors)
{
    SaveResult result;
    result.path = FilePath();
    const auto fail = [&](const QString& error) {
        result.error = error;
        for (std::size_t i = 0; i < colors.size(); ++i) {
            if (colors[i] != fileColors_[i]) {
                unsaved_.set(i);
                unsavedColors_[i] = colors[i];
            } else {
                unsaved_.reset(i);
            }
        }
        return result;
    };

    if (result.path.isEmpty()) {
        return fail(QStringLiteral("Could not save the custom colours: there is no per-user data folder "
                                   "to keep them in."));
    }
    const QString folder = QFileInfo(result.path).absolutePath();
    if (place_ != Place::Portable && !QDir().mkpath(folder)) {
        return fail(Failure(result.path, QStringLiteral("its folder could not be created")));
    }

    mode_t mode = NewFileMode();
    struct stat st = {};
    const int statError = ::lstat(Native(result.path).constData(), &st) == 0 ? 0 : errno;
    if (statError == 0) {
        if (S_ISLNK(st.st_mode)) {
            return fail(Failure(result.path, QStringLiteral("it is a symbolic link; neither the link nor the "
                                                            "file it points to was changed")));
        }
        if (!S_ISREG(st.st_mode)) {
            return fail(
                Failure(result.path, QStringLiteral("something other than a file (a folder, a pipe or "
                                                    "a device) has that name; it was left as it is")));
        }
        mode = st.st_mode & 07777;
        const FileRead old = ReadPalette(result.path);
        if (!old.opened || !old.parse.clean()) {
            QString error;
            bool already = false;
            const QString backup = KeepBackup(result.path, st, &already, &error);
            if (backup.isEmpty()) {
                return fail(Failure(result.path, error + QStringLiteral("; the file was not replaced")));
            }
            if (!already) {
                const QString why =
                    old.opened ? ProblemText(old.parse) : QStringLiteral("it could not be opened");
                result.notice =
                    QStringLiteral("\"%1\" could not be read in full (%2), so the custom colours "
                                   "shown did not all come from it. Before saving over it, the old "
                                   "file was kept as \"%3\".")
                        .arg(Shown(result.path), why, Shown(backup));
            }
        }
    } else if (statError != ENOENT) {
        return fail(Failure(result.path, ErrnoText(statError)));
    }

    std::ostringstream text;
    FormatCustomColors(colors, text);
    const std::string formatted = text.str();
    const QByteArray bytes(formatted.data(), static_cast<qsizetype>(formatted.size()));
    QString error;
    if (!WriteAtomically(result.path, bytes, mode, &error)) {
        return fail(error);
    }
    result.ok = true;
    fileColors_ = colors;
    unsaved_.reset();
    return result;
}

} // namespace tintora
