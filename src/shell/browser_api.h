// SPDX-License-Identifier: MIT
#pragma once

// The contract between the program and its browser module. QtWebEngine is
// heavy, so the browser window lives in a module of its own that the
// application loads the first time the window is asked for; start-up never
// pays for it.

#include <QOpenGLContext>
#include <QtGlobal>

class QWidget;

namespace tintora {
struct BrandInfo;
}

QT_BEGIN_NAMESPACE
// Qt's process-wide share context. QtGui exports it for QtWebEngine, which
// looks at it when it is loaded.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace tintora {

// Call once in the program, after the QApplication exists and before the
// browser module is loaded.
//
// The web engine wants Qt::AA_ShareOpenGLContexts set before the
// QApplication is created, and warns when it is loaded later without a
// process-wide share context. That attribute makes QApplication create an
// OpenGL context at once, which loads the GL driver (with Mesa, the software
// rasteriser and LLVM) before the first window: more than half of the
// start-up cost, for a window most sessions never open. The browser renders
// in software instead (the module selects Qt Quick's software renderer, so
// Chromium composites without GL), and this registers a share context object
// that is never created, so no driver is loaded, only to tell the engine that
// the program made its choice. Nothing ever makes that context current.
inline void PrepareForBrowserModule()
{
    if (qt_gl_global_share_context() == nullptr)
        qt_gl_set_global_share_context(new QOpenGLContext); // lives as long as the process
}

} // namespace tintora

// Creates the browser window (not yet shown). It navigates to the brand's web
// site on creation, deletes itself when closed (Qt::WA_DeleteOnClose), and
// is top-level. Returns nullptr when the engine cannot be started.
//
// Run by root, the window made is no browser: web content would run with
// root's rights and without the engine's sandbox, so a small window shows
// the site's address to copy instead (stderr says so). Only when the
// environment switches the sandbox off itself (QTWEBENGINE_DISABLE_SANDBOX=1)
// does the engine start for root.
extern "C" Q_DECL_EXPORT QWidget* tintora_create_browser_window(const tintora::BrandInfo* brand);

#define TINTORA_BROWSER_FACTORY_SYMBOL "tintora_create_browser_window"
#define TINTORA_BROWSER_MODULE_NAME "tintora_browser"
