// SPDX-License-Identifier: MIT
#include "platform/clipboard_holder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tintora {
namespace {

// A stand-in holder: a shell script that records its arguments and what it
// read on stdin, and exits with the status given.
QString FakeHolder(const QTemporaryDir& dir, int status)
{
    const QString path = dir.filePath(QStringLiteral("tintora-clipboard-holder"));
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1/args'\ncat > '%1/stdin'\nexit %2\n")
                     .arg(dir.path())
                     .arg(status)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(ClipboardHolderTest, HandsTheTextOverOnStdinAndReadsTheOutcome)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    const ClipboardHolder::Result held = ClipboardHolder::Start(FakeHolder(dir, 0), "#66CCFF\xC3\xA4");
    EXPECT_EQ(held.outcome, ClipboardHolder::Outcome::Held) << held.error.toStdString();
    EXPECT_EQ(Read(dir.filePath("stdin")), QByteArray("#66CCFF\xC3\xA4"));
    EXPECT_EQ(Read(dir.filePath("args")), QByteArray("\n")); // nothing on the command line

    const ClipboardHolder::Result stale = ClipboardHolder::Start(FakeHolder(dir, 6), "#123456", 0x3a00001);
    EXPECT_EQ(stale.outcome, ClipboardHolder::Outcome::OwnerChanged);
    EXPECT_EQ(Read(dir.filePath("args")), QByteArray("--from-window 60817409\n"));

    const ClipboardHolder::Result noDisplay = ClipboardHolder::Start(FakeHolder(dir, 4), "#123456");
    EXPECT_EQ(noDisplay.outcome, ClipboardHolder::Outcome::Failed);
    EXPECT_TRUE(noDisplay.error.contains(QStringLiteral("no X display"))) << noDisplay.error.toStdString();
}

TEST(ClipboardHolderTest, RefusesWhatItCannotHandOver)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString holder = FakeHolder(dir, 0);

    EXPECT_EQ(ClipboardHolder::Start(holder, QByteArray()).outcome, ClipboardHolder::Outcome::Failed);
    const QByteArray huge(ClipboardHolder::kMaxTextBytes + 1, 'a');
    const ClipboardHolder::Result tooLong = ClipboardHolder::Start(holder, huge);
    EXPECT_EQ(tooLong.outcome, ClipboardHolder::Outcome::Failed);
    EXPECT_TRUE(tooLong.error.contains(QStringLiteral("too long")));
    EXPECT_FALSE(QFile::exists(dir.filePath("stdin"))) << "the holder was started";

    const ClipboardHolder::Result missing = ClipboardHolder::Start(QString(), "#123456");
    EXPECT_EQ(missing.outcome, ClipboardHolder::Outcome::Failed);
    const ClipboardHolder::Result gone = ClipboardHolder::Start(dir.filePath("nothing-here"), "#123456");
    EXPECT_EQ(gone.outcome, ClipboardHolder::Outcome::Failed);
}

TEST(ClipboardHolderTest, FoundBesideTheProgramOrInstalledUnderLib)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("libexec/tintora")));
    const QString bin = dir.filePath(QStringLiteral("bin"));
    EXPECT_TRUE(ClipboardHolder::Find(bin).isEmpty());

    QTemporaryDir lib(dir.filePath(QStringLiteral("libexec/tintora/XXXXXX")));
    const QString installed = dir.filePath(QStringLiteral("libexec/tintora/tintora-clipboard-holder"));
    ASSERT_TRUE(QFile::copy(FakeHolder(lib, 0), installed));
    EXPECT_EQ(ClipboardHolder::Find(bin), installed);

    // Beside the program wins; a file that cannot be run does not count.
    const QString beside = QDir(bin).filePath(QStringLiteral("tintora-clipboard-holder"));
    QFile plain(beside);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(ClipboardHolder::Find(bin), installed);
    ASSERT_TRUE(QFile::setPermissions(beside, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(ClipboardHolder::Find(bin), beside);
}

} // namespace
} // namespace tintora
