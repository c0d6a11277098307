// SPDX-License-Identifier: MIT
// The "Copy as" menu and the contrast and name label, through the real
// widgets on the offscreen platform.
#include "mainwin/color_facts_label.h"
#include "mainwin/copy_as_menu.h"
#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUuid>

namespace tintora {
namespace {

class CopyAsMenuTest : public ::testing::Test
{
protected:
    void SetUp() override { QStandardPaths::setTestModeEnabled(true); }

    // A settings store of its own for every test.
    SettingsStore settings{QStringLiteral("TintoraTest-") +
                           QUuid::createUuid().toString(QUuid::WithoutBraces)};
};

QAction* Entry(const QMenu& menu, const char* name)
{
    return menu.findChild<QAction*>(QString::fromLatin1(name));
}

TEST_F(CopyAsMenuTest, OffersEveryNotationAndCopiesIt)
{
    CopyAsMenu menu(settings);
    menu.setColor(Rgb{255, 255, 0});
    const struct {
        const char* entry;
        QString copied;
    } cases[] = {
        {"copyAs_html", "#FFFF00"},
        {"copyAs_hex-lower", "#ffff00"},
        {"copyAs_hex3", "#ff0"},
        {"copyAs_css-rgb", "rgb(255, 255, 0)"},
        {"copyAs_css-hsl", "hsl(60, 100%, 50%)"},
        {"copyAs_vbhex", "&H00FFFF&"},
        {"copyAs_delphi", "$0000FFFF"},
        {"copyAs_decimal", "65535"},
        {"copyAs_decimal-rgb", "16776960"},
    };
    QSignalSpy spy(&menu, &CopyAsMenu::copied);
    for (const auto& c : cases) {
        QAction* action = Entry(menu, c.entry);
        ASSERT_NE(action, nullptr) << c.entry;
        action->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copied) << c.entry;
    }
    EXPECT_EQ(spy.count(), static_cast<int>(std::size(cases)));
    // "&" shows as itself, not as a mnemonic.
    EXPECT_TRUE(Entry(menu, "copyAs_vbhex")->text().startsWith(QStringLiteral("&&H00FFFF&&\t")));

    // No "#rgb" where it would not be exact.
    menu.setColor(Rgb{1, 2, 3});
    EXPECT_EQ(Entry(menu, "copyAs_hex3"), nullptr);
    ASSERT_NE(Entry(menu, "copyAs_html"), nullptr);
    Entry(menu, "copyAs_html")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("#010203"));
}

// 95,000 templates in a hand-edited settings file: the menu offers the
// first 20, as many as it can hold.
TEST_F(CopyAsMenuTest, HugeTemplateListInTheSettingsIsCutToTheLimit)
{
    QByteArray bytes = "[Settings]\ncopyTemplates=";
    for (int i = 0; i < 95000; ++i)
        bytes += QByteArray::number(i, 36) + "{r}\\n";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settings.filePath()).absolutePath()));
    QFile file(settings.filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes + "\n"), bytes.size() + 1);
    file.close();
    CopyAsMenu menu(settings);
    menu.setColor(Rgb{1, 2, 3});
    EXPECT_EQ(menu.templates().size(), CopyAsMenu::MaxTemplates);
    QMenu* remove = menu.findChild<QMenu*>(QStringLiteral("mnuRemoveTemplate"));
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(remove->actions().size(), CopyAsMenu::MaxTemplates);
    EXPECT_NE(Entry(menu, "copyAsTemplate19"), nullptr);
    EXPECT_EQ(Entry(menu, "copyAsTemplate20"), nullptr);
    QFile::remove(settings.filePath());
}

TEST_F(CopyAsMenuTest, TemplatesAreKeptInTheSettings)
{
    {
        CopyAsMenu menu(settings);
        QString error;
        EXPECT_TRUE(menu.addTemplate(QStringLiteral("0x{HEX}"), &error));
        EXPECT_TRUE(menu.addTemplate(QStringLiteral("{r}, {g}, {b}"), &error));
        EXPECT_FALSE(menu.addTemplate(QStringLiteral("0x{HEX}"), &error));
        EXPECT_FALSE(menu.addTemplate(QStringLiteral("{q}"), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("unknown placeholder {q}"))) << error.toStdString();
    }
    // A new menu, as after a restart, reads them back.
    CopyAsMenu menu(settings);
    menu.setColor(Rgb{153, 102, 51});
    EXPECT_EQ(menu.templates(), (QStringList{QStringLiteral("0x{HEX}"), QStringLiteral("{r}, {g}, {b}")}));
    Entry(menu, "copyAsTemplate0")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("0x996633"));
    Entry(menu, "copyAsTemplate1")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("153, 102, 51"));

    // A template spoilt in the settings file is shown, disabled, not copied.
    settings.SaveSetting(QStringLiteral("Settings"), QStringLiteral("copyTemplates"),
                         QStringLiteral("{r}\n{nope}"));
    menu.setColor(Rgb{153, 102, 51});
    ASSERT_NE(Entry(menu, "copyAsTemplate1"), nullptr);
    EXPECT_FALSE(Entry(menu, "copyAsTemplate1")->isEnabled());
    EXPECT_TRUE(Entry(menu, "copyAsTemplate1")->toolTip().contains(QStringLiteral("{nope}")));
    ASSERT_NE(Entry(menu, "copyAsAddTemplate"), nullptr);

    // Removing one through its submenu keeps the others.
    QMenu* remove = menu.findChild<QMenu*>(QStringLiteral("mnuRemoveTemplate"));
    ASSERT_NE(remove, nullptr);
    ASSERT_EQ(remove->actions().size(), 2);
    remove->actions().at(1)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(menu.templates(), QStringList{QStringLiteral("{r}")});
    EXPECT_FALSE(menu.removeTemplate(QStringLiteral("{nope}")));
}

// The user's path: "Add Template..." asks for the text; a bad one is
// refused with a message naming the fault and is not stored.
TEST_F(CopyAsMenuTest, AddTemplateAsksAndRefusesBadOnes)
{
    QWidget owner;
    CopyAsMenu menu(settings, &owner);
    QStringList shownMessages;
    auto answer = [&](const QString& text) {
        QTimer::singleShot(0, [&, text] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->setTextValue(text);
            // A refusal shows a message box next; close it too.
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    shownMessages << box->text();
                    box->accept();
                }
            });
            dialog->accept();
        });
        Entry(menu, "copyAsAddTemplate")->trigger();
    };
    answer(QStringLiteral("#{hex}"));
    answer(QStringLiteral("{red}"));
    EXPECT_EQ(menu.templates(), QStringList{QStringLiteral("#{hex}")});
    ASSERT_EQ(shownMessages.size(), 1);
    EXPECT_TRUE(shownMessages[0].contains(QStringLiteral("unknown placeholder {red}")))
        << shownMessages[0].toStdString();
}

TEST(ColorFactsLabel, ContrastVerdictsAndName)
{
    ColorFactsLabel label;
    const struct {
        Rgb newColor, oldColor;
        QString text;
    } cases[] = {
        {{0, 0, 0},
         {255, 255, 255},
         "Contrast 21:1 - AA: normal, large - AAA: normal, large\nName: black (exact)"},
        {{0x77, 0x77, 0x77}, {255, 255, 255}, "Contrast 4.47:1 - AA: large - AAA: none\nNearest name: gray"},
        {{0x76, 0x76, 0x76},
         {255, 255, 255},
         "Contrast 4.54:1 - AA: normal, large - AAA: large\nNearest name: gray"},
        {{255, 0, 0}, {255, 0, 0}, "Contrast 1:1 - AA: none - AAA: none\nName: red (exact)"},
    };
    for (const auto& c : cases) {
        label.setColors(c.newColor, c.oldColor);
        EXPECT_EQ(label.text(), c.text);
    }
    label.setColors(Rgb{0x77, 0x77, 0x77}, Rgb{255, 255, 255});
    EXPECT_TRUE(label.details().contains(QStringLiteral("Normal text: AA fail (4.5:1), AAA fail (7:1)")));
    // Written when the pointer asks for it.
    QHelpEvent ask(QEvent::ToolTip, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(&label, &ask);
    EXPECT_EQ(label.toolTip(), label.details());
    QToolTip::hideText();

    // The longest text fits the free band below the bottom buttons
    // (472 x 70 pixels) in the window's 8.25-point font.
    QFont font = label.font();
    font.setPointSizeF(8.25);
    font.setBold(true);
    label.setFont(font);
    label.setColors(Rgb{0, 0, 0}, Rgb{255, 255, 255});
    int width = 0;
    int height = 0;
    for (const char* name : {"lblContrast", "lblColorName"}) {
        const QLabel* line = label.findChild<QLabel*>(QString::fromLatin1(name));
        width = std::max(width, line->sizeHint().width());
        height += line->sizeHint().height();
    }
    EXPECT_GT(width, 0);
    EXPECT_LE(width, 472);
    EXPECT_LE(height, 70);
}

} // namespace
} // namespace tintora
