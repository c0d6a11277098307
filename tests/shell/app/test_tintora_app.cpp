// SPDX-License-Identifier: MIT
#include "core/branding.h"
#include "mainwin/main_window.h"
#include "platform/settings_store.h"
#include "shell/app/tintora_app.h"
#include "shell/windows/help_window.h"
#include "shell/windows/skin.h"
#include "shell/windows/splash_window.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace tintora {
namespace {

class TintoraAppTest : public ::testing::Test
{
protected:
    // The settings live in a folder of this test's own, never the user's.
    static void SetUpTestSuite()
    {
        settingsDir = new QTemporaryDir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir->path());
    }
    static void TearDownTestSuite()
    {
        delete settingsDir;
        settingsDir = nullptr;
    }

    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        settings.SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1"));
    }

    std::unique_ptr<TintoraApp> MakeApp(bool splash)
    {
        TintoraApp::Options o;
        o.programDir = programDir.path();
        o.userDataDir = programDir.path() + QStringLiteral("/user");
        o.showSplash = splash;
        auto app = std::make_unique<TintoraApp>(o);
        app->setBrowserFactory([this](const BrandInfo&) {
            ++browsersMade;
            auto* w = new QWidget;
            w->setObjectName(QStringLiteral("frmWebsite"));
            return w;
        });
        return app;
    }

    void WriteHelp(const char* name = "Help.rtf")
    {
        QFile f(programDir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{\\rtf1\\ansi Tintora help\\par}");
    }

    // Runs the event loop until the start-up after the main window's first
    // paint has settled: anything it scheduled (the help window) has run.
    static void WaitUntilStartUpSettled(TintoraApp& app)
    {
        bool settled = false;
        QObject::connect(
            &app, &TintoraApp::mainWindowReady, &app,
            [&settled] { QTimer::singleShot(0, [&settled] { settled = true; }); }, Qt::QueuedConnection);
        ASSERT_TRUE(QTest::qWaitFor([&] { return settled; }, 10000));
    }

    static QTemporaryDir* settingsDir;
    QTemporaryDir programDir;
    SettingsStore settings{QString::fromStdString(LoadBranding().productName)};
    int browsersMade = 0;
};

QTemporaryDir* TintoraAppTest::settingsDir = nullptr;

TEST_F(TintoraAppTest, SplashOpensTheMainWindowOnceAndHides)
{
    auto app = MakeApp(true);
    app->Start();
    ASSERT_NE(app->splash(), nullptr);
    EXPECT_TRUE(app->splash()->isVisible());
    EXPECT_EQ(app->mainWindow(), nullptr);
    ASSERT_TRUE(test::WaitUntil([&] { return app->mainWindow() != nullptr; }, 10000));
    MainWindow* first = app->mainWindow();
    EXPECT_FALSE(app->splash()->isVisible());
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(app->state().mainWindowClosed);
    // The splash's timer has stopped, so nothing can open a second one.
    auto* timer = app->splash()->findChild<QTimer*>(QStringLiteral("Timer2"));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    QCoreApplication::processEvents();
    EXPECT_EQ(app->mainWindow(), first);
}

TEST_F(TintoraAppTest, ClosingTheMainWindowEndsTheProgram)
{
    auto app = MakeApp(false);
    QSignalSpy finished(app.get(), &TintoraApp::finished);
    app->Start();
    app->OpenAbout();
    app->mainWindow()->close();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
}

TEST_F(TintoraAppTest, AnOpenBrowserKeepsTheProgramUntilItCloses)
{
    auto app = MakeApp(false);
    QSignalSpy finished(app.get(), &TintoraApp::finished);
    app->Start();
    app->OpenBrowser();
    ASSERT_NE(app->browserWindow(), nullptr);
    app->mainWindow()->close();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(app->state().mainWindowClosed);
    EXPECT_FALSE(app->mainWindow()->isVisible());
    app->browserWindow()->close(); // deletes itself
    ASSERT_TRUE(test::WaitUntil([&] { return finished.count() == 1; })) << finished.count() << " ends";
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
}

// Only the browser keeps the program running: the help and About windows
// neither end it when they close nor hold it once the main window closes.
TEST_F(TintoraAppTest, HelpAndAboutNeitherEndNorKeepTheProgram)
{
    WriteHelp();
    auto app = MakeApp(false);
    QSignalSpy finished(app.get(), &TintoraApp::finished);
    app->Start();
    app->OpenAbout();
    app->OpenHelp();
    ASSERT_NE(app->helpWindow(), nullptr);
    app->aboutWindow()->close();
    app->helpWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(app->mainWindow()->isVisible());

    app->OpenAbout();
    app->OpenHelp();
    app->mainWindow()->close();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
    // Closing what is left open ends nothing a second time.
    app->aboutWindow()->close();
    app->helpWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(TintoraAppTest, ClosingTheBrowserFirstLeavesTheMainWindowRunning)
{
    auto app = MakeApp(false);
    QSignalSpy finished(app.get(), &TintoraApp::finished);
    app->Start();
    app->OpenBrowser();
    app->browserWindow()->close();
    ASSERT_TRUE(test::WaitUntil([&] { return app->browserWindow() == nullptr; }));
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(app->mainWindow()->isVisible());
    // Opening it again starts over.
    app->OpenBrowser();
    EXPECT_EQ(browsersMade, 2);
}

TEST_F(TintoraAppTest, TheWebSiteLabelRaisesAnOpenBrowserWithoutANewOne)
{
    auto app = MakeApp(false);
    app->Start();
    app->OpenAbout();
    ASSERT_NE(app->aboutWindow(), nullptr);
    emit app->aboutWindow()->webSiteRequested();
    emit app->aboutWindow()->webSiteRequested();
    EXPECT_EQ(browsersMade, 1);
    app->OpenAbout();
    EXPECT_EQ(app->aboutWindow()->isVisible(), true);
}

TEST_F(TintoraAppTest, HelpOpensAfterTheMainWindowWhenShowHelpIsOne)
{
    WriteHelp("HELP.RTF"); // the name is matched without regard to case
    auto app = MakeApp(false);
    app->Start();
    ASSERT_TRUE(test::WaitUntil(
        [&] { return app->helpWindow() != nullptr && app->helpWindow()->isVisible(); }, 10000));
    EXPECT_EQ(app->helpWindow()->windowTitle(), QStringLiteral("Readme/Help"));
}

TEST_F(TintoraAppTest, HelpStaysClosedForZeroGarbageOrNoFile)
{
    WriteHelp();
    for (const char* stored : {"0", "yes", " 1", "garbage\x01"}) {
        SCOPED_TRACE(stored);
        settings.SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"),
                             QString::fromLatin1(stored));
        auto app = MakeApp(false);
        app->Start();
        WaitUntilStartUpSettled(*app);
        EXPECT_TRUE(app->helpWindow() == nullptr || !app->helpWindow()->isVisible());
    }
    QFile::remove(programDir.filePath(QStringLiteral("Help.rtf")));
    settings.SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1"));
    auto app = MakeApp(false);
    app->Start();
    WaitUntilStartUpSettled(*app);
    EXPECT_TRUE(app->helpWindow() == nullptr || !app->helpWindow()->isVisible());
}

// F1 brings the help back after "Show at Startup" was cleared.
TEST_F(TintoraAppTest, F1OpensTheHelpWhenItStayedClosedAtStartUp)
{
    WriteHelp();
    settings.SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("0"));
    auto app = MakeApp(false);
    app->Start();
    WaitUntilStartUpSettled(*app);
    ASSERT_TRUE(app->helpWindow() == nullptr || !app->helpWindow()->isVisible());
    emit app->mainWindow()->helpRequested();
    ASSERT_NE(app->helpWindow(), nullptr);
    EXPECT_TRUE(app->helpWindow()->isVisible());
}

// A skin provider that records the program-wide calls.
class CountingSkin : public SkinProvider
{
public:
    int starts = 0;
    int ends = 0;
    std::int32_t ColorProperty(int id) override { return id * 0x010101; }
    void SkinWindow(QWidget*) override {}
    void EngineStart() override { ++starts; }
    void EngineEnd() override { ++ends; }
};

TEST_F(TintoraAppTest, SkinIsStartedAtTheSplashAndReleasedOnceAtTheEnd)
{
    auto app = MakeApp(true);
    auto skin = std::make_unique<CountingSkin>();
    CountingSkin* counts = skin.get();
    app->setSkinProvider(std::move(skin), true);
    app->Start();
    EXPECT_EQ(counts->starts, 1);
    ASSERT_TRUE(test::WaitUntil([&] { return app->mainWindow() != nullptr; }, 10000));
    app->mainWindow()->close();
    app->mainWindow()->close();
    EXPECT_EQ(counts->ends, 1);
}

TEST_F(TintoraAppTest, VisitWithNoBrowserAnywhereNamesTheAddress)
{
    const QString site = QString::fromStdString(LoadBranding().webSite);
    for (const bool systemBrowserOpens : {true, false}) {
        SCOPED_TRACE(systemBrowserOpens);
        auto app = MakeApp(false);
        app->setBrowserFactory([](const BrandInfo&) { return nullptr; });
        QStringList opened;
        app->setSystemBrowser([&](const QString& address) {
            opened << address;
            return systemBrowserOpens;
        });
        app->Start();
        app->OpenBrowser();
        EXPECT_EQ(opened, QStringList{site});
        QMessageBox* message = app->noBrowserMessage();
        if (systemBrowserOpens) {
            EXPECT_EQ(message, nullptr);
            continue;
        }
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->isVisible());
        EXPECT_FALSE(message->isModal());
        EXPECT_TRUE(message->text().contains(site)) << message->text().toStdString();
        EXPECT_TRUE(app->mainWindow()->isVisible());
    }
}

TEST_F(TintoraAppTest, ClosedAboutWindowIsDeletedAndOpensAfresh)
{
    auto app = MakeApp(false);
    app->Start();
    app->OpenAbout();
    QPointer<AboutWindow> first = app->aboutWindow();
    first->close();
    ASSERT_TRUE(test::WaitUntil([&] { return first.isNull(); }));
    EXPECT_EQ(app->aboutWindow(), nullptr);
    app->OpenAbout();
    ASSERT_NE(app->aboutWindow(), nullptr);
    EXPECT_TRUE(app->aboutWindow()->isVisible());
}

// A provider whose every call fails, as a broken skin engine would.
class FailingSkin : public SkinProvider
{
public:
    std::int32_t ColorProperty(int) override { throw std::runtime_error("no colour table"); }
    void SkinWindow(QWidget*) override { throw std::runtime_error("no window skin"); }
    void EngineStart() override { throw std::runtime_error("engine will not start"); }
    void EngineEnd() override { throw std::runtime_error("engine will not stop"); }
};

TEST_F(TintoraAppTest, AFailingSkinIsReportedAndTheProgramCarriesOn)
{
    auto app = MakeApp(true);
    app->setSkinProvider(std::make_unique<FailingSkin>(), true);
    QSignalSpy finished(app.get(), &TintoraApp::finished);
    testing::internal::CaptureStderr();
    app->Start();
    ASSERT_TRUE(test::WaitUntil([&] { return app->mainWindow() != nullptr; }, 10000));
    app->OpenAbout();
    ASSERT_NE(app->aboutWindow(), nullptr);
    EXPECT_TRUE(app->aboutWindow()->isVisible());
    app->mainWindow()->close();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(finished.count(), 1);
    for (const char* step : {"skinning the splash", "the program ends"})
        EXPECT_NE(err.find(step), std::string::npos) << step << " not reported in: " << err;
    EXPECT_NE(err.find("no colour table"), std::string::npos) << err;
}

} // namespace
} // namespace tintora
