// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tintora {
namespace {

// Each test gets its own configuration folder through XDG_CONFIG_HOME.
class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        ASSERT_TRUE(QDir().mkpath(dir.filePath("Tintora")));
    }
    QString File() const { return dir.filePath("Tintora/Tintora.conf"); }
    QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, ValuesLiveInTheProductsIniFile)
{
    SettingsStore store(QStringLiteral("Tintora"));
    EXPECT_EQ(store.filePath(), File());
    EXPECT_EQ(store.GetSetting("Settings", "showHelp", "1"), QStringLiteral("1"));
    ASSERT_TRUE(store.SaveSetting("Settings", "showHelp", "0"));
    QFile f(File());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[Settings]\nshowHelp=0\n"));
    EXPECT_EQ(SettingsStore(QStringLiteral("Tintora")).GetSetting("Settings", "showHelp", "1"),
              QStringLiteral("0"));
}

// A hand-edited file that QSettings cannot parse is still replaced by a save,
// and the save says it succeeded.
TEST_F(SettingsStoreTest, MalformedFileIsStillWritten)
{
    {
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Settings\nshowHelp\n=\n[[\\\n\x01\n");
    }
    SettingsStore store(QStringLiteral("Tintora"));
    EXPECT_EQ(store.GetSetting("Settings", "showHelp", "1"), QStringLiteral("1"));
    EXPECT_TRUE(store.SaveSetting("Settings", "showHelp", "0"));
    EXPECT_EQ(SettingsStore(QStringLiteral("Tintora")).GetSetting("Settings", "showHelp", "1"),
              QStringLiteral("0"));
}

// A pipe in the file's place would block QSettings' open forever, before the
// main window paints. The check runs in a child with an alarm, so that a
// regression fails here instead of hanging the suite.
TEST_F(SettingsStoreTest, PipeInTheFilesPlaceGivesDefaultsWithoutBlocking)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(File()).constData(), 0600), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        alarm(5);
        SettingsStore store(QStringLiteral("Tintora"));
        const bool defaults = store.GetSetting("Settings", "showHelp", "1") == QStringLiteral("1") &&
                              !store.SaveSetting("Settings", "showHelp", "0");
        _exit(defaults ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "blocked or crashed (signal " << WTERMSIG(status) << ")";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    struct stat st = {};
    ASSERT_EQ(lstat(QFile::encodeName(File()).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(SettingsStoreTest, UnusableFilesAreNeitherReadNorReplaced)
{
    struct Row {
        const char* name;
        bool (*make)(const QString& file);
    };
    const Row rows[] = {
        {"folder", [](const QString& file) { return QDir().mkpath(file); }},
        {"oversized file",
         [](const QString& file) {
             QFile f(file);
             if (!f.open(QIODevice::WriteOnly))
                 return false;
             f.write("[Settings]\nshowHelp=0\n");
             return f.resize(SettingsStore::MaxFileBytes + 1);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(row.make(File()));
        SettingsStore store(QStringLiteral("Tintora"));
        EXPECT_FALSE(store.fileUsable());
        EXPECT_EQ(store.GetSetting("Settings", "showHelp", "1"), QStringLiteral("1"));
        EXPECT_FALSE(store.SaveSetting("Settings", "showHelp", "0"));
        QFileInfo info(File());
        EXPECT_TRUE(info.isDir() || info.size() == SettingsStore::MaxFileBytes + 1);
        if (info.isDir())
            QDir(File()).removeRecursively();
        else
            QFile::remove(File());
    }
}

// A file at the size limit, built to be costly (one long key line and many
// short ones), is read in bounded memory and returns the value it holds.
TEST_F(SettingsStoreTest, FileAtTheSizeLimitReadsInBoundedMemory)
{
    QByteArray bytes = "[Settings]\nshowHelp=0\n";
    bytes += "long=" + QByteArray(SettingsStore::MaxFileBytes / 2, 'x') + "\n";
    while (bytes.size() < SettingsStore::MaxFileBytes - 8)
        bytes += "[g]\nk=v\n";
    bytes.truncate(SettingsStore::MaxFileBytes);
    {
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    bytes.clear();
    bytes.squeeze();
    rusage before = {};
    getrusage(RUSAGE_SELF, &before);
    SettingsStore store(QStringLiteral("Tintora"));
    EXPECT_EQ(store.GetSetting("Settings", "showHelp", "1"), QStringLiteral("0"));
    rusage after = {};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 40 * 1024); // KiB
}

// A hand-edited file with 95,000 "Copy as" templates, under the file's size
// cap: the store gives the first 20 and notes what it left out.
TEST_F(SettingsStoreTest, ListsAreBoundedWhenRead)
{
    QByteArray bytes = "[Settings]\ncopyTemplates=";
    for (int i = 0; i < 95000; ++i)
        bytes += QByteArray::number(i, 36) + "{r}\\n";
    bytes += QByteArray(300, 'L') + "\n";
    ASSERT_LT(bytes.size(), SettingsStore::MaxFileBytes);
    {
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    SettingsStore store(QStringLiteral("Tintora"));
    const QStringList kept =
        store.GetSetting("Settings", "copyTemplates", QString()).split(QLatin1Char('\n'));
    ASSERT_EQ(kept.size(), 20);
    EXPECT_EQ(kept.first(), QStringLiteral("0{r}"));
    EXPECT_EQ(kept.last(), QStringLiteral("j{r}"));
    ASSERT_EQ(store.notes().size(), 1);
    EXPECT_EQ(store.notes().first(),
              QStringLiteral("Settings/copyTemplates: 94980 entries past the first 20 and "
                             "1 entries longer than 256 characters were left out"));
    // Other settings are not lists and are read as they are.
    EXPECT_EQ(store.GetSetting("Settings", "showHelp", "1"), QStringLiteral("1"));
}

TEST(ReadBoundedList, KeepsNonEmptyEntriesWithinTheLimits)
{
    const SettingListLimit limit{"S", "k", '\n', 3, 4};
    const struct {
        const char* text;
        QStringList items;
        int droppedItems;
        int droppedLong;
    } rows[] = {
        {"", {}, 0, 0},
        {"\n\n", {}, 0, 0},
        {"a\n\nb\n", {"a", "b"}, 0, 0},
        {"a\nb\nc\nd\ne", {"a", "b", "c"}, 2, 0},
        {"abcde\nabcd", {"abcd"}, 0, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const BoundedList list = ReadBoundedList(QString::fromLatin1(row.text), limit);
        EXPECT_EQ(list.items, row.items);
        EXPECT_EQ(list.droppedItems, row.droppedItems);
        EXPECT_EQ(list.droppedLong, row.droppedLong);
    }
}

} // namespace
} // namespace tintora
