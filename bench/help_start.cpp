// SPDX-License-Identifier: MIT
// Starts the program's windows as `tintora --no-splash` does, through the
// same TintoraApp, on a first start (so the help window opens after the main
// window), and quits as soon as one window's first frame has been handed to
// the X server:
//   --until main   the main window's (as `--exit-after-first-paint`);
//   --until help   the help window's, which opens on a later turn.
// bench_startup counts the instructions of both; the difference is what the
// help window's first frame costs beyond the main window's.
#include "core/branding.h"
#include "shell/app/tintora_app.h"
#include "shell/windows/help_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Quits once a widget of `app`'s help window has painted: queued, the exit
// runs after that paint and the flush of the window's frame have returned.
class HelpFirstFrame : public QObject
{
public:
    explicit HelpFirstFrame(tintora::TintoraApp& app) : app_(app) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && app_.helpWindow() != nullptr && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == app_.helpWindow()) {
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    tintora::TintoraApp& app_;
};

} // namespace

int main(int argc, char* argv[])
{
    const bool untilHelp =
        argc == 3 && std::strcmp(argv[1], "--until") == 0 && std::strcmp(argv[2], "help") == 0;
    const bool untilMain =
        argc == 3 && std::strcmp(argv[1], "--until") == 0 && std::strcmp(argv[2], "main") == 0;
    if (!untilHelp && !untilMain) {
        std::fprintf(stderr, "usage: %s --until main|help\n", argv[0]);
        return 2;
    }
    const QString product = QString::fromStdString(tintora::ProgramVersionInfo().productName);
    QCoreApplication::setApplicationName(product);
    QCoreApplication::setOrganizationName(product);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    tintora::TintoraApp::Options options;
    options.programDir = QCoreApplication::applicationDirPath();
    options.dataDir = QDir(options.programDir).absoluteFilePath(QStringLiteral("../share/tintora"));
    options.userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    options.showSplash = false;
    tintora::TintoraApp tintoraApp(options);

    HelpFirstFrame helpFrame(tintoraApp);
    if (untilMain) {
        QObject::connect(&tintoraApp, &tintora::TintoraApp::mainWindowReady, &app, [] {
            std::fflush(nullptr);
            std::_Exit(0);
        });
    } else {
        app.installEventFilter(&helpFrame);
        // A first start opens the help; without it there is nothing to count.
        QTimer::singleShot(20000, [] {
            std::fputs("the help window did not open\n", stderr);
            std::_Exit(1);
        });
    }
    tintoraApp.Start();
    return app.exec();
}
