// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextTable>

#include <gtest/gtest.h>

#include "platform/settings_store.h"
#include "recording_skin_provider.h"
#include "shell/windows/help_window.h"
#include "wait_until.h"

namespace tintora {
namespace {

const QString kApp = QStringLiteral("tintora-help-window-test");
const QString kAbsent = QStringLiteral("<absent>");

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programDir.isValid());
        ASSERT_TRUE(dataDir.isValid());
        QSettings(QSettings::NativeFormat, QSettings::UserScope, kApp, kApp).clear();
        brand.productName = "Tintora";
    }
    void TearDown() override { QSettings(QSettings::NativeFormat, QSettings::UserScope, kApp, kApp).clear(); }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(bytes);
    }
    void WriteHelp(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
    {
        Write(dir.filePath(QString::fromLatin1(name)), bytes);
    }
    QString Stored() const { return settings.GetSetting("Settings", "showHelp", kAbsent); }
    QStringList Dirs() const { return {programDir.path(), dataDir.path()}; }

    static QCheckBox* Check1(HelpWindow& w) { return w.findChild<QCheckBox*>(QStringLiteral("Check1")); }
    static QTextBrowser* Rtf1(HelpWindow& w) { return w.findChild<QTextBrowser*>(QStringLiteral("rtf1")); }

    QTemporaryDir programDir;
    QTemporaryDir dataDir;
    BrandInfo brand;
    SettingsStore settings{kApp};
};

const QByteArray kGoodRtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Hello {\\b help}\\par}";

TEST_F(HelpWindowTest, HasTheDesignWindowAndControls)
{
    HelpWindow help(brand, settings, Dirs(), nullptr);
    EXPECT_EQ(help.objectName(), QStringLiteral("Form8"));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Readme/Help"));
    EXPECT_EQ(help.size(), QSize(686, 528));
    EXPECT_EQ(help.minimumSize(), help.maximumSize());
    EXPECT_EQ(help.windowType(), Qt::Tool); // no task bar entry
    EXPECT_FALSE(help.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(help.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    QTextBrowser* rtf1 = Rtf1(help);
    ASSERT_NE(rtf1, nullptr);
    EXPECT_EQ(rtf1->geometry(), QRect(0, 0, 685, 501));
    EXPECT_TRUE(rtf1->isReadOnly());
    EXPECT_EQ(rtf1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(rtf1->toPlainText(), QStringLiteral("RichTextBox1"));
    QCheckBox* check1 = Check1(help);
    ASSERT_NE(check1, nullptr);
    // At its designed place, at least its designed size, and as large as
    // its text needs in the font in use.
    EXPECT_EQ(check1->pos(), QPoint(4, 508));
    EXPECT_EQ(check1->size(), check1->sizeHint().expandedTo(QSize(133, 17)));
    EXPECT_EQ(check1->text(), QStringLiteral("Show at Startup"));
}

// Whatever the system font's size, "Show at Startup" is shown whole, inside
// the window and below the text.
TEST_F(HelpWindowTest, TheBoxIsNeverClippedWhateverTheFontSize)
{
    const QFont saved = QApplication::font();
    for (const qreal points : {6.0, 9.0, 14.0, 24.0}) {
        QFont font = saved;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        HelpWindow help(brand, settings, Dirs(), nullptr);
        QCheckBox* box = Check1(help);
        const QRect r = box->geometry();
        EXPECT_GE(r.width(), box->sizeHint().width()) << points;
        EXPECT_GE(r.height(), box->sizeHint().height()) << points;
        EXPECT_TRUE(help.rect().contains(r)) << points;
        EXPECT_LT(Rtf1(help)->geometry().bottom(), r.top()) << points;
        EXPECT_EQ(r.left(), 4);
    }
    QApplication::setFont(saved);
}

TEST_F(HelpWindowTest, WithoutAHelpFileStaysHiddenAndLeavesTheSettingAlone)
{
    for (const QString& stored : {QStringLiteral("1"), QStringLiteral("0"), QString()}) {
        SCOPED_TRACE(stored.toStdString());
        QSettings(QSettings::NativeFormat, QSettings::UserScope, kApp, kApp).clear();
        if (!stored.isNull())
            settings.SaveSetting("Settings", "showHelp", stored);
        const QString before = Stored();
        ASSERT_TRUE(QDir(programDir.path()).mkdir("Help.rtf")); // a folder is not the file
        HelpWindow help(brand, settings, Dirs(), nullptr);
        EXPECT_FALSE(help.Load());
        EXPECT_FALSE(help.isVisible());
        EXPECT_FALSE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(Stored(), before);
        EXPECT_EQ(Rtf1(help)->toPlainText(), QStringLiteral("RichTextBox1"));
        ASSERT_TRUE(QDir(programDir.path()).rmdir("Help.rtf"));
    }
    HelpWindow noDirs(brand, settings, {}, nullptr);
    EXPECT_FALSE(noDirs.Load());
}

TEST_F(HelpWindowTest, ShowsTheFirstHelpFileFoundWhateverTheCaseOfItsName)
{
    WriteHelp(dataDir, "help.rtf", "{\\rtf1\\ansi From the data folder\\par}");
    {
        HelpWindow help(brand, settings, Dirs(), nullptr);
        ASSERT_TRUE(help.Load());
        EXPECT_TRUE(Rtf1(help)->toPlainText().contains(QStringLiteral("From the data folder")));
    }
    WriteHelp(programDir, "HELP.RTF", kGoodRtf);
    HelpWindow help(brand, settings, Dirs(), nullptr);
    ASSERT_TRUE(help.Load());
    EXPECT_EQ(help.helpFilePath(), programDir.filePath("HELP.RTF"));
    EXPECT_TRUE(Rtf1(help)->toPlainText().contains(QStringLiteral("Hello help")));
    EXPECT_FALSE(Rtf1(help)->toPlainText().contains(QStringLiteral("RichTextBox1")));
    EXPECT_TRUE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(HelpWindowTest, TheBoxFollowsTheStoredChoiceAndStoresWhatItChanges)
{
    WriteHelp(programDir, "Help.rtf", kGoodRtf);
    const struct {
        const char* stored; // nullptr: nothing stored yet
        bool ticked;
        const char* storedAfter;
    } rows[] = {
        {nullptr, true, "1"}, {"1", true, "1"}, {"0", false, "0"}, {"yes", false, "yes"}, {"", false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored ? row.stored : "(none)");
        QSettings(QSettings::NativeFormat, QSettings::UserScope, kApp, kApp).clear();
        if (row.stored)
            settings.SaveSetting("Settings", "showHelp", QString::fromLatin1(row.stored));
        HelpWindow help(brand, settings, Dirs(), nullptr);
        ASSERT_TRUE(help.Load());
        EXPECT_EQ(Check1(help)->isChecked(), row.ticked);
        EXPECT_EQ(Stored(), QString::fromLatin1(row.storedAfter));
    }
}

TEST_F(HelpWindowTest, ClickingTheBoxStoresZeroThenOne)
{
    WriteHelp(programDir, "Help.rtf", kGoodRtf);
    settings.SaveSetting("Settings", "showHelp", "1");
    HelpWindow help(brand, settings, Dirs(), nullptr);
    ASSERT_TRUE(help.Load());
    help.show();
    QCheckBox* check1 = Check1(help);
    QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(6, check1->height() / 2));
    EXPECT_FALSE(check1->isChecked());
    EXPECT_EQ(Stored(), QStringLiteral("0"));
    QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(6, check1->height() / 2));
    EXPECT_TRUE(check1->isChecked());
    EXPECT_EQ(Stored(), QStringLiteral("1"));
}

TEST_F(HelpWindowTest, ARefusedFileKeepsTheDesignTextAndSaysWhy)
{
    WriteHelp(programDir, "Help.rtf", "This is plain text, not rich text.");
    settings.SaveSetting("Settings", "showHelp", "1");
    HelpWindow help(brand, settings, Dirs(), nullptr);
    ASSERT_TRUE(help.Load());
    const QTextDocument* doc = Rtf1(help)->document();
    ASSERT_EQ(doc->blockCount(), 2);
    EXPECT_EQ(doc->firstBlock().text(), QStringLiteral("RichTextBox1"));
    EXPECT_EQ(doc->lastBlock().text(), QStringLiteral("The help file Help.rtf could not be shown: not RTF."));
    EXPECT_FALSE(doc->toPlainText().contains(QStringLiteral("plain text, not rich")));
    // The rest of the load still runs.
    EXPECT_TRUE(Check1(help)->isChecked());
    EXPECT_TRUE(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(HelpWindowTest, IsSkinnedOnlyWhenTheBrandingSwitchesSkinningOn)
{
    testing::RecordingSkinProvider skin;
    HelpWindow plain(brand, settings, Dirs(), &skin);
    plain.Load();
    EXPECT_TRUE(skin.calls.empty());

    brand.skinEnabled = true;
    HelpWindow skinned(brand, settings, Dirs(), &skin);
    EXPECT_FALSE(skinned.Load()); // skinned before looking for the file
    EXPECT_EQ(skin.calls, testing::ApplySkinCalls("Form8"));
    EXPECT_EQ(Rtf1(skinned)->palette().color(QPalette::Base), QColor(0x10, 0x20, 0x30));

    skin.throwOnColor = true;
    WriteHelp(programDir, "Help.rtf", kGoodRtf);
    HelpWindow failing(brand, settings, Dirs(), &skin);
    EXPECT_TRUE(failing.Load()); // a failing skin step is skipped
}

TEST_F(HelpWindowTest, OpensAtTheTopScrollsByKeyboardAndClosesOnEscape)
{
    QByteArray rtf = "{\\rtf1\\ansi First line of the help\\par ";
    for (int i = 0; i < 200; ++i)
        rtf += "Paragraph " + QByteArray::number(i) + "\\par ";
    WriteHelp(programDir, "Help.rtf", rtf + "Last line}");
    HelpWindow help(brand, settings, Dirs(), nullptr);
    ASSERT_TRUE(help.Load());
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    help.activateWindow();
    QTextBrowser* rtf1 = Rtf1(help);
    QScrollBar* bar = rtf1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the text should be longer than the view";
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(rtf1->cursorForPosition(QPoint(5, 5)).block().text(), QStringLiteral("First line of the help"));
    ASSERT_TRUE(test::WaitUntil([&] { return rtf1->hasFocus(); }));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    const int afterPage = bar->value();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_GT(bar->value(), afterPage);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    // Opened again, it starts at the top again.
    help.show();
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(HelpWindowTest, AHelpFileLongerThanTheViewKeepsEndsWithANote)
{
    // Twice the text that the reader keeps, as one paragraph of words.
    QByteArray rtf = "{\\rtf1 ";
    while (rtf.size() < 2'200'000)
        rtf += "word ";
    WriteHelp(programDir, "Help.rtf", rtf + "}");
    HelpWindow help(brand, settings, Dirs(), nullptr);
    ASSERT_TRUE(help.Load());
    EXPECT_EQ(
        Rtf1(help)->document()->lastBlock().text(),
        QStringLiteral(
            "The help file Help.rtf holds more than this window can show; the rest of it is left out."));
}

TEST_F(HelpWindowTest, LaysOutItsFirstScreenBeforeShowingAndTheRestAfterTheFirstFrame)
{
    QByteArray rtf = "{\\rtf1\\ansi First line of the help\\par ";
    for (int i = 0; i < 400; ++i)
        rtf += "Paragraph " + QByteArray::number(i) +
               " of the help, long enough to wrap once or twice in a "
               "view of this width when the words of the sentence keep coming\\par ";
    // A table past the first screen is laid out whole with the rest.
    rtf += "\\trowd\\cellx2000\\cellx4000\\pard\\intbl left\\cell right\\cell\\row\\pard Last line}";
    WriteHelp(programDir, "Help.rtf", rtf);
    HelpWindow help(brand, settings, Dirs(), nullptr);
    ASSERT_TRUE(help.Load());
    QTextDocument* doc = Rtf1(help)->document();
    // The start of the text is read; its end is neither read nor laid out yet.
    EXPECT_FALSE(doc->toPlainText().contains(QStringLiteral("Last line")));
    EXPECT_FALSE(help.textComplete());
    EXPECT_FALSE(doc->lastBlock().isVisible());

    help.show();
    // The first frame shows a full screen: more than the view holds is laid out.
    EXPECT_GT(doc->size().height(), Rtf1(help)->viewport()->height());
    EXPECT_EQ(doc->lastBlock().layout()->lineCount(), 0) << "the end was laid out before the first frame";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    ASSERT_TRUE(test::WaitUntil([&] { return help.textComplete(); }));
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        ASSERT_TRUE(block.isVisible()) << block.text().toStdString();
    EXPECT_GT(doc->lastBlock().layout()->lineCount(), 0);
    EXPECT_EQ(Rtf1(help)->verticalScrollBar()->value(), 0) << "laying out the rest moved the view";

    // Read again while it is open, the text is laid out without a new first
    // frame; a key before the rest is read reads and lays it all out first.
    WriteHelp(programDir, "Help.rtf", rtf.replace("Last line", "New last line"));
    ASSERT_TRUE(help.Load());
    EXPECT_FALSE(help.textComplete());
    QTest::keyClick(Rtf1(help), Qt::Key_End);
    EXPECT_TRUE(help.textComplete());
    EXPECT_EQ(doc->lastBlock().text(), QStringLiteral("New last line"));
    EXPECT_GT(doc->lastBlock().layout()->lineCount(), 0);
}

// A table that the first screen reaches is read while the screen is filled
// and shown with it, every cell laid out: in a file made for it, and in the
// shipped help.
TEST_F(HelpWindowTest, ATableOnTheFirstScreenIsShownWhole)
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < 24; ++i)
        rtf += "Line " + QByteArray::number(i) + " before the table\\par ";
    // Rows long enough that the table is read in several steps.
    const QByteArray border = "\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 "
                              "\\clbrdrb\\brdrs\\brdrw10 \\clbrdrr\\brdrs\\brdrw10 ";
    for (const char* row : {"1", "2", "3", "4", "5", "6"})
        rtf += "\\trowd" + border + "\\cellx2000" + border + "\\cellx4000\\pard\\intbl a" + row + "\\cell b" +
               row + "\\cell\\row";
    rtf += "\\pard ";
    for (int i = 0; i < 300; ++i)
        rtf += "Line " + QByteArray::number(i) + " after the table\\par ";
    QFile shipped(QStringLiteral(TINTORA_HELP_RTF));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    for (const QByteArray& file : {rtf + "}", shipped.readAll()}) {
        WriteHelp(programDir, "Help.rtf", file);
        HelpWindow help(brand, settings, Dirs(), nullptr);
        ASSERT_TRUE(help.Load());
        QTextDocument* doc = Rtf1(help)->document();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
            ASSERT_EQ(QTextCursor(block).currentTable(), nullptr) << "the table should be read after Load";

        help.show();
        int cells = 0;
        for (QTextBlock block = doc->begin(); block.isValid() && block.isVisible(); block = block.next()) {
            EXPECT_GT(block.layout()->lineCount(), 0) << block.text().toStdString();
            cells += QTextCursor(block).currentTable() != nullptr;
        }
        EXPECT_GE(cells, 12);
    }
}

} // namespace
} // namespace tintora
