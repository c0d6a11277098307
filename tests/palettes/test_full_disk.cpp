// SPDX-License-Identifier: MIT
// Every file the program writes, written to a full disk: a small tmpfs that
// the test mounts (it needs root; without it the tests are skipped). A save
// that cannot be written in full fails, says so, and leaves the old file as
// it was, byte for byte.
#include "file_contents.h"
#include "palettes/custom_colors_store.h"
#include "palettes/palette_exchange.h"
#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace tintora {
namespace {

using test::ReadAll;
using test::WriteFile;

class FullDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(holder_.isValid());
        dir_ = holder_.filePath("disk");
        ASSERT_TRUE(QDir().mkpath(dir_));
        if (::mount("tmpfs", QFile::encodeName(dir_).constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
        mounted_ = true;
    }
    void TearDown() override
    {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_).constData(), MNT_DETACH);
    }

    // Fills the disk, then frees `spare` bytes of it again: room for part of
    // a file but not all of it.
    void Fill(off_t spare)
    {
        const QByteArray filler = QFile::encodeName(dir_ + "/filler");
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        const QByteArray block(4096, 'f');
        off_t written = 0;
        for (;;) {
            const ssize_t n = ::write(fd, block.constData(), static_cast<std::size_t>(block.size()));
            if (n <= 0)
                break;
            written += n;
        }
        ASSERT_EQ(::ftruncate(fd, written > spare ? written - spare : 0), 0);
        ::close(fd);
    }

    QString Path(const char* name) const { return dir_ + QLatin1Char('/') + QLatin1String(name); }

    QTemporaryDir holder_;
    QString dir_;
    bool mounted_ = false;
};

CustomColorArray Colours(int seed)
{
    CustomColorArray colors{};
    for (int i = 1; i < CustomColorSlots; ++i)
        colors[static_cast<std::size_t>(i)] = (i * 7919 + seed) & 0xFFFFFF;
    return colors;
}

// The window's "Export palette" and `--export-palette` both end here.
TEST_F(FullDisk, ExportFailsAndKeepsTheFileItWouldReplace)
{
    for (const off_t spare : {off_t{0}, off_t{4096}}) {
        SCOPED_TRACE(spare);
        const QString path = Path("x.gpl");
        ASSERT_TRUE(WriteFile(path, "GIMP Palette\n0 0 0 old\n"));
        Fill(spare);
        const PaletteExport result = ExportPaletteFile(path, Colours(1), QStringLiteral("Test"));
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.message.startsWith(QStringLiteral("Cannot export to ")))
            << result.message.toStdString();
        EXPECT_EQ(ReadAll(path), QByteArray("GIMP Palette\n0 0 0 old\n"));
        EXPECT_EQ(QDir(dir_).entryList(QDir::Files).size(), 2) << "no temporary file stays";
        ASSERT_TRUE(QFile::remove(Path("filler")));
    }
}

TEST_F(FullDisk, PaletteSaveFailsKeepsTheFileAndTheColoursInMemory)
{
    CustomColorsStore store(dir_, QString());
    ASSERT_EQ(store.place(), CustomColorsStore::Place::Portable);
    store.Load();
    ASSERT_TRUE(store.Save(Colours(1)).ok);
    const QByteArray before = ReadAll(store.FilePath());
    CustomColorArray grid = store.Load();
    grid[3] = 0x0A0B0C;
    Fill(0);
    const SaveResult saved = store.Save(grid);
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.error.contains(QStringLiteral("No space"))) << saved.error.toStdString();
    EXPECT_EQ(ReadAll(store.FilePath()), before);
    EXPECT_EQ(store.Load(), grid);

    // A damaged palette gets its backup (a hard link, which needs no room)
    // and is still not replaced.
    ASSERT_TRUE(QFile::remove(Path("filler")));
    ASSERT_TRUE(WriteFile(store.FilePath(), before + "not a number\r\n"));
    Fill(0);
    EXPECT_FALSE(store.Save(grid).ok);
    EXPECT_EQ(ReadAll(store.FilePath()), before + "not a number\r\n");
}

TEST_F(FullDisk, SettingsSaveFailsAndKeepsTheFile)
{
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_));
    SettingsStore settings(QStringLiteral("FullDisk"));
    ASSERT_TRUE(
        settings.SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1")));
    const QByteArray before = ReadAll(settings.filePath());
    ASSERT_FALSE(before.isEmpty());
    // Room for the start of the new file, not for all of it: Qt's own writer
    // would leave it cut short and report success.
    Fill(4096);
    const QString big(20000, QLatin1Char('x'));
    EXPECT_FALSE(settings.SaveSetting(QStringLiteral("Settings"), QStringLiteral("note"), big));
    EXPECT_EQ(ReadAll(settings.filePath()), before);
    EXPECT_EQ(settings.GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QString()), "1");
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

} // namespace
} // namespace tintora
