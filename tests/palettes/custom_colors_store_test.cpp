#include "palettes/custom_colors_store.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tintora {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void SetModified(const QString& path, int secondsFromNow)
{
    const auto when = std::filesystem::file_time_type::clock::now() + std::chrono::seconds(secondsFromNow);
    std::filesystem::last_write_time(QFile::encodeName(path).toStdString(), when);
}

CustomColorArray Palette(std::int32_t cell1)
{
    CustomColorArray colors{};
    colors[0] = -42;
    colors[1] = cell1;
    colors[224] = 0xFFFFFF;
    return colors;
}

// Folders of one test: a writable program folder, a per-user folder that
// does not exist yet, and a program folder that cannot be created or
// written even by root, because its parent is a regular file.
struct Folders {
    QTemporaryDir root;
    QString program;
    QString user;
    QString blockedProgram;

    Folders()
    {
        program = root.filePath("bin");
        user = root.filePath("home/data");
        QDir().mkpath(program);
        QFile blocker(root.filePath("not-a-folder"));
        if (blocker.open(QIODevice::WriteOnly)) {
            blocker.write("x");
        }
        blockedProgram = root.filePath("not-a-folder/bin");
    }
};

// Limits the size of files this process may write, so that a save fails
// part-way through even for root; restores the limit when it goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    bool Active() const { return active_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
    bool active_ = false;
};

TEST(CustomColorsStore, LoadWithoutFileGivesZerosAndCreatesNothing)
{
    Folders f;
    const CustomColorsStore store(f.program, f.user);
    EXPECT_EQ(store.Load(), CustomColorArray{});
    EXPECT_FALSE(QFile::exists(store.ProgramFilePath()));
    EXPECT_FALSE(QFileInfo::exists(f.user));
    EXPECT_EQ(QDir(f.program).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
}

TEST(CustomColorsStore, SaveWritesProgramFolderAndLoadReadsItBack)
{
    Folders f;
    CustomColorsStore store(f.program, f.user);
    EXPECT_EQ(store.FilePath(), QDir(f.program).filePath("usercolors.cps"));

    const SaveResult saved = store.Save(Palette(255));
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_TRUE(saved.error.isEmpty());
    EXPECT_EQ(saved.path, store.ProgramFilePath());
    EXPECT_FALSE(QFileInfo::exists(f.user));

    const QByteArray bytes = ReadAll(saved.path);
    EXPECT_EQ(bytes.count("\r\n"), 225);
    EXPECT_TRUE(bytes.startsWith("-42 \r\n 255 \r\n 0 \r\n"));
    EXPECT_EQ(store.Load(), Palette(255));
    EXPECT_EQ(QDir(f.program).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"usercolors.cps"});
}

TEST(CustomColorsStore, FailedWriteKeepsTheOldFileWhole)
{
    Folders f;
    CustomColorsStore store(f.program, f.user);
    ASSERT_TRUE(store.Save(Palette(255)).ok);
    const QByteArray before = ReadAll(store.ProgramFilePath());
    ASSERT_FALSE(before.isEmpty());

    SaveResult saved;
    {
        FileSizeLimit limit(64);
        ASSERT_TRUE(limit.Active());
        saved = store.Save(Palette(0x00FF00));
    }
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.error.contains(store.ProgramFilePath())) << saved.error.toStdString();
    EXPECT_TRUE(saved.error.contains(store.UserFilePath())) << saved.error.toStdString();
    EXPECT_EQ(ReadAll(store.ProgramFilePath()), before);
    EXPECT_FALSE(QFile::exists(store.UserFilePath()));
    EXPECT_EQ(store.Load(), Palette(255));
    // No temporary file is left beside the palette.
    EXPECT_EQ(QDir(f.program).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"usercolors.cps"});
    EXPECT_EQ(QDir(f.user).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
}

TEST(CustomColorsStore, UnwritableProgramFolderFallsBackToUserFolder)
{
    Folders f;
    CustomColorsStore store(f.blockedProgram, f.user);
    EXPECT_FALSE(store.ProgramDirWritable());
    EXPECT_EQ(store.FilePath(), QDir(f.user).filePath("usercolors.cps"));
    EXPECT_EQ(store.Load(), CustomColorArray{});

    const SaveResult saved = store.Save(Palette(255));
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_EQ(saved.path, store.UserFilePath());
    EXPECT_EQ(store.LoadPath(), store.UserFilePath());
    EXPECT_EQ(store.Load(), Palette(255));
}

TEST(CustomColorsStore, WritableProgramFolderPrefersTheNewerFile)
{
    Folders f;
    WriteAll(QDir(f.program).filePath("usercolors.cps"), "0\r\n123\r\n");
    CustomColorsStore writable(f.program, f.user);
    EXPECT_EQ(writable.Load()[1], 123);

    // The user's own file wins over the program folder's only when it is
    // newer there (a fallback save); an older one is ignored.
    ASSERT_TRUE(QDir().mkpath(f.user));
    WriteAll(QDir(f.user).filePath("usercolors.cps"), "0\r\n77\r\n");
    SetModified(writable.ProgramFilePath(), -60);
    SetModified(writable.UserFilePath(), -120);
    EXPECT_EQ(writable.LoadPath(), writable.ProgramFilePath());
    EXPECT_EQ(writable.Load()[1], 123);
    SetModified(writable.UserFilePath(), -30);
    EXPECT_EQ(writable.LoadPath(), writable.UserFilePath());
    EXPECT_EQ(writable.Load()[1], 77);

    // The next successful save goes to the program folder and is what the
    // following load shows again.
    ASSERT_TRUE(writable.Save(Palette(5)).ok);
    EXPECT_EQ(writable.Load(), Palette(5));
}

TEST(CustomColorsStore, FailedProgramSaveFallsBackAndLoadFollowsIt)
{
    Folders f;
    // A folder named like the palette blocks the program-folder save.
    ASSERT_TRUE(QDir().mkpath(QDir(f.program).filePath("usercolors.cps")));
    CustomColorsStore store(f.program, f.user);
    ASSERT_TRUE(store.ProgramDirWritable());
    EXPECT_EQ(store.Load(), CustomColorArray{});

    const SaveResult saved = store.Save(Palette(255));
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_EQ(saved.path, store.UserFilePath());
    EXPECT_TRUE(QFileInfo(store.ProgramFilePath()).isDir());
    EXPECT_EQ(store.Load(), Palette(255));
}

TEST(CustomColorsStore, FallbackSaveAfterProgramSaveIsWhatLoadShows)
{
    Folders f;
    CustomColorsStore store(f.program, f.user);
    ASSERT_TRUE(store.Save(Palette(1)).ok);
    SetModified(store.ProgramFilePath(), -60);
    // Block the program file so the next save must fall back.
    const QString programFile = store.ProgramFilePath();
    ASSERT_TRUE(QFile::remove(programFile));
    ASSERT_TRUE(QDir().mkpath(programFile));
    ASSERT_TRUE(store.Save(Palette(2)).ok);
    ASSERT_TRUE(QDir().rmdir(programFile));
    WriteAll(programFile, "0\r\n1\r\n");
    SetModified(programFile, -60);
    EXPECT_EQ(store.Load(), Palette(2));
}

TEST(CustomColorsStore, BothPlacesFailingReportsBothFiles)
{
    Folders f;
    const QString blockedUser = QDir(f.root.path()).filePath("not-a-folder/data");
    CustomColorsStore store(f.blockedProgram, blockedUser);
    const SaveResult saved = store.Save(Palette(255));
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.error.isEmpty());
    EXPECT_TRUE(saved.error.contains(QDir::toNativeSeparators(store.ProgramFilePath())))
        << saved.error.toStdString();
    EXPECT_TRUE(saved.error.contains(QDir::toNativeSeparators(store.UserFilePath())))
        << saved.error.toStdString();
    EXPECT_EQ(store.Load(), CustomColorArray{});

    CustomColorsStore noUserFolder(f.blockedProgram, QString());
    const SaveResult alone = noUserFolder.Save(Palette(255));
    EXPECT_FALSE(alone.ok);
    EXPECT_TRUE(alone.error.contains(noUserFolder.ProgramFilePath())) << alone.error.toStdString();
}

TEST(CustomColorsStore, OddFilesLoadWithinLimits)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        std::int32_t slot1;
    };
    QByteArray huge(8 * 1024 * 1024, 'z');
    huge.prepend("1\r\n9\r\n");
    QByteArray binary;
    for (int i = 0; i < 70000; ++i) {
        binary.append(static_cast<char>((i * 37) & 0xFF) == '\n' ? '\0' : static_cast<char>((i * 37) & 0xFF));
    }
    binary.prepend("1\n\x80\x81");
    const Row rows[] = {
        {"huge", huge, 9},
        {"binary", binary, 0},
        {"lf and junk", "1\n 255 abc\n", 255},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Folders f;
        CustomColorsStore store(f.program, f.user);
        WriteAll(store.ProgramFilePath(), row.bytes);
        const CustomColorArray colors = store.Load();
        EXPECT_EQ(colors[0], 1);
        EXPECT_EQ(colors[1], row.slot1);
    }
}

TEST(CustomColorsStore, NonRegularPaletteFilesLoadAsEmpty)
{
    {
        Folders f;
        ASSERT_TRUE(QDir().mkpath(QDir(f.program).filePath("usercolors.cps")));
        const CustomColorsStore store(f.program, f.user);
        EXPECT_EQ(store.Load(), CustomColorArray{});
    }
    {
        // Opening a pipe for reading would wait for a writer forever.
        Folders f;
        const CustomColorsStore store(f.program, f.user);
        ASSERT_EQ(mkfifo(QFile::encodeName(store.ProgramFilePath()).constData(), 0600), 0);
        EXPECT_EQ(store.Load(), CustomColorArray{});
    }
}

} // namespace
} // namespace tintora
