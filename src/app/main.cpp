// SPDX-License-Identifier: MIT
// Tintora: command line, then the application object.
#include "app/cli_color_tools.h"
#include "app/cli_commands.h"
#include "app/pick_command.h"
#include "app/window_icon.h"
#include "core/branding.h"
#include "eyedropper/display_check.h"
#include "mainwin/main_window.h"
#include "platform/caret_blink.h"
#include "platform/clipboard_writer.h"
#include "platform/qt_options.h"
#include "platform/translations.h"
#include "shell/app/tintora_app.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

void PrintErr(const QString& s)
{
    std::fprintf(stderr, "%s\n", s.toLocal8Bit().constData());
}

// Whether `path` can be written, checked before the program starts so that
// a wrong path fails at once. A file that did not exist is removed again.
bool CanWrite(const QString& path, QString* why)
{
    const bool existed = QFileInfo::exists(path);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        *why = f.errorString();
        return false;
    }
    f.close();
    if (!existed)
        QFile::remove(path);
    return true;
}

// The exit status once everything written to standard output has reached
// it: a full disk or a closed pipe must not end in success.
int StatusAfterFlush(int status)
{
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && !std::ferror(stdout))
        return status;
    // errno tells why only when the flush itself failed; an earlier write
    // that failed left only the stream's error mark.
    const QString why = flushed ? QCoreApplication::translate("CommandLine", "a write failed")
                                : QString::fromLocal8Bit(std::strerror(errno));
    PrintErr(QCoreApplication::applicationName() + QStringLiteral(": ") +
             QCoreApplication::translate("CommandLine", "cannot write the output: %1").arg(why));
    return status != 0 ? status : 3;
}

int Run(int argc, char* argv[]);

} // namespace

int main(int argc, char* argv[])
{
    return StatusAfterFlush(Run(argc, argv));
}

namespace {

int Run(int argc, char* argv[])
{
    // Before anything asks the locale for the user's languages.
    tintora::DropRepeatedLanguages();
    const tintora::VersionInfo& version = tintora::ProgramVersionInfo();
    const QString product = QString::fromStdString(version.productName);
    const QString versionText = QString::fromStdString(tintora::VersionText(version));
    QCoreApplication::setApplicationName(product);
    QCoreApplication::setOrganizationName(product);
    QCoreApplication::setApplicationVersion(versionText);

    // The command line speaks the user's language too. Installing a
    // translator needs an application object; a core one needs no display
    // and makes way for the GUI's further down.
    std::optional<QCoreApplication> cliApp(std::in_place, argc, argv);
    tintora::ProgramTranslations translations;
    if (const QString note = translations.Load(QLocale()); !note.isEmpty())
        PrintErr(product + QStringLiteral(": ") + note);
    translations.Install();

    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    // Parsed before the GUI exists, so --help and --version work without a display.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        product +
        QCoreApplication::translate("CommandLine", " - a colour picker for web pages and BASIC programs"));
    const QCommandLineOption helpOption(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption versionOption(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the product name and version and exit."));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QCoreApplication::translate(
            "CommandLine", "Start, save a PNG of the main window to FILE once it has painted, and quit."),
        QStringLiteral("FILE"));
    const QCommandLineOption noSplashOption(
        QStringLiteral("no-splash"),
        QCoreApplication::translate("CommandLine", "Open the main window without the splash."));
    // For start-up measurements: quit as soon as the main window has painted.
    // not translated: hidden from --help
    QCommandLineOption exitAfterPaintOption(QStringLiteral("exit-after-first-paint"),
                                            QStringLiteral("Quit once the main window has painted."));
    exitAfterPaintOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(exitAfterPaintOption);
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(screenshotOption);
    parser.addOption(noSplashOption);
    tintora::cli::AddCliOptions(parser);
    const QCommandLineOption pickOption(
        QStringLiteral("pick"),
        QCoreApplication::translate("CommandLine",
                                    "Pick a colour from the screen, print its HTML code (#RRGGBB) and "
                                    "exit: 0 after a pick, 1 after a cancel, 3 when no colour can be "
                                    "picked (no display to pick from, a screen that cannot be read)."));
    parser.addOption(pickOption);
    // Qt's own options (-platform, -style, -display, -reverse ...) are left
    // for the application object, which takes them from argv.
    if (!parser.parse(tintora::WithoutQtOptions(args))) {
        PrintErr(product + QStringLiteral(": ") + parser.errorText());
        PrintErr(QCoreApplication::translate("CommandLine", "Try '%1 --help'.")
                     .arg(QFileInfo(args.value(0)).fileName()));
        return 2;
    }
    if (parser.isSet(helpOption)) {
        // The usage line names the program as it was called (a path); the
        // help shows its file name alone.
        const QString name = QFileInfo(args.value(0)).fileName();
        QString help = parser.helpText();
        const QString called = QCoreApplication::arguments().value(0);
        if (const qsizetype at = called.isEmpty() ? -1 : help.indexOf(called); at >= 0)
            help.replace(at, called.size(), name);
        std::fputs((help + tintora::cli::CliHelpExamples(name)).toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::printf("%s %s\n", product.toLocal8Bit().constData(), versionText.toLocal8Bit().constData());
        return 0;
    }
    if (const qsizetype taken = tintora::cli::PositionalArgumentsTaken(parser);
        parser.positionalArguments().size() > taken) {
        PrintErr(product + QStringLiteral(": ") +
                 QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                     .arg(parser.positionalArguments().at(taken)));
        return 2;
    }
    // --color, --format and the palette files need no display.
    if (const std::optional<int> status = tintora::cli::RunCliCommands(parser, argc, argv))
        return *status;
    QString screenshot;
    if (parser.isSet(screenshotOption)) {
        screenshot = QFileInfo(parser.value(screenshotOption)).absoluteFilePath();
        QString why;
        if (!CanWrite(screenshot, &why)) {
            PrintErr(product + QStringLiteral(": ") +
                     QCoreApplication::translate("CommandLine", "cannot write the screenshot to %1: %2")
                         .arg(screenshot, why));
            return 3;
        }
    }

    // Qt ends the process when its platform cannot start, and the offscreen
    // platform would wait for a click for ever: --pick checks first.
    if (parser.isSet(pickOption)) {
        const qsizetype platformAt =
            std::max(args.indexOf(QStringLiteral("-platform")), args.indexOf(QStringLiteral("--platform")));
        const QString platform = platformAt > 0 ? args.value(platformAt + 1) : QString();
        const QString problem = tintora::PickDisplayProblem(tintora::CurrentDisplayEnvironment(platform));
        if (!problem.isEmpty()) {
            PrintErr(product + QStringLiteral(": ") + problem);
            return tintora::PickFailed;
        }
    }

    // No OpenGL set-up here: the browser module needs none (see
    // shell/browser_api.h), and the main window draws with the raster engine.
    cliApp.reset();
    QApplication app(argc, argv);
    translations.Install();
    // The application object ends the program by its own rule.
    app.setQuitOnLastWindowClosed(false);
    // Ties the windows to the menu entry on desktops that group by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("tintora"));
    // Every window shows the program's icon, installed or not: one pixmap
    // made from pixels compiled in, handed to each window as it is.
    QGuiApplication::setWindowIcon(QIcon(QPixmap::fromImage(
        QImage(tintora::kWindowIconRgba, tintora::kWindowIconSize, tintora::kWindowIconSize,
               qsizetype{tintora::kWindowIconSize} * 4, QImage::Format_RGBA8888_Premultiplied))));
    if (parser.isSet(pickOption)) {
        // --format was checked above; what can still fail is a notation the
        // picked colour has no form in (#rgb for most colours).
        bool formatFailed = false;
        QString picked;
        const int status = tintora::RunPickCommand(product.toStdString(), [&](tintora::Rgb rgb) {
            QString why;
            const QString text = tintora::cli::FormatPickedColor(rgb, parser, &why);
            if (text.isEmpty()) {
                formatFailed = true;
                PrintErr(product + QStringLiteral(": ") + why);
            }
            picked = text;
            return text.toStdString();
        });
        if (formatFailed)
            return tintora::PickFailed;
        // A pick whose copy fails still printed its colour; the copy's
        // failure is a failure of the command.
        if (status == 0 && tintora::cli::CopyRequested(parser) && tintora::cli::CopyResult(picked) != 0)
            return tintora::PickFailed;
        return status;
    }

    // Text carets stop blinking after 10 s without input, so that a window
    // left open and untouched costs no processor time.
    const tintora::CaretBlinkLimit caretBlinkLimit;

    tintora::TintoraApp::Options options;
    options.programDir = QCoreApplication::applicationDirPath();
    options.dataDir = QDir(options.programDir).absoluteFilePath(QStringLiteral("../share/tintora"));
    options.moduleDir = QDir(options.programDir).absoluteFilePath(QStringLiteral("../lib/tintora"));
    options.userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    options.showSplash = !parser.isSet(noSplashOption);
    tintora::TintoraApp tintoraApp(options);

    int status = 0;
    if (!screenshot.isEmpty()) {
        QObject::connect(&tintoraApp, &tintora::TintoraApp::mainWindowReady, &app, [&] {
            // One more turn of the event loop so that every child control has painted.
            QTimer::singleShot(50, &app, [&] {
                const QPixmap shot = tintoraApp.mainWindow()->grab();
                if (!shot.save(screenshot, "PNG")) {
                    PrintErr(product + QStringLiteral(": ") +
                             QCoreApplication::translate("CommandLine", "cannot write the screenshot to %1")
                                 .arg(screenshot));
                    status = 3;
                }
                QCoreApplication::exit(status);
            });
        });
    }
    if (parser.isSet(exitAfterPaintOption)) {
        // Ends the process where the first frame is on its way to the screen,
        // without tearing down, so that a measurement sees only start-up.
        QObject::connect(&tintoraApp, &tintora::TintoraApp::mainWindowReady, &app, [] {
            std::fflush(nullptr);
            std::_Exit(0);
        });
    }
    tintoraApp.Start();
    const int rc = app.exec();
    // What the program copied stays pasteable after it has gone.
    tintora::ClipboardWriter::KeepAfterExit();
    return status != 0 ? status : rc;
}

} // namespace
