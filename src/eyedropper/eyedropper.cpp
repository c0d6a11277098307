// SPDX-License-Identifier: MIT
#include "eyedropper/eyedropper.h"

#include "eyedropper/eyedropper_overlay.h"
#include "eyedropper/pixel_mapping.h"
#include "eyedropper/portal_color_picker.h"
#include "eyedropper/portal_parent_window.h"
#include "eyedropper/x11_shm_grab.h"

#include <QCursor>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace tintora {

namespace {

QImage GrabScreen(QScreen* screen)
{
    QImage fast = GrabScreenThroughSharedMemory(screen);
    if (!fast.isNull())
        return fast;
    return screen->grabWindow(0).toImage();
}

// A Wayland session, where only the portal can read the screen; programs
// running through XWayland see only other X clients in a grab.
bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

Eyedropper::Eyedropper(QObject* parent) : QObject(parent), grabber_(GrabScreen)
{
}

Eyedropper::~Eyedropper()
{
    deleteOverlays();
}

void Eyedropper::setScreenGrabber(ScreenGrabber grabber)
{
    grabber_ = std::move(grabber);
}

void Eyedropper::setPortalTimeouts(int callMs, int responseMs)
{
    portalCallMs_ = callMs;
    portalResponseMs_ = responseMs;
}

QList<EyedropperOverlay*> Eyedropper::overlays() const
{
    return shown_ ? overlays_ : QList<EyedropperOverlay*>();
}

void Eyedropper::start()
{
    if (running_)
        return;
    running_ = true;
    if (OnWayland())
        startPortal();
    else
        startGrab();
}

void Eyedropper::startPortal()
{
    if (!portal_) {
        portal_ = new PortalColorPicker(QDBusConnection::sessionBus(), this);
        connect(portal_, &PortalColorPicker::picked, this, &Eyedropper::finishPicked);
        connect(portal_, &PortalColorPicker::cancelled, this, &Eyedropper::finishCancelled);
        connect(portal_, &PortalColorPicker::failed, this, &Eyedropper::finishFailed);
        connect(portal_, &PortalColorPicker::unavailable, this, [this](const QString& message) {
            // Through XWayland a grab still shows this program's X peers.
            if (QGuiApplication::platformName() == QLatin1String("xcb"))
                startGrab();
            else
                finishFailed(tr("Cannot pick from the screen: %1").arg(message));
        });
    }
    portal_->setTimeouts(portalCallMs_, portalResponseMs_);
    // The portal shows its picker over the window the pick is for; the
    // handle stays valid until the pick ends.
    parentWindow_ = std::make_unique<PortalParentWindow>(PortalParentWindow::activeWindow());
    portal_->start(parentWindow_->handle());
}

void Eyedropper::startGrab()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        finishFailed(tr("Cannot pick from the screen: there is no screen."));
        return;
    }
    // Every screen is read before any overlay covers it.
    QList<QImage> grabs;
    for (QScreen* screen : screens) {
        QImage grab = grabber_(screen);
        if (grab.isNull()) {
            finishFailed(
                tr("Cannot pick from the screen: the screen \"%1\" could not be read on this platform (%2).")
                    .arg(screen->name(), QGuiApplication::platformName()));
            return;
        }
        grabs << grab;
    }
    // Overlays stay between picks, hidden, while the screens stay as they
    // are: a new full-screen window costs a new window buffer of the
    // screen's size, which is most of the time that opening takes.
    bool same = overlays_.size() == screens.size();
    for (int i = 0; same && i < screens.size(); ++i)
        same = overlays_[i]->geometry() == screens[i]->geometry() &&
               overlays_[i]->devicePixelRatioUsed() == screens[i]->devicePixelRatio();
    if (!same) {
        deleteOverlays();
        for (QScreen* screen : screens) {
            auto* overlay = new EyedropperOverlay(QImage(), screen->devicePixelRatio(), screen->geometry());
            overlays_ << overlay;
            connect(overlay, &EyedropperOverlay::pickRequested, this, &Eyedropper::finishPicked);
            connect(overlay, &EyedropperOverlay::cancelRequested, this, &Eyedropper::finishCancelled);
            connect(overlay, &EyedropperOverlay::entered, this, &Eyedropper::onEntered);
        }
    }
    const QPoint pointer = QCursor::pos();
    EyedropperOverlay* underPointer = nullptr;
    for (int i = 0; i < screens.size(); ++i) {
        QScreen* screen = screens[i];
        EyedropperOverlay* overlay = overlays_[i];
        overlay->setGrab(grabs[i]);
        if (!underPointer && screen->geometry().contains(pointer)) {
            underPointer = overlay;
            // The pointer's logical position is whole pixels here; the
            // overlay's enter and move events refine it to the device pixel.
            overlay->setCurrentPixel(DevicePixelAt(QPointF(pointer - screen->geometry().topLeft()),
                                                   screen->devicePixelRatio(), grabs[i].size()));
        }
    }
    shown_ = true;
    for (EyedropperOverlay* overlay : overlays_)
        overlay->show();
    onEntered(underPointer ? underPointer : overlays_.first());
}

void Eyedropper::onEntered(EyedropperOverlay* overlay)
{
    for (EyedropperOverlay* o : overlays_)
        if (o != overlay)
            o->setMagnifierShown(false);
    overlay->setMagnifierShown(true);
    // Keys go to the screen that the pointer is on, wherever focus was.
    overlay->activateWindow();
    overlay->setFocus(Qt::OtherFocusReason);
    overlay->grabKeyboard();
}

void Eyedropper::closeOverlays()
{
    shown_ = false;
    for (EyedropperOverlay* o : overlays_) {
        o->releaseKeyboard();
        o->hide();
        // Lets the grab go at once: it holds a whole screen.
        o->setGrab(QImage());
    }
}

void Eyedropper::deleteOverlays()
{
    qDeleteAll(overlays_);
    overlays_.clear();
}

void Eyedropper::finishPicked(Rgb color)
{
    closeOverlays();
    parentWindow_.reset();
    running_ = false;
    emit picked(color);
}

void Eyedropper::finishCancelled()
{
    closeOverlays();
    parentWindow_.reset();
    running_ = false;
    emit cancelled();
}

void Eyedropper::finishFailed(const QString& message)
{
    closeOverlays();
    parentWindow_.reset();
    running_ = false;
    emit failed(message);
}

} // namespace tintora
