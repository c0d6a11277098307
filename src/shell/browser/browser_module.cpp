// The browser module's one entry point; see shell/browser_api.h.

#include <QApplication>

#include <exception>

#include "core/branding.h"
#include "shell/browser/browser_window.h"
#include "shell/browser_api.h"

extern "C" Q_DECL_EXPORT QWidget* tintora_create_browser_window(const tintora::BrandInfo* brand)
{
    // Widgets need a QApplication. The engine also needs the application's
    // OpenGL contexts shared, which can only be switched on before the
    // QApplication is created; without it the engine crashes on first use,
    // so we refuse instead. No exception may cross into the program.
    if (brand == nullptr || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return nullptr;
    if (!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts))
        return nullptr;
    try {
        return new tintora::BrowserWindow(*brand);
    } catch (const std::exception&) {
        return nullptr;
    }
}
