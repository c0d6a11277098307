// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QImage>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QScreen;

namespace tintora {

class EyedropperOverlay;
class PortalColorPicker;
class PortalParentWindow;

// Pick a colour from anywhere on the screen.
//
// On X11 (and any platform that can read its screens) start() grabs every
// screen and covers each with an EyedropperOverlay showing that grab and a
// magnifier. On Wayland, where a program cannot read the screen, it asks the
// desktop portal's colour picker instead; under XWayland with no portal it
// falls back to the grab.
//
// Each start() ends in exactly one signal: picked with the exact colour of
// the device pixel chosen, cancelled (Escape, a right click, or a cancel in
// the portal's picker), or failed with a message for the user saying why no
// colour could be picked. Nothing else changes; the caller decides what to
// do with the colour. A start() while one is running is ignored.
class Eyedropper : public QObject
{
    Q_OBJECT
public:
    // Returns a screen's device pixels; a null image means it could not be read.
    using ScreenGrabber = std::function<QImage(QScreen*)>;

    explicit Eyedropper(QObject* parent = nullptr);
    ~Eyedropper() override;

    void start();
    bool running() const { return running_; }

    // For tests and benchmarks: read screens through `grabber` instead of
    // QScreen::grabWindow.
    void setScreenGrabber(ScreenGrabber grabber);
    // The portal's timeouts (see PortalColorPicker::setTimeouts).
    void setPortalTimeouts(int callMs, int responseMs);

    // The open overlays, one per screen (empty when none is shown).
    QList<EyedropperOverlay*> overlays() const;

signals:
    void picked(tintora::Rgb color);
    void cancelled();
    void failed(const QString& message);

private:
    void startPortal();
    void startGrab();
    void closeOverlays();
    void deleteOverlays();
    void finishPicked(Rgb color);
    void finishCancelled();
    void finishFailed(const QString& message);
    void onEntered(EyedropperOverlay* overlay);

    ScreenGrabber grabber_;
    // One per screen, in the order of QGuiApplication::screens(); kept
    // hidden between picks.
    QList<EyedropperOverlay*> overlays_;
    bool shown_ = false;
    PortalColorPicker* portal_ = nullptr;
    std::unique_ptr<PortalParentWindow> parentWindow_;
    int portalCallMs_ = 5000;
    int portalResponseMs_ = 120000;
    bool running_ = false;
};

} // namespace tintora
