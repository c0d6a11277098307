// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include "recording_skin_provider.h"
#include "shell/windows/artwork.h"
#include "shell/windows/splash_window.h"

namespace tintora {
namespace {

using testing::ApplySkinCalls;
using testing::RecordingSkinProvider;

TEST(SplashWindow, IsABorderless478By318SplashWithItsDesignControls)
{
    ShellState state;
    SplashWindow splash(state, nullptr);
    splash.Load();
    EXPECT_EQ(splash.objectName(), QStringLiteral("frmSplash"));
    EXPECT_EQ(splash.windowType(), Qt::SplashScreen);
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.size(), QSize(478, 318));
    EXPECT_EQ(splash.minimumSize(), splash.maximumSize());

    auto* image = splash.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(0, 0, 478, 318));
    EXPECT_EQ(image->pixmap().size(), QSize(478, 318));
    auto* label3 = splash.findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_NE(label3, nullptr);
    EXPECT_EQ(label3->geometry(), QRect(-401, 112, 401, 57));
    EXPECT_FALSE(label3->text().isEmpty());
    auto* timer2 = splash.findChild<QTimer*>(QStringLiteral("Timer2"));
    ASSERT_NE(timer2, nullptr);
    EXPECT_EQ(timer2->interval(), 2);
    EXPECT_TRUE(timer2->isActive());
}

TEST(SplashWindow, LoadClearsMainWindowClosedAndStartsTheTimer)
{
    ShellState state;
    state.mainWindowClosed = true;
    SplashWindow splash(state, nullptr);
    auto* timer2 = splash.findChild<QTimer*>(QStringLiteral("Timer2"));
    EXPECT_FALSE(timer2->isActive());
    splash.Load();
    EXPECT_FALSE(state.mainWindowClosed);
    EXPECT_TRUE(timer2->isActive());
}

TEST(SplashWindow, AsksForTheMainWindowOnceOnThe75thTickWithTheTimerStoppedThenHides)
{
    ShellState state;
    SplashWindow splash(state, nullptr);
    splash.Load();
    splash.show();
    auto* timer2 = splash.findChild<QTimer*>(QStringLiteral("Timer2"));
    bool timerActiveAtSignal = true;
    bool visibleAtSignal = false;
    QObject::connect(&splash, &SplashWindow::mainWindowDue, [&] {
        timerActiveAtSignal = timer2->isActive();
        visibleAtSignal = splash.isVisible();
    });
    QSignalSpy due(&splash, &SplashWindow::mainWindowDue);

    // Ticks are driven by hand; no events run, so the real timer stays out.
    for (int tick = 1; tick <= 74; ++tick) {
        splash.Timer2Tick();
        ASSERT_EQ(due.count(), 0) << "tick " << tick;
        ASSERT_TRUE(splash.isVisible()) << "tick " << tick;
    }
    EXPECT_EQ(splash.tickCounter(), 148);
    splash.Timer2Tick();
    EXPECT_EQ(due.count(), 1);
    EXPECT_FALSE(timerActiveAtSignal);
    EXPECT_TRUE(visibleAtSignal); // the main window comes up before the splash goes
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(timer2->isActive());
    for (int tick = 0; tick < 10; ++tick)
        splash.Timer2Tick();
    EXPECT_EQ(due.count(), 1);
}

TEST(SplashWindow, TheRunningTimerOpensTheMainWindowExactlyOnce)
{
    ShellState state;
    SplashWindow splash(state, nullptr);
    QSignalSpy due(&splash, &SplashWindow::mainWindowDue);
    splash.Load();
    splash.show();
    ASSERT_TRUE(due.wait(10000));
    EXPECT_EQ(splash.tickCounter(), 150);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(due.wait(100));
    EXPECT_EQ(due.count(), 1);
    EXPECT_EQ(splash.tickCounter(), 150);
}

TEST(SplashWindow, SkinsItselfAndStartsTheEngineOnlyWhenSkinningIsOn)
{
    ShellState state;
    RecordingSkinProvider off;
    SplashWindow unskinned(state, &off);
    unskinned.Load(); // the shipped branding has skinning off
    EXPECT_TRUE(off.calls.empty());

    RecordingSkinProvider on;
    SplashWindow skinned(state, &on);
    skinned.setSkinOverride(true);
    skinned.Load();
    auto expected = ApplySkinCalls("frmSplash");
    expected.push_back("engine start");
    EXPECT_EQ(on.calls, expected);

    SplashWindow noProvider(state, nullptr);
    noProvider.setSkinOverride(true);
    EXPECT_NO_THROW(noProvider.Load());
}

TEST(SplashWindow, ASkinThatFailsDoesNotStopTheStart)
{
    for (const bool failColour : {true, false}) {
        SCOPED_TRACE(failColour ? "colour property fails" : "engine fails");
        ShellState state;
        state.mainWindowClosed = true;
        RecordingSkinProvider skin;
        skin.throwOnColor = failColour;
        skin.throwOnEngineStart = !failColour;
        SplashWindow splash(state, &skin);
        splash.setSkinOverride(true);
        EXPECT_NO_THROW(splash.Load());
        EXPECT_FALSE(state.mainWindowClosed);
        EXPECT_TRUE(splash.findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        const bool engineStarted =
            std::find(skin.calls.begin(), skin.calls.end(), "engine start") != skin.calls.end();
        EXPECT_EQ(engineStarted, !failColour);
    }
}

TEST(Artwork, PaintsAColourfulSplashAndBannerOfTheRequestedSize)
{
    const QImage splash = PaintSplashPicture(QStringLiteral("Tintora"));
    ASSERT_EQ(splash.size(), QSize(478, 318));
    // The wheel is colourful: its rim holds strongly different hues.
    const QColor left = splash.pixelColor(132 - 95, 150);
    const QColor right = splash.pixelColor(132 + 95, 150);
    EXPECT_GT(left.hsvSaturation(), 100);
    EXPECT_GT(std::abs(left.hsvHue() - right.hsvHue()), 90);
    // The product name is drawn: the text area differs with the name.
    EXPECT_NE(splash, PaintSplashPicture(QStringLiteral("Other")));

    const QImage banner = PaintAboutBanner(QSize(501, 69));
    EXPECT_EQ(banner.size(), QSize(501, 69));
    EXPECT_NE(banner.pixelColor(5, 68), banner.pixelColor(495, 68)); // the hue band
    EXPECT_TRUE(PaintAboutBanner(QSize()).isNull());
}

} // namespace
} // namespace tintora
