// SPDX-License-Identifier: MIT
#include "file_contents.h"
#include "palettes/custom_colors_store.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tintora {
namespace {

using test::ReadAll;

void WriteAll(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(test::WriteFile(path, bytes)) << path.toStdString();
}

QStringList Entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System | QDir::Hidden,
                               QDir::Name);
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
        if (blocker.open(QIODevice::WriteOnly))
            blocker.write("x");
        blockedProgram = root.filePath("not-a-folder/bin");
    }

    QString UserFile() const { return QDir(user).filePath("usercolors.cps"); }
    QString ProgramFile() const { return QDir(program).filePath("usercolors.cps"); }
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
    CustomColorsStore store(f.program, f.user);
    EXPECT_EQ(store.Load(), CustomColorArray{});
    EXPECT_FALSE(QFileInfo::exists(f.user));
    EXPECT_EQ(Entries(f.program), QStringList{});
}

TEST(CustomColorsStore, SaveWritesProgramFolderAndLoadReadsItBack)
{
    Folders f;
    CustomColorsStore store(f.program, f.user);
    EXPECT_EQ(store.place(), CustomColorsStore::Place::Portable);

    const SaveResult saved = store.Save(Palette(255));
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_TRUE(saved.error.isEmpty());
    EXPECT_TRUE(saved.notice.isEmpty());
    EXPECT_EQ(saved.path, f.ProgramFile());
    EXPECT_FALSE(QFileInfo::exists(f.user));

    const QByteArray bytes = ReadAll(saved.path);
    EXPECT_EQ(bytes.count("\r\n"), 225);
    EXPECT_TRUE(bytes.startsWith("-42 \r\n 255 \r\n 0 \r\n"));
    EXPECT_EQ(store.Load(), Palette(255));
    EXPECT_EQ(Entries(f.program), QStringList{"usercolors.cps"});
}

// A portable copy shares nothing with the per-user file, however new that is:
// otherwise one copy's palette replaces another's.
TEST(CustomColorsStore, PortableCopyIgnoresANewerPerUserPalette)
{
    Folders f;
    WriteAll(f.ProgramFile(), "0\r\n16711680\r\n");
    ASSERT_TRUE(QDir().mkpath(f.user));
    WriteAll(f.UserFile(), "0\r\n65535\r\n");
    const auto now = std::filesystem::file_time_type::clock::now();
    std::filesystem::last_write_time(f.ProgramFile().toStdString(), now - std::chrono::hours(1));

    CustomColorsStore store(f.program, f.user);
    EXPECT_EQ(store.Load()[1], 16711680);
    CustomColorArray colors = store.Load();
    colors[2] = 255;
    ASSERT_TRUE(store.Save(colors).ok);
    EXPECT_TRUE(ReadAll(f.ProgramFile()).startsWith(" 0 \r\n 16711680 \r\n 255 \r\n"));
    EXPECT_EQ(ReadAll(f.UserFile()), QByteArray("0\r\n65535\r\n"));
}

TEST(CustomColorsStore, InstalledProgramNeverTouchesItsOwnFolders)
{
    Folders f;
    const QString prefix = f.root.filePath("prefix");
    const QString bin = prefix + "/bin";
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(prefix + "/share/tintora"));
    // A palette left in bin by an earlier version is not the user's.
    WriteAll(bin + "/usercolors.cps", "0\r\n77\r\n");

    CustomColorsStore store(bin, f.user);
    EXPECT_EQ(store.place(), CustomColorsStore::Place::Installed);
    EXPECT_EQ(store.Load(), CustomColorArray{});
    const SaveResult saved = store.Save(Palette(255));
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_EQ(saved.path, f.UserFile());
    EXPECT_EQ(store.Load(), Palette(255));
    EXPECT_EQ(ReadAll(bin + "/usercolors.cps"), QByteArray("0\r\n77\r\n"));
    EXPECT_EQ(Entries(bin), QStringList{"usercolors.cps"});
    EXPECT_EQ(Entries(prefix + "/share/tintora"), QStringList{});

    // Without share/tintora beside it, a folder named bin is a portable copy.
    const QString plainBin = f.root.filePath("plain/bin");
    ASSERT_TRUE(QDir().mkpath(plainBin));
    EXPECT_EQ(CustomColorsStore(plainBin, f.user).place(), CustomColorsStore::Place::Portable);
}

TEST(CustomColorsStore, UnwritableProgramFolderUsesThePerUserFile)
{
    Folders f;
    CustomColorsStore store(f.blockedProgram, f.user);
    EXPECT_EQ(store.place(), CustomColorsStore::Place::PerUser);
    EXPECT_EQ(store.FilePath(), f.UserFile());
    EXPECT_EQ(store.Load(), CustomColorArray{});

    const SaveResult saved = store.Save(Palette(255));
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_EQ(saved.path, f.UserFile());
    EXPECT_EQ(store.Load(), Palette(255));

    CustomColorsStore noUserFolder(f.blockedProgram, QString());
    const SaveResult alone = noUserFolder.Save(Palette(255));
    EXPECT_FALSE(alone.ok);
    EXPECT_FALSE(alone.error.isEmpty());
}

TEST(CustomColorsStore, FailedWriteKeepsTheOldFileWholeAndTheColoursInTheSession)
{
    Folders f;
    CustomColorsStore store(f.program, f.user);
    ASSERT_TRUE(store.Save(Palette(255)).ok);
    const QByteArray before = ReadAll(f.ProgramFile());

    SaveResult saved;
    CustomColorArray added = store.Load();
    added[7] = 0x00FF00;
    {
        FileSizeLimit limit(64);
        ASSERT_TRUE(limit.Active());
        saved = store.Save(added);
    }
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.error.contains(f.ProgramFile())) << saved.error.toStdString();
    EXPECT_EQ(ReadAll(f.ProgramFile()), before);
    EXPECT_EQ(Entries(f.program), QStringList{"usercolors.cps"});
    EXPECT_FALSE(QFileInfo::exists(f.user));

    // The colour stays through reloads, laid over what the file holds, even
    // when another copy changes other cells meanwhile.
    EXPECT_TRUE(store.HasUnsavedColors());
    EXPECT_EQ(store.Load(), added);
    CustomColorArray other = Palette(255);
    other[9] = 99;
    ASSERT_TRUE(CustomColorsStore(f.program, f.user).Save(other).ok);
    CustomColorArray expected = other;
    expected[7] = 0x00FF00;
    EXPECT_EQ(store.Load(), expected);

    // A later save that succeeds writes it, and the store holds nothing more.
    ASSERT_TRUE(store.Save(store.Load()).ok);
    EXPECT_FALSE(store.HasUnsavedColors());
    EXPECT_EQ(CustomColorsStore(f.program, f.user).Load(), expected);
}

// Links and special files in the palette's place are refused; their targets
// are never written. Every link and pipe here is this test's own.
TEST(CustomColorsStore, SaveRefusesAnythingButARegularFile)
{
    struct Row {
        const char* name;
        void (*make)(const Folders&);
    };
    const Row rows[] = {
        {"link to a file",
         [](const Folders& f) {
             WriteAll(f.root.filePath("target"), "precious");
             ASSERT_EQ(symlink(QFile::encodeName(f.root.filePath("target")).constData(),
                               QFile::encodeName(f.ProgramFile()).constData()),
                       0);
         }},
        {"dangling link",
         [](const Folders& f) {
             ASSERT_EQ(symlink(QFile::encodeName(f.root.filePath("target")).constData(),
                               QFile::encodeName(f.ProgramFile()).constData()),
                       0);
         }},
        {"pipe",
         [](const Folders& f) {
             ASSERT_EQ(mkfifo(QFile::encodeName(f.ProgramFile()).constData(), 0600), 0);
         }},
        {"folder", [](const Folders& f) { ASSERT_TRUE(QDir().mkpath(f.ProgramFile())); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Folders f;
        row.make(f);
        struct stat before = {};
        ASSERT_EQ(lstat(QFile::encodeName(f.ProgramFile()).constData(), &before), 0);

        CustomColorsStore store(f.program, f.user);
        CustomColorArray colors = store.Load();
        colors[1] = 255;
        const SaveResult saved = store.Save(colors);
        EXPECT_FALSE(saved.ok);
        EXPECT_TRUE(saved.error.contains(f.ProgramFile())) << saved.error.toStdString();

        struct stat after = {};
        ASSERT_EQ(lstat(QFile::encodeName(f.ProgramFile()).constData(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (QFileInfo::exists(f.root.filePath("target")))
            EXPECT_EQ(ReadAll(f.root.filePath("target")), QByteArray("precious"));
        EXPECT_FALSE(QFileInfo::exists(f.root.filePath("target")) &&
                     std::string(row.name) == "dangling link");
        EXPECT_FALSE(QFileInfo::exists(f.user));
        EXPECT_EQ(store.Load()[1], 255);
    }
}

// A file that was not read cleanly is kept as usercolors.cps.bak before the
// first save over it, and only then.
TEST(CustomColorsStore, DamagedFileIsKeptAsBackupBeforeTheFirstSave)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* why;
    };
    const Row rows[] = {
        // Over the reader's byte cap in its first line: every cell reads 0.
        {"first line over the cap", QByteArray(int(CustomColorsMaxReadBytes) + 10, '7'), "line 1 is longer"},
        {"unreadable line", "0\r\n255\r\nnot a colour\r\n", "line 3"},
        {"binary", QByteArray("0\r\n255\r\n\x00\x01\x02", 11), "binary"},
        {"too many lines", QByteArray().fill('\n', 225).append("5\n"), "more than 225 lines"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Folders f;
        WriteAll(f.ProgramFile(), row.bytes);
        CustomColorsStore store(f.program, f.user);
        CustomColorArray colors = store.Load();
        colors[5] = 255;

        const SaveResult first = store.Save(colors);
        ASSERT_TRUE(first.ok) << first.error.toStdString();
        EXPECT_TRUE(first.notice.contains("usercolors.cps.bak")) << first.notice.toStdString();
        EXPECT_TRUE(first.notice.contains(row.why)) << first.notice.toStdString();
        EXPECT_EQ(ReadAll(f.ProgramFile() + ".bak"), row.bytes);

        colors[6] = 255;
        const SaveResult second = store.Save(colors);
        ASSERT_TRUE(second.ok);
        EXPECT_TRUE(second.notice.isEmpty()) << second.notice.toStdString();
        EXPECT_EQ(Entries(f.program), (QStringList{"usercolors.cps", "usercolors.cps.bak"}));
    }

    // A second damaged file does not replace the first backup.
    Folders f;
    WriteAll(f.ProgramFile(), "junk\n");
    WriteAll(f.ProgramFile() + ".bak", "older backup");
    CustomColorsStore store(f.program, f.user);
    const SaveResult saved = store.Save(store.Load());
    ASSERT_TRUE(saved.ok);
    EXPECT_EQ(ReadAll(f.ProgramFile() + ".bak"), QByteArray("older backup"));
    EXPECT_EQ(ReadAll(f.ProgramFile() + ".bak.2"), QByteArray("junk\n"));

    // A backup made before a save that then failed is not made twice.
    Folders again;
    WriteAll(again.ProgramFile(), "junk\n");
    CustomColorsStore retry(again.program, again.user);
    SaveResult failed;
    {
        FileSizeLimit limit(64);
        failed = retry.Save(retry.Load());
    }
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.notice.isEmpty());
    const SaveResult later = retry.Save(retry.Load());
    ASSERT_TRUE(later.ok);
    EXPECT_TRUE(later.notice.isEmpty());
    EXPECT_EQ(Entries(again.program), (QStringList{"usercolors.cps", "usercolors.cps.bak"}));

    // A clean file, short or with text after its numbers, makes no backup.
    Folders clean;
    WriteAll(clean.ProgramFile(), "0\r\n 255 red\r\n\r\n12.5\r\n");
    CustomColorsStore cleanStore(clean.program, clean.user);
    const SaveResult plain = cleanStore.Save(cleanStore.Load());
    ASSERT_TRUE(plain.ok);
    EXPECT_TRUE(plain.notice.isEmpty());
    EXPECT_EQ(Entries(clean.program), QStringList{"usercolors.cps"});
}

TEST(CustomColorsStore, LoadRemovesOnlyStaleTemporaryFiles)
{
    Folders f;
    WriteAll(f.ProgramFile(), "0\r\n255\r\n");
    const char* stale[] = {"usercolors.cps.Ab12Cd", "usercolors.cps.000000"};
    const char* kept[] = {"usercolors.cps.bak",    "usercolors.cps.Ab12C", "usercolors.cps.Ab12Cde",
                          "usercolors.cps.Ab-2Cd", "other.cps.Ab12Cd",     "usercolors.cpsXAb12Cd"};
    for (const char* name : stale)
        WriteAll(QDir(f.program).filePath(name), "x");
    for (const char* name : kept)
        WriteAll(QDir(f.program).filePath(name), "x");
    // A link of that name is not a temporary file of ours.
    ASSERT_EQ(symlink("usercolors.cps",
                      QFile::encodeName(QDir(f.program).filePath("usercolors.cps.LiNk00")).constData()),
              0);
    CustomColorsStore store(f.program, f.user);
    EXPECT_EQ(store.Load()[1], 255);
    QStringList expected{"usercolors.cps", "usercolors.cps.LiNk00"};
    for (const char* name : kept)
        expected << name;
    expected.sort();
    EXPECT_EQ(Entries(f.program), expected);
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
    for (int i = 0; i < 70000; ++i)
        binary.append(static_cast<char>((i * 37) & 0xFF) == '\n' ? '\0' : static_cast<char>((i * 37) & 0xFF));
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

// Peak memory of a load stays small whatever the file's size: one line of
// 64 MiB is read only up to the cap, in small pieces.
TEST(CustomColorsStore, HugeFileLoadsInBoundedMemory)
{
    Folders f;
    {
        QFile file(f.ProgramFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray chunk(1 << 20, '1');
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(file.write(chunk), chunk.size());
    }
    rusage before = {};
    getrusage(RUSAGE_SELF, &before);
    CustomColorsStore store(f.program, f.user);
    EXPECT_EQ(store.Load(), CustomColorArray{});
    rusage after = {};
    getrusage(RUSAGE_SELF, &after);
    // ru_maxrss is in KiB.
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 8 * 1024);
}

TEST(CustomColorsStore, NonRegularPaletteFilesLoadAsEmpty)
{
    {
        Folders f;
        ASSERT_TRUE(QDir().mkpath(f.ProgramFile()));
        CustomColorsStore store(f.program, f.user);
        EXPECT_EQ(store.Load(), CustomColorArray{});
    }
    {
        // Opening a pipe for reading would wait for a writer forever.
        Folders f;
        CustomColorsStore store(f.program, f.user);
        ASSERT_EQ(mkfifo(QFile::encodeName(f.ProgramFile()).constData(), 0600), 0);
        EXPECT_EQ(store.Load(), CustomColorArray{});
    }
}

// A save killed at any moment leaves the old or the new file, never a mix,
// and the next load removes any temporary file it left. The child saves two
// palettes in turn until it is killed. TINTORA_KILL_LOOPS sets the number of
// kills (default 30).
TEST(CustomColorsStore, KillDuringSaveLeavesOldOrNewFile)
{
    Folders f;
    const CustomColorArray a = Palette(0x0000FF);
    const CustomColorArray b = Palette(0x00FF00);
    ASSERT_TRUE(CustomColorsStore(f.program, f.user).Save(a).ok);
    const QByteArray bytesA = ReadAll(f.ProgramFile());
    ASSERT_TRUE(CustomColorsStore(f.program, f.user).Save(b).ok);
    const QByteArray bytesB = ReadAll(f.ProgramFile());

    int loops = 30;
    if (const char* env = std::getenv("TINTORA_KILL_LOOPS"))
        loops = std::max(1, std::atoi(env));
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> delayUs(0, 3000);
    for (int i = 0; i < loops; ++i) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            CustomColorsStore store(f.program, f.user);
            for (unsigned n = 0;; ++n)
                store.Save((n & 1) != 0 ? a : b);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const QByteArray now = ReadAll(f.ProgramFile());
        ASSERT_TRUE(now == bytesA || now == bytesB) << "after kill " << i << ": " << now.size() << " bytes";
        CustomColorsStore store(f.program, f.user);
        const CustomColorArray loaded = store.Load();
        ASSERT_TRUE(loaded == a || loaded == b);
        ASSERT_EQ(Entries(f.program), QStringList{"usercolors.cps"}) << "after kill " << i;
    }
}

} // namespace
} // namespace tintora

namespace tintora {
namespace {

CustomColorArray Numbered()
{
    CustomColorArray colors{};
    for (int i = 1; i < CustomColorSlots; ++i)
        colors[static_cast<std::size_t>(i)] = i * 1000 + 7;
    return colors;
}

// Something that cannot be read stands in the palette's place during the
// session: the reload keeps the grid's colours, a save refuses, and once the
// file is back to normal the next save writes every colour, none black.
TEST(CustomColorsStore, BadReloadKeepsTheColoursAndALaterSaveLosesNone)
{
    struct Row {
        const char* name;
        void (*make)(const QString& path);
    };
    const Row rows[] = {
        {"pipe",
         [](const QString& path) { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
        {"folder", [](const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }},
        {"dangling link",
         [](const QString& path) {
             ASSERT_EQ(symlink("/nonexistent/usercolors.cps", QFile::encodeName(path).constData()), 0);
         }},
        {"link to a device",
         [](const QString& path) {
             ASSERT_EQ(symlink("/dev/zero", QFile::encodeName(path).constData()), 0);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Folders f;
        CustomColorsStore store(f.program, f.user);
        CustomColorArray grid = store.Load();
        const CustomColorArray all = Numbered();
        ASSERT_TRUE(store.Save(all).ok);
        grid = store.Load();

        ASSERT_TRUE(QFile::remove(f.ProgramFile()));
        row.make(f.ProgramFile());
        EXPECT_EQ(store.Load(), all);
        grid[5] = 0x123456;
        const SaveResult refused = store.Save(grid);
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(refused.colors, grid);
        EXPECT_EQ(store.Load(), grid);

        ASSERT_EQ(std::filesystem::remove_all(QFile::encodeName(f.ProgramFile()).toStdString()), 1U);
        EXPECT_EQ(store.Load(), grid) << "a missing file keeps the colours too";
        grid[6] = 0x654321;
        ASSERT_TRUE(store.Save(grid).ok);
        EXPECT_EQ(CustomColorsStore(f.program, f.user).Load(), grid);
    }
}

// Window A adds in cell 17, B in 18, A in 19, each from the grid it shows
// (never reloaded): the file keeps all three.
TEST(CustomColorsStore, TwoWindowsAddingInTurnKeepEachOthersColours)
{
    Folders f;
    CustomColorsStore a(f.program, f.user);
    CustomColorsStore b(f.program, f.user);
    CustomColorArray gridA = a.Load();
    CustomColorArray gridB = b.Load();
    gridA[17] = 0x111111;
    ASSERT_TRUE(a.Save(gridA).ok);
    gridB[18] = 0x222222;
    const SaveResult savedB = b.Save(gridB);
    ASSERT_TRUE(savedB.ok);
    EXPECT_EQ(savedB.colors[17], 0x111111) << "B's grid shows A's colour after its save";
    gridA[19] = 0x333333;
    ASSERT_TRUE(a.Save(gridA).ok);
    const CustomColorArray file = CustomColorsStore(f.program, f.user).Load();
    EXPECT_EQ(file[17], 0x111111);
    EXPECT_EQ(file[18], 0x222222);
    EXPECT_EQ(file[19], 0x333333);
}

// Two processes add colours to the same palette as fast as they can, each
// to its own cells and each from the grid it last saw: every colour is in
// the file at the end.
TEST(CustomColorsStore, TwoProcessesSavingInATightLoopLoseNoColour)
{
    Folders f;
    const auto value = [](int cell) { return cell * 4099 + 1; };
    pid_t children[2] = {};
    for (int parity = 0; parity < 2; ++parity) {
        children[parity] = ::fork();
        ASSERT_GE(children[parity], 0);
        if (children[parity] == 0) {
            CustomColorsStore store(f.program, f.user);
            CustomColorArray grid = store.Load();
            for (int cell = 1 + parity; cell < CustomColorSlots; cell += 2) {
                grid[static_cast<std::size_t>(cell)] = value(cell);
                const SaveResult saved = store.Save(grid);
                if (!saved.ok) {
                    std::fprintf(stderr, "%s\n", saved.error.toLocal8Bit().constData());
                    ::_exit(1);
                }
                grid = saved.colors;
            }
            ::_exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const CustomColorArray file = CustomColorsStore(f.program, f.user).Load();
    int lost = 0;
    for (int cell = 1; cell < CustomColorSlots; ++cell)
        lost += file[static_cast<std::size_t>(cell)] != value(cell) ? 1 : 0;
    EXPECT_EQ(lost, 0);
}

} // namespace
} // namespace tintora

namespace tintora {
namespace {

// A palette file that the user may not read (mode 000): the reload keeps
// the colours, and the next save keeps the old file as a backup and writes
// every colour. Root reads any file, so the steps run in a child that gives
// up root first.
TEST(CustomColorsStore, UnreadableFileKeepsTheColoursThroughReloadAndSave)
{
    Folders f;
    ASSERT_EQ(::chmod(QFile::encodeName(f.root.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(f.program).constData(), 0777), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        CustomColorsStore store(f.program, f.user);
        store.Load();
        CustomColorArray grid = Numbered();
        const bool saved = store.Save(grid).ok;
        const bool hidden = ::chmod(QFile::encodeName(f.ProgramFile()).constData(), 0) == 0;
        const bool kept = store.Load() == grid;
        grid[9] = 0x0F0F0F;
        const SaveResult again = store.Save(grid);
        ::_exit(!saved ? 3 : !hidden ? 4 : !kept ? 5 : !again.ok ? 6 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0)
        << "2: cannot give up root, 3: first save, 4: chmod, 5: reload, 6: save";
    CustomColorArray expected = Numbered();
    expected[9] = 0x0F0F0F;
    EXPECT_EQ(CustomColorsStore(f.program, f.user).Load(), expected);
    EXPECT_TRUE(QFileInfo::exists(f.ProgramFile() + ".bak"));
}

} // namespace
} // namespace tintora
