// SPDX-License-Identifier: MIT
#include "shell/app/tintora_app.h"

#include "mainwin/main_window.h"
#include "platform/settings_store.h"
#include "shell/browser_api.h"
#include "shell/windows/about_window.h"
#include "shell/windows/help_window.h"
#include "shell/windows/skin.h"
#include "shell/windows/splash_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <cstdio>

#include <unistd.h>

namespace tintora {

namespace {

#ifdef Q_OS_WIN
const QLatin1String kModuleSuffix(".dll");
#else
const QLatin1String kModuleSuffix(".so");
#endif

} // namespace

TintoraApp::TintoraApp(Options options, QObject* parent) : QObject(parent), options_(std::move(options))
{
    brand_ = LoadBranding();
    browserFactory_ = [this](const BrandInfo& brand) { return LoadBrowserModule(brand); };
    systemBrowser_ = [](const QString& address) {
        // A browser started from a root process would run web content as
        // root: the message that names the address is shown instead.
        if (::geteuid() == 0)
            return false;
        return QDesktopServices::openUrl(QUrl::fromUserInput(address));
    };
}

// Windows are discarded without their own unload logic, in the reverse order
// of the members: the windows before the settings and the skin they use.
TintoraApp::~TintoraApp() = default;

void TintoraApp::setSkinProvider(std::unique_ptr<SkinProvider> skin, bool enabled)
{
    skin_ = std::move(skin);
    skinEnabled_ = enabled && skin_;
}

void TintoraApp::Start()
{
    if (!options_.showSplash) {
        state_.mainWindowClosed = false;
        OpenMainWindow();
        return;
    }
    splash_ = std::make_unique<SplashWindow>(state_, skinEnabled_ ? skin_.get() : nullptr);
    splash_->setSkinOverride(skinEnabled_);
    connect(splash_.get(), &SplashWindow::mainWindowDue, this, &TintoraApp::OpenMainWindow);
    splash_->Load();
    splash_->show();
}

void TintoraApp::OpenMainWindow()
{
    if (mainWindow_)
        return;
    mainWindow_ = std::make_unique<MainWindow>(options_.programDir, options_.userDataDir);
    mainWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
    connect(mainWindow_.get(), &MainWindow::aboutRequested, this, &TintoraApp::OpenAbout);
    connect(mainWindow_.get(), &MainWindow::webSiteRequested, this, &TintoraApp::OpenBrowser);
    connect(mainWindow_.get(), &MainWindow::showHelpAtStartup, this, [this] { helpDue_ = true; });
    connect(mainWindow_.get(), &MainWindow::helpRequested, this, &TintoraApp::OpenHelp);
    connect(mainWindow_.get(), &MainWindow::closed, this, &TintoraApp::MainWindowClosed);
    // The main window says it has painted from inside its paint event, before
    // the frame has been handed to the window system. Queued, the slot runs
    // once that paint and its flush have returned.
    connect(mainWindow_.get(), &MainWindow::firstPaintDone, this, &TintoraApp::MainWindowPainted,
            Qt::QueuedConnection);
    mainWindow_->Load();
    mainWindow_->show();
}

void TintoraApp::MainWindowPainted()
{
    emit mainWindowReady();
    if (!helpDue_)
        return;
    helpDue_ = false;
    // The help window, with its RTF reading and layout, is built on a later
    // turn still, so that the main window's first frame is on screen first.
    QTimer::singleShot(0, this, &TintoraApp::OpenHelp);
}

void TintoraApp::OpenHelp()
{
    if (!help_) {
        settings_ = std::make_unique<SettingsStore>(QString::fromStdString(brand_.productName));
        QStringList dirs{options_.programDir};
        if (!options_.dataDir.isEmpty())
            dirs << options_.dataDir;
        help_ = std::make_unique<HelpWindow>(brand_, *settings_, dirs, skinEnabled_ ? skin_.get() : nullptr);
    }
    if (help_->isVisible()) {
        help_->raise();
        help_->activateWindow();
        return;
    }
    if (help_->Load())
        help_->show();
}

void TintoraApp::OpenAbout()
{
    if (!about_) {
        if (skinEnabled_) {
            // A skin that fails leaves the window unskinned, not unopened.
            RunOptionalSkinStep(QT_TRANSLATE_NOOP("Skin", "skinning the About window"), [this] {
                about_ = std::make_unique<AboutWindow>(brand_, ProgramVersionInfo(), skin_.get());
            });
        }
        if (!about_)
            about_ = std::make_unique<AboutWindow>(brand_, ProgramVersionInfo(), nullptr);
        about_->setAttribute(Qt::WA_DeleteOnClose, false);
        about_->installEventFilter(this);
        connect(about_.get(), &AboutWindow::webSiteRequested, this, &TintoraApp::OpenBrowser);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void TintoraApp::OpenBrowser()
{
    if (browser_) {
        // Already open: bring it up without navigating again.
        browser_->show();
        browser_->raise();
        browser_->activateWindow();
        return;
    }
    const QString site = QString::fromStdString(brand_.webSite);
    QWidget* w = browserFactory_ ? browserFactory_(brand_) : nullptr;
    if (!w) {
        // No built-in browser here: the system's browser opens the site, and
        // when there is none either, the user is told where the site is.
        if (!systemBrowser_ || !systemBrowser_(site))
            ShowNoBrowserMessage(site);
        return;
    }
    browser_.reset(w);
    // Owned here like every other window (the module's window would delete
    // itself on close).
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->installEventFilter(this);
    w->show();
}

void TintoraApp::ShowNoBrowserMessage(const QString& address)
{
    std::fprintf(stderr, "tintora: %s\n",
                 tr("no web browser could be opened for %1").arg(address).toLocal8Bit().constData());
    if (!noBrowser_) {
        noBrowser_ = std::make_unique<QMessageBox>();
        noBrowser_->setObjectName(QStringLiteral("NoBrowserMessage"));
        noBrowser_->setIcon(QMessageBox::Information);
        noBrowser_->setWindowTitle(QString::fromStdString(brand_.productName));
        noBrowser_->setStandardButtons(QMessageBox::Ok);
        noBrowser_->setWindowModality(Qt::NonModal);
    }
    noBrowser_->setText(tr("No web browser could be opened.\n\nThe web site is at %1").arg(address));
    noBrowser_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Modeless, so that the main window keeps working behind it.
    noBrowser_->show();
    noBrowser_->raise();
}

bool TintoraApp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && (watched == about_.get() || watched == browser_.get())) {
        // Whether the close is accepted is known only once the window has
        // handled it.
        QPointer<QWidget> window = static_cast<QWidget*>(watched);
        QMetaObject::invokeMethod(
            this,
            [this, window] {
                if (window)
                    SideWindowClosed(window);
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TintoraApp::SideWindowClosed(QWidget* window)
{
    if (window->isVisible())
        return;
    if (window == about_.get()) {
        about_.release()->deleteLater();
    } else if (window == browser_.get()) {
        browser_.release()->deleteLater();
        BrowserGone();
    }
}

QWidget* TintoraApp::LoadBrowserModule(const BrandInfo& brand)
{
    QStringList dirs{options_.programDir};
    if (!options_.moduleDir.isEmpty())
        dirs << options_.moduleDir;
    for (const QString& dir : dirs) {
        for (const QString& name : {QStringLiteral(TINTORA_BROWSER_MODULE_NAME),
                                    QStringLiteral("lib" TINTORA_BROWSER_MODULE_NAME)}) {
            const QString path = QDir(dir).filePath(name + kModuleSuffix);
            if (!QFileInfo(path).isFile())
                continue;
            PrepareForBrowserModule();
            QLibrary lib(path);
            if (!lib.load()) {
                std::fprintf(stderr, "tintora: %s\n",
                             tr("cannot load the browser module: %1")
                                 .arg(lib.errorString())
                                 .toLocal8Bit()
                                 .constData());
                continue;
            }
            using Factory = QWidget* (*)(const BrandInfo*);
            auto create = reinterpret_cast<Factory>(lib.resolve(TINTORA_BROWSER_FACTORY_SYMBOL));
            if (create)
                return create(&brand);
        }
    }
    return nullptr;
}

void TintoraApp::MainWindowClosed()
{
    if (browser_ && browser_->isVisible()) {
        // The browser keeps the program running until it is closed.
        state_.mainWindowClosed = true;
        return;
    }
    EndProgram();
}

void TintoraApp::BrowserGone()
{
    if (state_.mainWindowClosed)
        EndProgram();
}

void TintoraApp::EndProgram()
{
    if (ended_)
        return;
    ended_ = true;
    if (skinEnabled_ && skin_)
        RunOptionalSkinStep(QT_TRANSLATE_NOOP("Skin", "telling the skin engine that the program ends"),
                            [this] { SkinProgramEnd(*skin_); });
    emit finished(0);
    QCoreApplication::exit(0);
}

} // namespace tintora
