#pragma once

// The contract between the program and its browser module. QtWebEngine is
// heavy, so the browser window lives in a module of its own that the
// application loads the first time the window is asked for; start-up never
// pays for it.

#include <QtGlobal>

class QWidget;

namespace tintora {
struct BrandInfo;
}

// Creates the browser window (not yet shown). It navigates to the brand's web
// site on creation, deletes itself when closed (Qt::WA_DeleteOnClose), and
// is top-level. Returns nullptr when the engine cannot be started.
extern "C" Q_DECL_EXPORT QWidget* tintora_create_browser_window(const tintora::BrandInfo* brand);

#define TINTORA_BROWSER_FACTORY_SYMBOL "tintora_create_browser_window"
#define TINTORA_BROWSER_MODULE_NAME "tintora_browser"
