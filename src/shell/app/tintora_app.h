#pragma once

#include "core/branding.h"
#include "shell/windows/about_window.h"
#include "shell/windows/shell_state.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QString>

#include <functional>
#include <memory>


namespace tintora {

class Form1;
class HelpWindow;
class SettingsStore;
class SkinProvider;
class SplashWindow;

// The application object: owns every window, opens the side windows that
// the main window and the About window ask for, and applies the shut-down
// rule. Closing the main window ends the program unless the browser window
// is visible; then only the main window closes, and closing the browser
// ends the program.
class TintoraApp : public QObject
{
    Q_OBJECT
public:
    struct Options {
        QString programDir;   // where the program, its help file and browser module live
        QString dataDir;      // the installed data folder (share/tintora), searched after programDir
        QString userDataDir;  // per-user data (custom colours fallback)
        QString moduleDir;    // installed module folder, searched after programDir
        bool showSplash = true;
    };

    explicit TintoraApp(Options options, QObject* parent = nullptr);
    ~TintoraApp() override;

    // Loads and shows the splash, whose timer opens the main window.
    void Start();

    Form1* mainWindow() const { return form1_; }
    SplashWindow* splash() const { return splash_.get(); }
    HelpWindow* helpWindow() const { return help_.get(); }
    AboutWindow* aboutWindow() const { return about_; }
    QWidget* browserWindow() const { return browser_; }
    const ShellState& state() const { return state_; }

    // Uses this provider for skinning and switches skinning on (tests).
    void setSkinProvider(std::unique_ptr<SkinProvider> skin, bool enabled);

    // Creates the browser window; replaced in tests that do without the
    // web engine. Returns nullptr when no browser can be made.
    using BrowserFactory = std::function<QWidget*(const BrandInfo&)>;
    void setBrowserFactory(BrowserFactory factory) { browserFactory_ = std::move(factory); }

    void OpenAbout();
    void OpenBrowser();

signals:
    // The main window's start-up sequence has run and it has painted.
    void mainWindowReady();
    // The program is ending with this exit status.
    void finished(int status);

private:
    void OpenMainWindow();
    void OpenHelpAtStartup();
    void MainWindowClosed();
    void BrowserGone();
    void EndProgram();
    QWidget* LoadBrowserModule(const BrandInfo& brand);

    Options options_;
    ShellState state_;
    BrandInfo brand_;
    bool skinEnabled_ = false;
    std::unique_ptr<SkinProvider> skin_;
    std::unique_ptr<SplashWindow> splash_;
    Form1* form1_ = nullptr;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<HelpWindow> help_;
    QPointer<AboutWindow> about_;
    QPointer<QWidget> browser_;
    BrowserFactory browserFactory_;
    bool ended_ = false;
    bool helpDue_ = false;
};

} // namespace tintora
