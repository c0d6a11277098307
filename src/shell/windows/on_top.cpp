// SPDX-License-Identifier: MIT
#include "shell/windows/on_top.h"

#include <QWidget>
#include <QWindow>

namespace tintora {

void SetOnTop(QWidget* w, bool onTop)
{
    if (w == nullptr)
        return;
    QWidget* window = w->window();
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow* handle = window->windowHandle()) {
        // setWindowFlags() would re-create the native window and hide it;
        // telling the existing native window keeps it where and as it is.
        window->overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window->setWindowFlags(flags);
    }
    window->raise();
    window->activateWindow();
}

} // namespace tintora
