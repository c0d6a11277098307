// SPDX-License-Identifier: MIT
// The portal path against a stand-in portal (fake_portal) on a private
// session bus of the test's own.
#include "eyedropper/portal_color_picker.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tintora {
namespace {

class PortalTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        busDir_ = new QTemporaryDir;
        const QString config = WriteBusConfig(busDir_->path());
        if (config.isEmpty())
            return;
        bus_ = new QProcess;
        bus_->start(daemon, {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                             QStringLiteral("--print-address")});
        if (bus_->waitForReadyRead(10000))
            address_ = QString::fromUtf8(bus_->readLine()).trimmed();
    }

    static void TearDownTestSuite()
    {
        if (bus_) {
            bus_->kill();
            bus_->waitForFinished();
            delete bus_;
            bus_ = nullptr;
        }
        delete busDir_;
        busDir_ = nullptr;
    }

    // A session bus that starts services only from an empty folder of the
    // test's own: with the standard folders, a desktop portal installed on
    // the machine would be started on demand and take the stand-in's name.
    static QString WriteBusConfig(const QString& dir)
    {
        if (!QDir(dir).mkpath(QStringLiteral("services")))
            return {};
        const QString path = QDir(dir).filePath(QStringLiteral("session.conf"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        const QString text =
            QStringLiteral(
                "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                "<busconfig>\n"
                "  <type>session</type>\n"
                "  <listen>unix:dir=%1</listen>\n"
                "  <servicedir>%2</servicedir>\n"
                "  <policy context=\"default\">\n"
                "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                "    <allow eavesdrop=\"true\"/>\n"
                "    <allow own=\"*\"/>\n"
                "  </policy>\n"
                "</busconfig>\n")
                .arg(dir.toHtmlEscaped(), QDir(dir).filePath(QStringLiteral("services")).toHtmlEscaped());
        if (file.write(text.toUtf8()) < 0)
            return {};
        return path;
    }

    void SetUp() override
    {
        if (address_.isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed or did not start";
    }

    void TearDown() override
    {
        if (portal_.state() != QProcess::NotRunning) {
            portal_.kill();
            portal_.waitForFinished();
        }
    }

    // Starts the stand-in portal with `args`; empty args start none.
    void StartPortal(const QStringList& args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
        portal_.setProcessEnvironment(env);
        portal_.start(QStringLiteral(FAKE_PORTAL), args);
        ASSERT_TRUE(portal_.waitForReadyRead(10000)) << "the stand-in portal did not start";
    }

    static QDBusConnection Bus(const QString& name) { return QDBusConnection::connectToBus(address_, name); }

    inline static QTemporaryDir* busDir_ = nullptr;
    inline static QProcess* bus_ = nullptr;
    inline static QString address_;
    QProcess portal_;
};

// Which signal a run ended with, and what it carried.
QString RunPicker(PortalColorPicker& picker, int waitMs, const QString& parentWindow = {})
{
    QString ended;
    QObject::connect(&picker, &PortalColorPicker::picked, [&](Rgb c) {
        ended = QStringLiteral("picked %1 %2 %3").arg(c.red).arg(c.green).arg(c.blue);
    });
    QObject::connect(&picker, &PortalColorPicker::cancelled, [&] { ended = QStringLiteral("cancelled"); });
    QObject::connect(&picker, &PortalColorPicker::failed,
                     [&](const QString& m) { ended = QStringLiteral("failed: ") + m; });
    QObject::connect(&picker, &PortalColorPicker::unavailable,
                     [&](const QString& m) { ended = QStringLiteral("unavailable: ") + m; });
    picker.start(parentWindow);
    (void)QTest::qWaitFor([&] { return !ended.isEmpty(); }, waitMs);
    return ended;
}

TEST_F(PortalTest, AnswersRefusalsAndSilence)
{
    struct Row {
        QStringList portal;
        QString ended; // the start of what the run ended with
    } rows[] = {
        {{"answer", "0.4", "0.8", "1"}, "picked 102 204 255"},
        {{"other-path", "0", "0.2", "0.6"}, "picked 0 51 153"},
        {{"cancel"}, "cancelled"},
        {{"other"}, "cancelled"},
        {{"refuse"}, "failed: The desktop portal could not pick a colour."},
        {{"bad-color"}, "failed: The desktop portal answered without a valid colour."},
        {{"no-color"}, "failed: The desktop portal answered without a valid colour."},
        {{"silent"}, "failed: The desktop portal did not answer within 1 seconds."},
        {{"no-response"}, "failed: The desktop portal's colour picker did not answer within 1 seconds."},
        {{}, "unavailable: The desktop portal (org.freedesktop.portal.Desktop) is not running."},
    };
    int n = 0;
    for (const Row& row : rows) {
        if (!row.portal.isEmpty())
            StartPortal(row.portal);
        const QString name = QStringLiteral("portal-test-%1").arg(++n);
        {
            PortalColorPicker picker(Bus(name));
            picker.setTimeouts(800, 800);
            EXPECT_EQ(RunPicker(picker, 5000), row.ended) << row.portal.join(' ').toStdString();
            EXPECT_FALSE(picker.running());
        }
        QDBusConnection::disconnectFromBus(name);
        TearDown();
    }
}

// What the portal was told: the parent window, and a Close for each request
// that timed out, whether or not the call itself was answered.
TEST_F(PortalTest, TimedOutRequestsAreClosed)
{
    for (const char* mode : {"no-response", "silent", "answer"}) {
        StartPortal({mode, "1", "1", "1"});
        const QString name = QStringLiteral("portal-close-%1").arg(QLatin1String(mode));
        {
            PortalColorPicker picker(Bus(name));
            picker.setTimeouts(600, 600);
            const QString ended = RunPicker(picker, 5000, QStringLiteral("x11:1a2b"));
            EXPECT_EQ(ended.startsWith(QLatin1String("failed")), mode != std::string("answer")) << mode;
        }
        QTest::qWait(300); // for the Close to arrive
        const QString said = QString::fromUtf8(portal_.readAll());
        EXPECT_TRUE(said.contains(QLatin1String("parent x11:1a2b\n"))) << mode << said.toStdString();
        const bool closed = said.contains(QRegularExpression(
            QStringLiteral("closed /org/freedesktop/portal/desktop/request/\\d+_\\d+/tintora\\d+\n")));
        EXPECT_EQ(closed, mode != std::string("answer")) << mode << said.toStdString();
        QDBusConnection::disconnectFromBus(name);
        TearDown();
    }
}

// A response that comes after the run has timed out changes nothing.
TEST_F(PortalTest, ALateResponseIsIgnored)
{
    StartPortal({"answer", "1", "1", "1"});
    PortalColorPicker picker(Bus(QStringLiteral("portal-late")));
    picker.setTimeouts(800, 1);
    int outcomes = 0;
    QObject::connect(&picker, &PortalColorPicker::picked, [&] { ++outcomes; });
    QObject::connect(&picker, &PortalColorPicker::cancelled, [&] { ++outcomes; });
    QObject::connect(&picker, &PortalColorPicker::failed, [&] { ++outcomes; });
    picker.start();
    QTest::qWait(500);
    EXPECT_EQ(outcomes, 1);
}

} // namespace
} // namespace tintora
