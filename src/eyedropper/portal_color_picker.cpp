// SPDX-License-Identifier: MIT
#include "eyedropper/portal_color_picker.h"

#include "eyedropper/pixel_mapping.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace tintora {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

QString Seconds(int ms)
{
    return QString::number((ms + 999) / 1000);
}

// The "color" result: a (ddd) structure of channels in 0..1.
std::optional<Rgb> ColorResult(const QVariantMap& results)
{
    const QVariant v = results.value(QStringLiteral("color"));
    if (!v.canConvert<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument arg = v.value<QDBusArgument>();
    if (arg.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double r = 0, g = 0, b = 0;
    arg.beginStructure();
    arg >> r >> g >> b;
    arg.endStructure();
    return RgbFromUnitChannels(r, g, b);
}

} // namespace

PortalColorPicker::PortalColorPicker(const QDBusConnection& bus, QObject* parent) : QObject(parent), bus_(bus)
{
    responseTimer_.setSingleShot(true);
    connect(&responseTimer_, &QTimer::timeout, this, [this] {
        // Closing the request takes the desktop's picker off the screen.
        closeRequest();
        finish();
        emit failed(tr("The desktop portal's colour picker did not answer within %1 seconds.")
                        .arg(Seconds(responseMs_)));
    });
}

PortalColorPicker::~PortalColorPicker()
{
    if (running_)
        closeRequest();
}

void PortalColorPicker::setTimeouts(int callMs, int responseMs)
{
    callMs_ = callMs;
    responseMs_ = responseMs;
}

void PortalColorPicker::start(const QString& parentWindow)
{
    if (running_)
        return;
    if (!bus_.isConnected()) {
        emit unavailable(tr("There is no session bus, so the desktop portal cannot be asked for a colour."));
        return;
    }
    running_ = true;
    // The portal names the request object after our unique bus name and a
    // token of ours. Listening on that path before calling means that a
    // Response sent at once cannot be missed.
    static int counter = 0;
    const QString token = QStringLiteral("tintora%1").arg(++counter);
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    listenOn(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token));

    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kScreenshot, QStringLiteral("PickColor"));
    call << parentWindow << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, callMs_), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalColorPicker::onCallFinished);
}

void PortalColorPicker::onCallFinished(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    if (!running_)
        return;
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        const QDBusError error = reply.error();
        const QString lastRequestPath = requestPath_;
        finish();
        switch (error.type()) {
        case QDBusError::ServiceUnknown:
            emit unavailable(tr("The desktop portal (%1) is not running.").arg(kService));
            return;
        case QDBusError::UnknownMethod:
        case QDBusError::UnknownInterface:
        case QDBusError::UnknownObject:
            emit unavailable(tr("The desktop portal offers no colour picker."));
            return;
        case QDBusError::NoReply:
        case QDBusError::Timeout:
        case QDBusError::TimedOut:
            // The portal may still open its picker later, on the path that
            // our token names.
            closeRequest(lastRequestPath);
            emit failed(tr("The desktop portal did not answer within %1 seconds.").arg(Seconds(callMs_)));
            return;
        default:
            emit failed(tr("The desktop portal refused to pick a colour: %1").arg(error.message()));
            return;
        }
    }
    // Older portals ignore the token and choose the path themselves.
    const QString path = reply.value().path();
    if (path != requestPath_)
        listenOn(path);
    responseTimer_.start(responseMs_);
}

void PortalColorPicker::onResponse(uint response, const QVariantMap& results)
{
    if (!running_)
        return;
    finish();
    switch (response) {
    case 0:
        if (const std::optional<Rgb> rgb = ColorResult(results)) {
            emit picked(*rgb);
            return;
        }
        emit failed(tr("The desktop portal answered without a valid colour."));
        return;
    case 1:
        emit cancelled();
        return;
    case 2:
        // The interaction ended "in some other way". Backends that report
        // the user closing their picker so send nothing with it: a cancel.
        // Anything in the results marks a failure the portal describes.
        if (results.isEmpty()) {
            emit cancelled();
            return;
        }
        emit failed(tr("The desktop portal could not pick a colour."));
        return;
    default:
        emit failed(tr("The desktop portal could not pick a colour."));
        return;
    }
}

void PortalColorPicker::closeRequest(const QString& path)
{
    const QString target = path.isEmpty() ? requestPath_ : path;
    if (target.isEmpty())
        return;
    // No answer is awaited: a request that is already gone has nothing to
    // close.
    bus_.send(QDBusMessage::createMethodCall(kService, target, kRequest, QStringLiteral("Close")));
}

void PortalColorPicker::listenOn(const QString& path)
{
    stopListening();
    requestPath_ = path;
    bus_.connect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                 SLOT(onResponse(uint, QVariantMap)));
}

void PortalColorPicker::stopListening()
{
    if (requestPath_.isEmpty())
        return;
    bus_.disconnect(kService, requestPath_, kRequest, QStringLiteral("Response"), this,
                    SLOT(onResponse(uint, QVariantMap)));
    requestPath_.clear();
}

void PortalColorPicker::finish()
{
    running_ = false;
    responseTimer_.stop();
    stopListening();
}

} // namespace tintora
