// SPDX-License-Identifier: MIT
// The browser module's one entry point; see shell/browser_api.h.

#include <QApplication>
#include <QQuickWindow>

#include <unistd.h>

#include <cstdio>
#include <exception>

#include "core/branding.h"
#include "shell/browser/browser_window.h"
#include "shell/browser/root_address_window.h"
#include "shell/browser_api.h"

namespace {

// Sets up the engine the first time a window is made: the web view's scene
// is drawn by Qt Quick's software renderer (no OpenGL in the process, and a
// caret blinking beside the page repaints the caret, not the whole page).
void PrepareEngine()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

// Chromium's sandbox cannot run for root, and without it a page runs with
// root's rights: its scripts and every address it reaches, the computer's
// files included. Run by root, the module shows no web content, unless
// whoever started the program switched the sandbox off knowingly
// (QTWEBENGINE_DISABLE_SANDBOX=1, the engine's own switch).
bool WebContentRefused()
{
    return ::geteuid() == 0 && qEnvironmentVariable("QTWEBENGINE_DISABLE_SANDBOX") != QLatin1String("1");
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
        if (WebContentRefused()) {
            std::fprintf(stderr, "tintora: %s\n",
                         QCoreApplication::translate("BrowserModule",
                                                     "running as root, so the built-in browser shows no web "
                                                     "pages; the address is shown to copy instead")
                             .toLocal8Bit()
                             .constData());
            return new tintora::RootAddressWindow(QString::fromStdString(brand->webSite),
                                                  QString::fromStdString(brand->productName));
        }
        PrepareEngine();
        return new tintora::BrowserWindow(*brand);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tintora: %s\n",
                     QCoreApplication::translate("BrowserModule", "the browser window could not be made: %1")
                         .arg(QString::fromLocal8Bit(e.what()))
                         .toLocal8Bit()
                         .constData());
        return nullptr;
    }
}
