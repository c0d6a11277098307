// SPDX-License-Identifier: MIT
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "shell/windows/file_exists.h"
#include "shell/windows/on_top.h"

namespace tintora {
namespace {

void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write("x");
}

TEST(FileNamePart, IsTheLastComponentAtTheSeparator)
{
    const struct {
        const char* path;
        const char* name;
    } rows[] = {
        {"a/b.rtf", "b.rtf"},
        {"/x/y/z.rtf", "z.rtf"},
        {"b.rtf", "b.rtf"},
        {"a/", ""},
        {"/", ""},
        {"", ""},
#ifndef Q_OS_WIN
        // A backslash is part of a file name here.
        {"a\\b.rtf", "a\\b.rtf"},
        {"dir/a\\b.rtf", "a\\b.rtf"},
#endif
    };
    for (const auto& row : rows)
        EXPECT_EQ(FileNamePart(QString::fromLatin1(row.path)).toStdString(), row.name) << row.path;
}

class FileExistsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Touch(dir.filePath("HELP.RTF"));
        Touch(dir.filePath(".hidden.rtf"));
        ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.rtf"));
        ASSERT_TRUE(QFile::link(dir.filePath("HELP.RTF"), dir.filePath("linked.rtf")));
        ASSERT_TRUE(QFile::link(dir.filePath("gone.rtf"), dir.filePath("broken.rtf")));
        ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.rtf")).constData(), 0600), 0);
    }

    QString In(const char* name) const { return dir.path() + '/' + QString::fromLatin1(name); }

    QTemporaryDir dir;
};

TEST_F(FileExistsTest, FindsOnlyNormalFilesWhateverTheCaseOfTheName)
{
    const struct {
        QString path;
        bool exists;
    } rows[] = {
        {In("Help.rtf"), true},
        {In("help.rtf"), true},
        {In("HELP.RTF"), true},
        {In("linked.rtf"), true},
        {In("Missing.rtf"), false},
        {In("folder.rtf"), false},
        {In(".hidden.rtf"), false},
        {In("broken.rtf"), false},
        {In("pipe.rtf"), false},
        {In("HELP.RTF/"), false},
        {In(""), false},
        {QString(), false},
        {In("no-such-folder/Help.rtf"), false},
        {In("HELP.RTF/Help.rtf"), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FileExists(row.path), row.exists) << row.path.toStdString();
}

TEST_F(FileExistsTest, FindNormalFileGivesThePathWithTheNameAsStored)
{
    EXPECT_EQ(FindNormalFile(In("Help.rtf")), In("HELP.RTF"));
    Touch(In("Help.rtf"));
    EXPECT_EQ(FindNormalFile(In("Help.rtf")), In("Help.rtf")); // the exact name wins
    EXPECT_EQ(FindNormalFile(In("Missing.rtf")), QString());
}

TEST_F(FileExistsTest, APathWithoutSeparatorIsLookedUpInTheCurrentFolder)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const bool found = FileExists(QStringLiteral("help.rtf"));
    const bool folderFound = FileExists(QStringLiteral("folder.rtf"));
    QDir::setCurrent(previous);
    EXPECT_TRUE(found);
    EXPECT_FALSE(folderFound);
}

TEST(SetOnTop, TogglesStaysOnTopWithoutMovingResizingOrHiding)
{
    QWidget window;
    window.setGeometry(120, 130, 300, 200);
    window.show();
    const QRect before = window.geometry();
    for (const bool onTop : {true, false, true}) {
        SetOnTop(&window, onTop);
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.geometry(), before);
    }

    QWidget notShown;
    auto* child = new QWidget(&notShown);
    SetOnTop(child, true); // the child's window is the one kept on top
    EXPECT_TRUE(notShown.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(notShown.isVisible());
    SetOnTop(nullptr, true);
}

} // namespace
} // namespace tintora
