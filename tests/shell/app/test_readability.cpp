// SPDX-License-Identifier: MIT
// Every window of the program rendered in the default light colour scheme
// and in a dark one (Fusion with a dark palette): each text has a contrast
// of at least 4.5:1 against what is painted behind it.
#include "core/branding.h"
#include "core/color_contrast.h"
#include "mainwin/main_window.h"
#include "platform/settings_store.h"
#include "shell/windows/about_window.h"
#include "shell/windows/help_window.h"
#include "shell/windows/readable_colors.h"
#include "shell/windows/shell_state.h"
#include "shell/windows/splash_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFrame>

#include <gtest/gtest.h>

#include <map>

namespace tintora {
namespace {

double Contrast(const QColor& a, const QColor& b)
{
    return ContrastOf(Rgb{a.red(), a.green(), a.blue()}, Rgb{b.red(), b.green(), b.blue()}).ratio;
}

QPalette DarkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(235, 235, 235);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::LinkVisited, QColor(160, 120, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

// The colour that most pixels of `area` have: what the text stands on.
QColor Background(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb best = 0;
    int most = -1;
    for (const auto& [rgb, n] : counts)
        if (n > most) {
            most = n;
            best = rgb;
        }
    return QColor::fromRgb(best);
}

// The pixel of `area` that stands out most from `background`: the ink of the
// text drawn there.
QColor Ink(const QImage& image, const QRect& area, const QColor& background)
{
    QColor ink = background;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (Contrast(c, background) > Contrast(ink, background))
                ink = c;
        }
    return ink;
}

QString TextOf(const QWidget* w)
{
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return l->pixmap().isNull() ? l->text() : QString();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return {};
}

// Each enabled, visible text-bearing widget of `window` inside its client
// area: its text colour (from its palette) against the background painted
// there, and the text colour found among the painted pixels, so that the
// palette is known to be what is drawn. Returns one line per failure.
QStringList LowContrastTexts(QWidget& window)
{
    QStringList failures;
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect client(QPoint(0, 0), image.size());
    const auto widgets = window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const QString text = TextOf(w);
        if (text.trimmed().isEmpty() || !w->isVisibleTo(&window) || !w->isEnabled() ||
            qobject_cast<QTextBrowser*>(w->parentWidget()))
            continue;
        QRect own = w->rect().adjusted(2, 2, -2, -2);
        if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            // A group box's text is its title, above the controls it holds.
            QStyleOptionGroupBox opt;
            opt.initFrom(g);
            opt.text = g->title();
            opt.subControls = QStyle::SC_GroupBoxLabel;
            own = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        }
        const QRect area = QRect(w->mapTo(&window, own.topLeft()), own.size()) & client;
        if (area.isEmpty())
            continue; // placed outside the window, as designed: never seen
        const QColor fg = w->palette().color(QPalette::Active, w->foregroundRole());
        const QColor bg = Background(image, area);
        const QColor ink = Ink(image, area, bg);
        const QString name = w->objectName().isEmpty() ? text : w->objectName();
        if (Contrast(fg, bg) < 4.5)
            failures << QStringLiteral("%1 \"%2\": %3 on %4 is %5:1")
                            .arg(name, text, fg.name(), bg.name())
                            .arg(Contrast(fg, bg), 0, 'f', 2);
        // Anti-aliasing may lighten the ink a little, never beyond half.
        else if (Contrast(ink, bg) < (Contrast(fg, bg) + 1) / 2)
            failures << QStringLiteral("%1 \"%2\": drawn in %3, not in its palette's %4, on %5")
                            .arg(name, text, ink.name(), fg.name(), bg.name());
    }
    return failures;
}

class Readability : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        saved_ = QApplication::palette();
        savedStyle_ = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(dark() ? DarkPalette() : QApplication::style()->standardPalette());
    }
    void TearDown() override
    {
        QApplication::setStyle(QStyleFactory::create(savedStyle_));
        QApplication::setPalette(saved_);
    }
    bool dark() const { return GetParam(); }

    static void Show(QWidget& w)
    {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        QApplication::processEvents();
    }

private:
    QPalette saved_;
    QString savedStyle_;
};

TEST_P(Readability, MainWindow)
{
    QTemporaryDir program, user;
    MainWindow form(program.path(), user.path());
    form.setMessageHook([](const QString&, const QString&) {});
    form.Load();
    Show(form);
    EXPECT_EQ(LowContrastTexts(form).join(QLatin1Char('\n')).toStdString(), "");
}

TEST_P(Readability, AboutWindow)
{
    VersionInfo version;
    version.productName = "Tintora";
    version.companyName = "Owner";
    version.comments = "www.owner.example";
    AboutWindow about(BrandInfo{}, version, nullptr);
    Show(about);
    EXPECT_EQ(LowContrastTexts(about).join(QLatin1Char('\n')).toStdString(), "");
}

// The help document sits on its own page, white as it sets none, and every
// run of its text, link or note stands out on the page or on the shading
// the document gives it.
TEST_P(Readability, HelpWindow)
{
    BrandInfo brand;
    brand.productName = "Tintora";
    SettingsStore settings(QStringLiteral("tintora-readability-test"));
    HelpWindow help(brand, settings, {QStringLiteral(HELP_DIR)}, nullptr);
    ASSERT_TRUE(help.Load());
    Show(help);
    EXPECT_EQ(LowContrastTexts(help).join(QLatin1Char('\n')).toStdString(), "");

    auto* view = help.findChild<QTextBrowser*>(QStringLiteral("rtf1"));
    ASSERT_NE(view, nullptr);
    const QTextDocument& doc = *view->document();
    ASSERT_EQ(doc.rootFrame()->frameFormat().background().style(), Qt::NoBrush);
    const QImage shown = view->viewport()->grab().toImage();
    EXPECT_EQ(Background(shown, shown.rect()), QColor(Qt::white));
    const QPalette pal = view->palette();
    int runs = 0;
    QStringList failures;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QBrush blockBack = block.blockFormat().background();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.text().trimmed().isEmpty() || f.text() == QString(QChar::ObjectReplacementCharacter))
                continue;
            const QTextCharFormat cf = f.charFormat();
            QColor fg = pal.color(QPalette::Text);
            if (cf.foreground().style() != Qt::NoBrush)
                fg = cf.foreground().color();
            else if (cf.isAnchor())
                fg = pal.color(QPalette::Link);
            QColor bg = pal.color(QPalette::Base); // the page
            if (cf.background().style() != Qt::NoBrush)
                bg = cf.background().color();
            else if (blockBack.style() != Qt::NoBrush)
                bg = blockBack.color();
            ++runs;
            if (Contrast(fg, bg) < 4.5)
                failures << QStringLiteral("\"%1\": %2 on %3").arg(f.text().left(30), fg.name(), bg.name());
        }
    }
    EXPECT_GT(runs, 20);
    EXPECT_EQ(failures.join(QLatin1Char('\n')).toStdString(), "");
}

// The splash is a picture with its text painted in: the same in every
// colour scheme, its light text on the dark gradient.
TEST_P(Readability, Splash)
{
    ShellState state;
    SplashWindow splash(state, nullptr);
    splash.Load();
    Show(splash);
    const QImage image = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Where the picture draws the product name, its line and "Starting...".
    for (const QRect& text : {QRect(252, 96, 222, 51), QRect(254, 158, 220, 30), QRect(0, 292, 466, 20)}) {
        const QColor bg = Background(image, text);
        const QColor ink = Ink(image, text, bg);
        EXPECT_GE(Contrast(ink, bg), 4.5) << ink.name().toStdString() << " on " << bg.name().toStdString();
        EXPECT_GT(Contrast(ink, bg), 1.5) << "no text at " << text.x() << "," << text.y();
    }
    EXPECT_EQ(LowContrastTexts(splash).join(QLatin1Char('\n')).toStdString(), "");
}

// A document that sets its own page colour is shown on it, with unset text
// and links chosen to stand out there.
TEST(DocumentPage, FollowsThePageTheDocumentSets)
{
    const struct {
        QColor page;      // invalid: the document sets none
        QColor shownPage; // expected
        QColor text;
        QColor link;
    } rows[] = {
        {QColor(), Qt::white, Qt::black, QColor(0, 0, 255)},
        {QColor(255, 250, 230), QColor(255, 250, 230), Qt::black, QColor(0, 0, 255)},
        // Blue is not legible on navy: the palette's link colour is.
        {QColor(0, 0, 64), QColor(0, 0, 64), Qt::white, QColor(42, 130, 218)},
    };
    for (const auto& row : rows) {
        QTextDocument doc;
        if (row.page.isValid()) {
            QTextFrameFormat f = doc.rootFrame()->frameFormat();
            f.setBackground(row.page);
            doc.rootFrame()->setFrameFormat(f);
        }
        const QPalette pal = DocumentPagePalette(doc, DarkPalette());
        EXPECT_EQ(pal.color(QPalette::Base), row.shownPage) << row.page.name().toStdString();
        EXPECT_EQ(pal.color(QPalette::Text), row.text) << row.page.name().toStdString();
        EXPECT_EQ(pal.color(QPalette::Link), row.link) << row.page.name().toStdString();
        EXPECT_EQ(pal.color(QPalette::Window), DarkPalette().color(QPalette::Window));
    }
}

INSTANTIATE_TEST_SUITE_P(Schemes, Readability, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dark" : "Light"; });

} // namespace
} // namespace tintora
