// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

class QDBusPendingCallWatcher;

namespace tintora {

// Asks the desktop portal (org.freedesktop.portal.Screenshot, PickColor) for
// a colour from the screen: the way to pick on Wayland, where a program
// cannot read the screen itself. The portal answers the call with a request
// object at once and later sends that object's Response signal, after the
// user has picked with the desktop's own picker.
//
// Each start() ends in exactly one of the signals. `unavailable` means that
// no portal with a colour picker is on the bus (the caller may try another
// way); `failed` means that the portal was there but gave no colour. An
// interaction that the portal says ended "in some other way" (response 2)
// without a word why counts as `cancelled`: backends report the user
// closing their picker so. A pick that the portal does not finish in time
// is closed (Request.Close), so that the desktop's picker goes away.
class PortalColorPicker : public QObject
{
    Q_OBJECT
public:
    explicit PortalColorPicker(const QDBusConnection& bus, QObject* parent = nullptr);
    // Closes a request still open, so that the desktop's picker goes too.
    ~PortalColorPicker() override;

    // How long the portal may take to answer the call (a few seconds: it
    // answers before the user does anything) and how long the user may take
    // to pick once the desktop's picker is open.
    void setTimeouts(int callMs, int responseMs);

    // `parentWindow` identifies the calling window to the portal
    // ("x11:<hex id>", "wayland:<exported handle>", or empty), which shows
    // its picker over that window.
    void start(const QString& parentWindow = {});
    bool running() const { return running_; }

signals:
    void picked(tintora::Rgb color);
    void cancelled();
    void failed(const QString& message);
    void unavailable(const QString& message);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    void onCallFinished(QDBusPendingCallWatcher* watcher);
    void listenOn(const QString& path);
    void stopListening();
    // Asks the portal to close the request at `path` (the current one when
    // empty), with the desktop's picker that belongs to it.
    void closeRequest(const QString& path = {});
    void finish();

    QDBusConnection bus_;
    QTimer responseTimer_;
    QString requestPath_;
    int callMs_ = 5000;
    int responseMs_ = 120000;
    bool running_ = false;
};

} // namespace tintora
