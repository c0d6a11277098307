#include "shell/app/tintora_app.h"

#include "mainwin/form1.h"
#include "platform/settings_store.h"
#include "shell/browser_api.h"
#include "shell/windows/about_window.h"
#include "shell/windows/help_window.h"
#include "shell/windows/skin.h"
#include "shell/windows/splash_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>
#include <QUrl>

namespace tintora {

TintoraApp::TintoraApp(Options options, QObject* parent) : QObject(parent), options_(std::move(options))
{
    brand_ = LoadBranding();
    browserFactory_ = [this](const BrandInfo& brand) { return LoadBrowserModule(brand); };
}

TintoraApp::~TintoraApp()
{
    // Windows are discarded without their own unload logic.
    delete browser_.data();
    delete about_.data();
    delete form1_;
}

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
    if (form1_)
        return;
    form1_ = new Form1(options_.programDir, options_.userDataDir);
    form1_->setAttribute(Qt::WA_DeleteOnClose, false);
    connect(form1_, &Form1::aboutRequested, this, &TintoraApp::OpenAbout);
    connect(form1_, &Form1::webSiteRequested, this, &TintoraApp::OpenBrowser);
    // The help window follows as soon as the main window has painted, so
    // the program shows its face first.
    connect(form1_, &Form1::showHelpAtStartup, this, [this] { helpDue_ = true; });
    connect(form1_, &Form1::closed, this, &TintoraApp::MainWindowClosed);
    connect(form1_, &Form1::firstPaintDone, this, [this] {
        emit mainWindowReady();
        if (helpDue_) {
            helpDue_ = false;
            OpenHelpAtStartup();
        }
    });
    form1_->Load();
    form1_->show();
}

void TintoraApp::OpenHelpAtStartup()
{
    if (!help_) {
        settings_ = std::make_unique<SettingsStore>(QString::fromStdString(brand_.productName));
        QStringList dirs{options_.programDir};
        if (!options_.dataDir.isEmpty())
            dirs << options_.dataDir;
        help_ = std::make_unique<HelpWindow>(brand_, *settings_, dirs, skinEnabled_ ? skin_.get() : nullptr);
    }
    if (help_->Load())
        help_->show();
}

void TintoraApp::OpenAbout()
{
    if (!about_) {
        about_ = new AboutWindow(brand_, ProgramVersionInfo(), skinEnabled_ ? skin_.get() : nullptr);
        about_->setAttribute(Qt::WA_DeleteOnClose);
        connect(about_, &AboutWindow::webSiteRequested, this, &TintoraApp::OpenBrowser);
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
    QWidget* w = browserFactory_ ? browserFactory_(brand_) : nullptr;
    if (!w) {
        // No built-in browser here: the system's browser opens the site.
        QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(brand_.webSite)));
        return;
    }
    browser_ = w;
    w->setAttribute(Qt::WA_DeleteOnClose);
    connect(w, &QObject::destroyed, this, &TintoraApp::BrowserGone);
    w->show();
}

QWidget* TintoraApp::LoadBrowserModule(const BrandInfo& brand)
{
    QStringList dirs{options_.programDir};
    if (!options_.moduleDir.isEmpty())
        dirs << options_.moduleDir;
    for (const QString& dir : dirs) {
        for (const QString& name : {QStringLiteral(TINTORA_BROWSER_MODULE_NAME), QStringLiteral("lib" TINTORA_BROWSER_MODULE_NAME)}) {
            QLibrary lib(QDir(dir).filePath(name));
            if (!lib.load())
                continue;
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
        SkinProgramEnd(*skin_);
    emit finished(0);
    QCoreApplication::exit(0);
}

} // namespace tintora
