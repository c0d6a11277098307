// SPDX-License-Identifier: MIT
#include <set>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "recording_skin_provider.h"
#include "shell/windows/about_window.h"
#include "shell/windows/skin_label.h"

namespace tintora {
namespace {

QLabel* Label(QWidget& w, const char* name)
{
    return w.findChild<QLabel*>(QString::fromLatin1(name));
}

VersionInfo Version(int major, int minor)
{
    VersionInfo v;
    v.productName = "Product";
    v.companyName = "Owner";
    v.comments = "www.owner.example";
    v.major = major;
    v.minor = minor;
    return v;
}

TEST(AboutWindow, ShowsTheBrandingValuesAndTitle)
{
    BrandInfo brand;
    brand.productName = "Title Product";
    VersionInfo version = Version(2, 0);
    version.productName = "Label Product";
    AboutWindow about(brand, version, nullptr);
    // The title comes from BrandInfo, the labels from the version information.
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Title Product"));
    EXPECT_EQ(Label(about, "Label1")->text(), QStringLiteral("Label Product"));
    EXPECT_EQ(Label(about, "lblCompany")->text(), QStringLiteral("Owner"));
    EXPECT_EQ(Label(about, "lblWebsite")->text(), QStringLiteral("www.owner.example"));
    EXPECT_EQ(Label(about, "lblVersion")->text(), QStringLiteral("2.0"));
}

TEST(AboutWindow, VersionIsMajorDotMinorWithoutPadding)
{
    const struct {
        int major, minor;
        const char* text;
    } rows[] = {{2, 0, "2.0"}, {10, 5, "10.5"}, {2, 10, "2.10"}, {0, 0, "0.0"}};
    for (const auto& row : rows) {
        AboutWindow about(BrandInfo{}, Version(row.major, row.minor), nullptr);
        EXPECT_EQ(Label(about, "lblVersion")->text().toStdString(), row.text);
    }
}

TEST(AboutWindow, PlacesItsControlsAtTheDesignPositions)
{
    AboutWindow about(BrandInfo{}, Version(2, 0), nullptr);
    EXPECT_EQ(about.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about.size(), QSize(497, 169));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    auto* picture1 = about.findChild<QLabel*>(QStringLiteral("Picture1"));
    ASSERT_NE(picture1, nullptr);
    EXPECT_EQ(picture1->geometry(), QRect(0, 0, 501, 69));
    EXPECT_EQ(picture1->property("tintoraKind").toString(), QStringLiteral("PictureBox"));
    EXPECT_EQ(picture1->pixmap().size(), QSize(501, 69));

    const struct {
        const char* name;
        QRect geometry;
        const char* text; // nullptr: filled from the branding
        qreal points;
    } rows[] = {
        {"Label1", QRect(8, 20, 377, 29), nullptr, 14.25},
        {"Label2", QRect(12, 84, 153, 21), "Version:", 12},
        {"lblVersion", QRect(172, 84, 309, 21), nullptr, 12},
        {"Label3", QRect(12, 112, 153, 21), "Owned By:", 12},
        {"lblCompany", QRect(172, 112, 309, 21), nullptr, 12},
        {"Label4", QRect(12, 140, 153, 21), "Website:", 12},
        {"lblWebsite", QRect(172, 140, 309, 21), nullptr, 12},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QLabel* label = Label(about, row.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), row.geometry);
        if (row.text)
            EXPECT_EQ(label->text().toStdString(), row.text);
        EXPECT_EQ(label->font().pointSizeF(), row.points);
        EXPECT_TRUE(label->font().bold());
        // Verdana where it is installed, else its free substitute.
        const QStringList verdana{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("Liberation Sans")};
        EXPECT_TRUE(verdana.contains(label->font().family(), Qt::CaseInsensitive))
            << label->font().family().toStdString();
    }
    EXPECT_EQ(Label(about, "Label1")->parentWidget(), picture1);

    QLabel* label5 = Label(about, "Label5");
    ASSERT_NE(label5, nullptr);
    EXPECT_EQ(label5->geometry(), QRect(8, 208, 481, 85));
    EXPECT_GE(label5->y(), about.height()); // below the client area
    EXPECT_FALSE(label5->text().isEmpty());

    QLabel* website = Label(about, "lblWebsite");
    EXPECT_EQ(website->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(website->cursor().shape(), Qt::PointingHandCursor);
}

TEST(AboutWindow, ClickingTheWebSiteAsksForTheBrowser)
{
    AboutWindow about(BrandInfo{}, Version(2, 0), nullptr);
    about.show();
    QSignalSpy requested(&about, &AboutWindow::webSiteRequested);
    QLabel* website = Label(about, "lblWebsite");
    QTest::mouseClick(website, Qt::RightButton);
    EXPECT_EQ(requested.count(), 0);
    QTest::mouseClick(website, Qt::LeftButton);
    EXPECT_EQ(requested.count(), 1);
    // Pressed on the label but released elsewhere is no click.
    QTest::mousePress(website, Qt::LeftButton);
    QTest::mouseRelease(website, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(requested.count(), 1);
    // Other labels do not ask.
    QTest::mouseClick(Label(about, "lblCompany"), Qt::LeftButton);
    EXPECT_EQ(requested.count(), 1);
}

TEST(AboutWindow, WithSkinningOnEveryLabelGetsASkinLabelThenTheWindowIsSkinned)
{
    BrandInfo brand;
    brand.skinEnabled = true;
    testing::RecordingSkinProvider skin;
    AboutWindow about(brand, Version(2, 0), &skin);
    EXPECT_EQ(skin.calls, testing::ApplySkinCalls("frmAbout"));

    const auto skinLabels = about.findChildren<SkinLabel*>(QStringLiteral("SkinLabel1"));
    // The hidden template plus one for each of the eight labels.
    ASSERT_EQ(skinLabels.size(), 9);
    std::set<int> indexes;
    for (const SkinLabel* l : skinLabels)
        indexes.insert(l->index());
    EXPECT_EQ(indexes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    const auto* version = Label(about, "lblVersion");
    bool covered = false;
    for (const SkinLabel* l : skinLabels)
        covered = covered || (l->text() == version->text() && l->geometry() == version->geometry());
    EXPECT_TRUE(covered);
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Picture1"))->palette().color(QPalette::Window),
              QColor(0x70, 0x80, 0x90));

    testing::RecordingSkinProvider unused;
    AboutWindow plain(BrandInfo{}, Version(2, 0), &unused);
    EXPECT_TRUE(unused.calls.empty());
    EXPECT_EQ(plain.findChildren<SkinLabel*>().size(), 1);
}

} // namespace
} // namespace tintora

namespace tintora {
namespace {

TEST(AboutWindow, EscapeClosesIt)
{
    BrandInfo brand;
    AboutWindow about(brand, Version(2, 0), nullptr);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    about.activateWindow();
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
} // namespace tintora
