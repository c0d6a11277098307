// SPDX-License-Identifier: MIT
#include "eyedropper/portal_parent_window.h"

#include <QGuiApplication>
#include <QWindow>

#ifdef TINTORA_HAVE_XDG_FOREIGN
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include "xdg-foreign-unstable-v2-client-protocol.h"
// The protocol's interface tables, generated as C; declared extern "C" by
// the header above, so they link as the client library expects.
#include "xdg-foreign-unstable-v2-protocol.inc"
#endif

namespace tintora {

#ifdef TINTORA_HAVE_XDG_FOREIGN

// The export runs on an event queue of its own, so that its round trips to
// the compositor dispatch only its own events, never Qt's.
struct PortalParentWindow::WaylandExport {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_registry* registry = nullptr;
    zxdg_exporter_v2* exporter = nullptr;
    zxdg_exported_v2* exported = nullptr;
    QString handle;

    ~WaylandExport()
    {
        if (exported)
            zxdg_exported_v2_destroy(exported);
        if (exporter)
            zxdg_exporter_v2_destroy(exporter);
        if (registry)
            wl_registry_destroy(registry);
        if (queue) {
            wl_display_flush(display);
            wl_event_queue_destroy(queue);
        }
    }

    static void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t)
    {
        auto* self = static_cast<WaylandExport*>(data);
        if (!self->exporter && qstrcmp(interface, zxdg_exporter_v2_interface.name) == 0)
            self->exporter = static_cast<zxdg_exporter_v2*>(
                wl_registry_bind(registry, name, &zxdg_exporter_v2_interface, 1));
    }
    static void onGlobalRemove(void*, wl_registry*, uint32_t) {}
    static void onHandle(void* data, zxdg_exported_v2*, const char* handle)
    {
        static_cast<WaylandExport*>(data)->handle = QString::fromUtf8(handle);
    }

    // Exports `surface`; leaves `handle` empty when the compositor has no
    // exporter or gives no handle.
    void exportSurface(wl_display* d, wl_surface* surface)
    {
        static const wl_registry_listener registryListener = {&onGlobal, &onGlobalRemove};
        static const zxdg_exported_v2_listener exportedListener = {&onHandle};
        display = d;
        queue = wl_display_create_queue(display);
        auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
        registry = wl_display_get_registry(wrapper);
        wl_proxy_wrapper_destroy(wrapper);
        wl_registry_add_listener(registry, &registryListener, this);
        if (wl_display_roundtrip_queue(display, queue) < 0 || !exporter)
            return;
        exported = zxdg_exporter_v2_export_toplevel(exporter, surface);
        zxdg_exported_v2_add_listener(exported, &exportedListener, this);
        (void)wl_display_roundtrip_queue(display, queue);
    }
};

#else

struct PortalParentWindow::WaylandExport {
    QString handle;
};

#endif

PortalParentWindow::PortalParentWindow(QWindow* window)
{
    if (!window)
        return;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        handle_ = QStringLiteral("x11:") + QString::number(window->winId(), 16);
        return;
    }
#ifdef TINTORA_HAVE_XDG_FOREIGN
    if (!platform.startsWith(QLatin1String("wayland")))
        return;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native)
        return;
    auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    auto* surface = static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window));
    if (!display || !surface)
        return;
    export_ = std::make_unique<WaylandExport>();
    export_->exportSurface(display, surface);
    if (!export_->handle.isEmpty())
        handle_ = QStringLiteral("wayland:") + export_->handle;
#endif
}

PortalParentWindow::~PortalParentWindow() = default;

QWindow* PortalParentWindow::activeWindow()
{
    auto isFrame = [](const QWindow* w) { return w->type() == Qt::Window || w->type() == Qt::Dialog; };
    // A menu that asked for the pick stands for the window that opened it.
    QWindow* focus = QGuiApplication::focusWindow();
    while (focus && !isFrame(focus))
        focus = focus->transientParent();
    if (focus)
        return focus;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow* w : windows)
        if (w->isVisible() && isFrame(w))
            return w;
    return nullptr;
}

} // namespace tintora
