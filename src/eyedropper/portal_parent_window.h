// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QWindow;

namespace tintora {

// Names a window to the desktop portal, which shows its own dialogs (the
// colour picker) over it and in front of it.
//
// On X11 (XWayland included) the name is "x11:" and the window's id in
// hexadecimal. On Wayland it is "wayland:" and a handle that the compositor
// gives for the window through its xdg-foreign protocol; the handle is valid
// while this object lives, so keep it until the portal has answered. The
// name is empty when there is no window, when the compositor offers no
// xdg-foreign, or on any other platform: the portal then shows its dialog on
// its own, which is all it can do.
class PortalParentWindow
{
public:
    explicit PortalParentWindow(QWindow* window);
    ~PortalParentWindow();
    PortalParentWindow(const PortalParentWindow&) = delete;
    PortalParentWindow& operator=(const PortalParentWindow&) = delete;

    const QString& handle() const { return handle_; }

    // The window that a pick is for: the one with keyboard focus, else the
    // first visible top-level window, else none.
    static QWindow* activeWindow();

private:
    struct WaylandExport;
    std::unique_ptr<WaylandExport> export_;
    QString handle_;
};

} // namespace tintora
