// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include <map>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "recording_skin_provider.h"
#include "shell/windows/default_skin_provider.h"
#include "shell/windows/skin.h"
#include "shell/windows/skin_label.h"

namespace tintora {
namespace {

using testing::ApplySkinCalls;
using testing::RecordingSkinProvider;

QWidget* Named(QWidget* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QWidget* PictureBox(QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->setProperty("tintoraKind", QStringLiteral("PictureBox"));
    return w;
}

TEST(ControlKindName, MapsWidgetClassesToTheKindsOfTheColourTable)
{
    QWidget window;
    auto* overridden = new QLabel(&window);
    overridden->setProperty("tintoraKind", QStringLiteral("PictureBox"));
    const struct {
        QWidget* widget;
        const char* kind;
    } rows[] = {
        {new QPushButton(&window), "CommandButton"},
        {new QToolButton(&window), "CommandButton"},
        {new QLineEdit(&window), "TextBox"},
        {new QTextEdit(&window), "TextBox"},
        {new QTextBrowser(&window), "TextBox"},
        {new QPlainTextEdit(&window), "TextBox"},
        {new QComboBox(&window), "ComboBox"},
        {new QListWidget(&window), "ListBox"},
        {new QListView(&window), "ListBox"},
        {new QTreeWidget(&window), "ListView"},
        {new QTableWidget(&window), "ListView"},
        {new QLabel(&window), "Label"},
        {PictureBox(&window), "PictureBox"},
        {overridden, "PictureBox"},
        {new SkinLabel(1, &window), "SkinLabel"},
        {new QCheckBox(&window), "QCheckBox"},
        {new QFrame(&window), "QFrame"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ControlKindName(row.widget).toStdString(), row.kind)
            << row.widget->metaObject()->className();
    EXPECT_EQ(ControlKindName(nullptr).toStdString(), "");
}

TEST(ApplySkin, ColoursEachControlKindAndReadsThePropertiesInOrder)
{
    QWidget window;
    window.setObjectName(QStringLiteral("frmTest"));
    auto* frame = Named(new QFrame(&window), "frame");
    QWidget* controls[] = {
        Named(new QPushButton(&window), "button"),
        Named(new QToolButton(frame), "nestedTool"),
        Named(new QLineEdit(&window), "line"),
        Named(new QTextBrowser(frame), "browser"),
        Named(new QComboBox(&window), "combo"),
        Named(new QListWidget(&window), "list"),
        Named(new QTreeWidget(&window), "tree"),
        Named(PictureBox(&window), "picture"),
        Named(new QLabel(&window), "label"),
        Named(new QCheckBox(&window), "check"),
        frame,
    };
    std::map<std::string, QPalette> before;
    for (QWidget* w : controls)
        before[w->objectName().toStdString()] = w->palette();

    RecordingSkinProvider skin;
    ApplySkin(&window, skin);
    EXPECT_EQ(skin.calls, ApplySkinCalls("frmTest"));

    const QColor c1(0x10, 0x20, 0x30);
    const QColor c2(0x40, 0x50, 0x60);
    const QColor c3(0x70, 0x80, 0x90);
    const struct {
        const char* name;
        std::optional<QColor> background;
        std::optional<QColor> text;
    } rows[] = {
        {"button", c1, std::nullopt},
        {"nestedTool", c1, std::nullopt},
        {"line", c1, c2},
        {"browser", c1, c2},
        {"combo", c1, c2},
        {"list", c1, c2},
        {"tree", c1, c2},
        {"picture", c3, std::nullopt},
        {"label", std::nullopt, std::nullopt},
        {"check", std::nullopt, std::nullopt},
        {"frame", std::nullopt, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto* w = window.findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(w, nullptr);
        const QPalette& old = before[row.name];
        const QPalette now = w->palette();
        if (row.background) {
            EXPECT_EQ(now.color(QPalette::Button), *row.background);
            EXPECT_EQ(now.color(QPalette::Base), *row.background);
            EXPECT_EQ(now.color(QPalette::Window), *row.background);
            EXPECT_TRUE(w->autoFillBackground());
        } else {
            EXPECT_EQ(now.color(QPalette::Button), old.color(QPalette::Button));
            EXPECT_EQ(now.color(QPalette::Base), old.color(QPalette::Base));
            EXPECT_EQ(now.color(QPalette::Window), old.color(QPalette::Window));
        }
        if (row.text) {
            EXPECT_EQ(now.color(QPalette::Text), *row.text);
            EXPECT_EQ(now.color(QPalette::ButtonText), *row.text);
        } else {
            EXPECT_EQ(now.color(QPalette::Text), old.color(QPalette::Text));
            EXPECT_EQ(now.color(QPalette::ButtonText), old.color(QPalette::ButtonText));
        }
    }
}

TEST(SkinControlColors, UsesOnlyTheLowThreeBytesOfAColour)
{
    QWidget window;
    auto* button = new QPushButton(&window);
    SkinControlColors(&window, static_cast<std::int32_t>(0x80112233u), 0, 0);
    EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0x33, 0x22, 0x11));
    SkinControlColors(nullptr, 0, 0, 0);
}

TEST(ReplaceLabelsWithSkinLabels, CopiesPositionFontCaptionAndVisibilityAndKeepsThePlainLabels)
{
    QWidget window;
    auto* frame = new QFrame(&window);
    frame->setGeometry(100, 100, 200, 200);
    auto* templ = new SkinLabel(0, frame);
    templ->hide();

    auto* shown = new QLabel(QStringLiteral("Shown"), &window);
    shown->setObjectName(QStringLiteral("shown"));
    shown->setGeometry(11, 12, 130, 14);
    QFont bold(QStringLiteral("DejaVu Sans"), 12);
    bold.setBold(true);
    shown->setFont(bold);
    auto* hidden = new QLabel(QStringLiteral("Hidden"), &window);
    hidden->setObjectName(QStringLiteral("hidden"));
    hidden->setGeometry(21, 22, 50, 16);
    hidden->hide();
    auto* inFrame = new QLabel(QStringLiteral("In frame"), frame);
    inFrame->setObjectName(QStringLiteral("inFrame"));
    inFrame->setGeometry(5, 6, 70, 18);

    ReplaceLabelsWithSkinLabels(&window, nullptr);

    const auto skinLabels = window.findChildren<SkinLabel*>(QStringLiteral("SkinLabel1"));
    ASSERT_EQ(skinLabels.size(), 4); // the template and one per plain label
    std::set<int> indexes;
    for (SkinLabel* made : skinLabels)
        indexes.insert(made->property("index").toInt());
    EXPECT_EQ(indexes, (std::set<int>{0, 1, 2, 3}));

    const struct {
        QLabel* plain;
        bool visible;
    } rows[] = {{shown, true}, {hidden, false}, {inFrame, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.plain->text().toStdString());
        SkinLabel* made = nullptr;
        for (SkinLabel* candidate : skinLabels)
            if (candidate != templ && candidate->text() == row.plain->text())
                made = candidate;
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(made->parentWidget(), row.plain->parentWidget());
        EXPECT_EQ(made->geometry(), row.plain->geometry());
        EXPECT_EQ(made->font(), row.plain->font());
        EXPECT_EQ(made->isVisibleTo(&window), row.visible);
    }
    // The plain labels stay.
    EXPECT_EQ(shown->parentWidget(), &window);
    EXPECT_EQ(inFrame->parentWidget(), frame);

    // Skin labels are not labels to replace: a second pass adds one per plain
    // label again, continuing the indexes.
    ReplaceLabelsWithSkinLabels(&window, nullptr);
    EXPECT_EQ(window.findChildren<SkinLabel*>().size(), 7);
}

TEST(ReplaceLabelsWithSkinLabels, WithATemplateContainerReplacesOnlyItsLabels)
{
    QWidget window;
    auto* frame = new QFrame(&window);
    new QLabel(QStringLiteral("outside"), &window);
    new QLabel(QStringLiteral("inside"), frame);
    ReplaceLabelsWithSkinLabels(&window, frame);
    const auto made = window.findChildren<SkinLabel*>();
    ASSERT_EQ(made.size(), 1);
    EXPECT_EQ(made.front()->text(), QStringLiteral("inside"));
    EXPECT_EQ(made.front()->parentWidget(), frame);
    EXPECT_EQ(made.front()->index(), 1); // no template: the first element is 1
}

TEST(SkinSplashStart, SkinsTheWindowThenStartsTheEngineAndIgnoresEngineErrors)
{
    QWidget splash;
    splash.setObjectName(QStringLiteral("frmSplash"));
    RecordingSkinProvider skin;
    skin.throwOnEngineStart = true;
    EXPECT_NO_THROW(SkinSplashStart(&splash, skin));
    auto expected = ApplySkinCalls("frmSplash");
    expected.push_back("engine start");
    EXPECT_EQ(skin.calls, expected);

    RecordingSkinProvider failing;
    failing.throwOnColor = true;
    EXPECT_THROW(SkinSplashStart(&splash, failing), std::runtime_error);
    EXPECT_EQ(failing.calls, std::vector<std::string>{"color 2"});
}

TEST(SkinProgramEnd, TellsTheEngineOnce)
{
    RecordingSkinProvider skin;
    SkinProgramEnd(skin);
    EXPECT_EQ(skin.calls, std::vector<std::string>{"engine end"});
}

TEST(DefaultSkinProvider, SkinsControlsAndWindowAndPairsEngineStartWithEnd)
{
    auto provider = CreateDefaultSkinProvider();
    auto& skin = dynamic_cast<DefaultSkinProvider&>(*provider);
    QWidget window;
    const QColor windowBefore = window.palette().color(QPalette::Window);
    auto* button = new QPushButton(&window);
    ApplySkin(&window, skin);
    const auto c1 = static_cast<std::uint32_t>(skin.ColorProperty(2));
    EXPECT_EQ(button->palette().color(QPalette::Button),
              QColor(c1 & 0xFF, (c1 >> 8) & 0xFF, (c1 >> 16) & 0xFF));
    EXPECT_NE(window.palette().color(QPalette::Window), windowBefore);
    EXPECT_NE(skin.ColorProperty(2), skin.ColorProperty(3)); // text must stand out from its background
    EXPECT_EQ(skin.ColorProperty(99), 0);

    EXPECT_FALSE(skin.engineRunning());
    SkinSplashStart(&window, skin);
    EXPECT_TRUE(skin.engineRunning());
    SkinProgramEnd(skin);
    EXPECT_FALSE(skin.engineRunning());
}

} // namespace
} // namespace tintora
