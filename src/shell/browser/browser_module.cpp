// The browser module's one entry point; see shell/browser_api.h.

#include <QApplication>
#include <QQuickWindow>

#include <unistd.h>

#include <cstdio>
#include <exception>

#include "core/branding.h"
#include "shell/browser/browser_window.h"
#include "shell/browser_api.h"

namespace {

// Sets up the engine the first time a window is made: the web view's scene
// is drawn by Qt Quick's software renderer (no OpenGL in the process, and a
// caret blinking beside the page repaints the caret, not the whole page), and
// a process run by root switches Chromium's sandbox off, which Chromium
// requires: with it on, it prints "Running as root without --no-sandbox is
// not supported" and ends the whole program.
void PrepareEngine()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        std::fputs("tintora: warning: running as root, so the built-in browser runs without its sandbox; "
                   "web pages are not isolated from your files\n",
                   stderr);
    }
}

} // namespace

extern "C" Q_DECL_EXPORT QWidget* tintora_create_browser_window(const tintora::BrandInfo* brand)
{
    // Widgets need a QApplication, and the program must have prepared the
    // process before loading the module (a share context is registered);
    // without that the engine would set up OpenGL on its own, so we refuse
    // instead. No exception may cross into the program.
    if (brand == nullptr || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return nullptr;
    if (qt_gl_global_share_context() == nullptr)
        return nullptr;
    try {
        PrepareEngine();
        return new tintora::BrowserWindow(*brand);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tintora: the browser window could not be made: %s\n", e.what());
        return nullptr;
    }
}
