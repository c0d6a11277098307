// SPDX-License-Identifier: MIT
#pragma once

#include "core/branding.h"
#include "shell/windows/about_window.h"
#include "shell/windows/shell_state.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QMessageBox;

namespace tintora {

class MainWindow;
class HelpWindow;
class SettingsStore;
class SkinProvider;
class SplashWindow;

// The application object: owns every window, opens the side windows that
// the main window and the About window ask for, and applies the shut-down
// rule. Closing the main window ends the program unless the browser window
// is visible; then only the main window closes, and closing the browser
// ends the program.
//
// Ownership: every window is held by a std::unique_ptr here. The About and
// browser windows end when they are closed; their pointer is then released
// and the window deleted on a later turn of the event loop (it may be inside
// its own event handler).
class TintoraApp : public QObject
{
    Q_OBJECT
public:
    struct Options {
        QString programDir;  // where the program, its help file and browser module live
        QString dataDir;     // the installed data folder (share/tintora), searched after programDir
        QString userDataDir; // per-user data (custom colours fallback)
        QString moduleDir;   // installed module folder, searched after programDir
        bool showSplash = true;
    };

    explicit TintoraApp(Options options, QObject* parent = nullptr);
    ~TintoraApp() override;

    // Loads and shows the splash, whose timer opens the main window.
    void Start();

    MainWindow* mainWindow() const { return mainWindow_.get(); }
    SplashWindow* splash() const { return splash_.get(); }
    HelpWindow* helpWindow() const { return help_.get(); }
    AboutWindow* aboutWindow() const { return about_.get(); }
    QWidget* browserWindow() const { return browser_.get(); }
    // The message shown when "Visit" finds no browser at all (null before).
    QMessageBox* noBrowserMessage() const { return noBrowser_.get(); }
    const ShellState& state() const { return state_; }

    // Uses this provider for skinning and switches skinning on (tests).
    void setSkinProvider(std::unique_ptr<SkinProvider> skin, bool enabled);

    // Creates the browser window; replaced in tests that do without the
    // web engine. Returns nullptr when no browser can be made.
    using BrowserFactory = std::function<QWidget*(const BrandInfo&)>;
    void setBrowserFactory(BrowserFactory factory) { browserFactory_ = std::move(factory); }
    // Opens an address in the system's browser; returns false when there is
    // none. Replaced in tests.
    using SystemBrowser = std::function<bool(const QString& address)>;
    void setSystemBrowser(SystemBrowser open) { systemBrowser_ = std::move(open); }

    void OpenAbout();
    // The help window, at start-up when "Show at Startup" is ticked, and
    // whenever F1 asks for it; an open one is brought to the front.
    void OpenHelp();
    void OpenBrowser();

signals:
    // The main window's start-up sequence has run and its first frame has
    // been handed to the window system.
    void mainWindowReady();
    // The program is ending with this exit status.
    void finished(int status);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenMainWindow();
    void MainWindowPainted();
    void MainWindowClosed();
    void SideWindowClosed(QWidget* window);
    void BrowserGone();
    void EndProgram();
    void ShowNoBrowserMessage(const QString& address);
    QWidget* LoadBrowserModule(const BrandInfo& brand);

    Options options_;
    ShellState state_;
    BrandInfo brand_;
    bool skinEnabled_ = false;
    std::unique_ptr<SkinProvider> skin_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<QWidget> browser_;
    std::unique_ptr<QMessageBox> noBrowser_;
    BrowserFactory browserFactory_;
    SystemBrowser systemBrowser_;
    bool ended_ = false;
    bool helpDue_ = false;
};

} // namespace tintora
