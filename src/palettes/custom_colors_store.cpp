#include "palettes/custom_colors_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <system_error>
#include <utility>

namespace tintora {

namespace {

// Lets the stream parser read straight from a QIODevice, a buffer at a time,
// so the parser's caps bound how much of the file is ever read.
class DeviceStreamBuf : public std::streambuf
{
public:
    explicit DeviceStreamBuf(QIODevice& device) : device_(device) {}

protected:
    int_type underflow() override
    {
        const qint64 n = device_.read(buffer_, sizeof buffer_);
        if (n <= 0) {
            return traits_type::eof();
        }
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    QIODevice& device_;
    char buffer_[4096];
};

QString InFolder(const QString& dir, const char* name)
{
    if (dir.isEmpty()) {
        return {};
    }
    return QDir(dir).filePath(QString::fromLatin1(name));
}

bool IsRegularFile(const QString& path)
{
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

// True when a was modified strictly later than b. Uses the file system's
// full timestamp resolution: two saves can land within one millisecond.
bool ModifiedLater(const QString& a, const QString& b)
{
    std::error_code ea;
    std::error_code eb;
    const auto ta = std::filesystem::last_write_time(QFile::encodeName(a).toStdString(), ea);
    const auto tb = std::filesystem::last_write_time(QFile::encodeName(b).toStdString(), eb);
    if (ea || eb) {
        return false;
    }
    return ta > tb;
}

QString Failure(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not save the custom colours to \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Writes bytes to path through QSaveFile: the data goes to a temporary file
// beside the target, which replaces the target only when everything was
// written. On failure returns false with a reason and leaves the target as
// it was.
bool WriteAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    if (QFileInfo(path).isDir()) {
        *error = Failure(path, QStringLiteral("a folder of that name is in the way"));
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the file before commit: with a
    // buffer, a write error during the final flush inside commit() is lost
    // and a cut-off file replaces the old one (seen with a file size limit).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = Failure(path, file.errorString());
        return false;
    }
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || file.size() != bytes.size()) {
        const QString reason = written < 0 ? file.errorString()
                                           : QStringLiteral("only %1 of %2 bytes could be written")
                                                 .arg(qMax<qint64>(written, 0))
                                                 .arg(bytes.size());
        *error = Failure(path, reason);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = Failure(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

CustomColorsStore::CustomColorsStore(QString programDir, QString userDataDir)
    : programDir_(std::move(programDir)), userDataDir_(std::move(userDataDir))
{
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
    if (ProgramDirWritable() || userDataDir_.isEmpty()) {
        return ProgramFilePath();
    }
    return UserFilePath();
}

QString CustomColorsStore::LoadPath() const
{
    const QString programFile = ProgramFilePath();
    const QString userFile = UserFilePath();
    if (!IsRegularFile(userFile)) {
        return programFile;
    }
    if (!ProgramDirWritable() || !IsRegularFile(programFile)) {
        return userFile;
    }
    return ModifiedLater(userFile, programFile) ? userFile : programFile;
}

CustomColorArray CustomColorsStore::Load() const
{
    const QString path = LoadPath();
    // Only regular files are opened: opening a pipe would block, and a
    // folder or device holds no palette.
    if (!IsRegularFile(path)) {
        return CustomColorArray{};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return CustomColorArray{};
    }
    DeviceStreamBuf buffer(file);
    std::istream in(&buffer);
    return ParseCustomColors(in).colors;
}

SaveResult CustomColorsStore::Save(const CustomColorArray& colors)
{
    std::ostringstream text;
    FormatCustomColors(colors, text);
    const std::string formatted = text.str();
    const QByteArray bytes(formatted.data(), static_cast<qsizetype>(formatted.size()));

    SaveResult result;
    result.path = FilePath();
    QStringList reasons;

    const QString programFile = ProgramFilePath();
    if (ProgramDirWritable()) {
        QString error;
        if (WriteAtomically(programFile, bytes, &error)) {
            return SaveResult{true, programFile, {}};
        }
        reasons << error;
    } else if (!programFile.isEmpty()) {
        reasons << Failure(programFile, QStringLiteral("the program's folder is missing or not writable"));
    }

    const QString userFile = UserFilePath();
    if (userFile.isEmpty()) {
        reasons << QStringLiteral("There is no per-user data folder to save the custom colours to instead.");
    } else if (!QDir().mkpath(userDataDir_)) {
        reasons << Failure(userFile, QStringLiteral("its folder could not be created"));
    } else {
        QString error;
        if (WriteAtomically(userFile, bytes, &error)) {
            return SaveResult{true, userFile, {}};
        }
        reasons << error;
    }

    result.error = reasons.join(QLatin1Char(' '));
    return result;
}

} // namespace tintora
