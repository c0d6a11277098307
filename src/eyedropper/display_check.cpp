// SPDX-License-Identifier: MIT
#include "eyedropper/display_check.h"

#include <QCoreApplication>
#include <QStringList>

#include <X11/Xlib.h>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tintora {

namespace {

bool X11Answers(const QByteArray& display)
{
    if (display.isEmpty())
        return false;
    Display* connection = XOpenDisplay(display.constData());
    if (connection == nullptr)
        return false;
    XCloseDisplay(connection);
    return true;
}

bool WaylandAnswers(const QByteArray& name, const QByteArray& runtimeDir)
{
    if (name.isEmpty())
        return false;
    const QByteArray path = name.startsWith('/') ? name : runtimeDir + '/' + name;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (runtimeDir.isEmpty() && !name.startsWith('/'))
        return false;
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

QString NoDisplay(const QString& reason)
{
    return QCoreApplication::translate("DisplayCheck", "no display to pick from (%1)").arg(reason);
}

} // namespace

DisplayEnvironment CurrentDisplayEnvironment(const QString& platformArgument)
{
    DisplayEnvironment env;
    env.platform = platformArgument.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platformArgument;
    env.x11Display = qgetenv("DISPLAY");
    env.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    env.runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    return env;
}

QString PickDisplayProblem(const DisplayEnvironment& env)
{
    // The platforms Qt would try, without their options.
    QStringList platforms;
    for (const QString& entry : env.platform.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        platforms << entry.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
    platforms.removeAll(QString());
    bool wantX11 = platforms.isEmpty();
    bool wantWayland = platforms.isEmpty();
    for (const QString& p : platforms) {
        wantX11 = wantX11 || p == QLatin1String("xcb");
        wantWayland = wantWayland || p.startsWith(QLatin1String("wayland"));
    }
    // With WAYLAND_DISPLAY set the desktop portal picks, on the desktop's
    // own screen, and its time limits end the wait; the platform Qt runs on
    // here then needs no screen.
    if (!wantX11 && !wantWayland && !env.waylandDisplay.isEmpty())
        return {};
    if (!wantX11 && !wantWayland)
        return NoDisplay(QCoreApplication::translate("DisplayCheck", "the %1 platform has no screen")
                             .arg(platforms.join(QLatin1Char(';'))));
    if ((!wantX11 || env.x11Display.isEmpty()) && (!wantWayland || env.waylandDisplay.isEmpty()))
        return NoDisplay(
            wantX11 && wantWayland
                ? QCoreApplication::translate("DisplayCheck", "neither DISPLAY nor WAYLAND_DISPLAY is set")
            : wantX11 ? QCoreApplication::translate("DisplayCheck", "DISPLAY is not set")
                      : QCoreApplication::translate("DisplayCheck", "WAYLAND_DISPLAY is not set"));
    if (wantWayland && WaylandAnswers(env.waylandDisplay, env.runtimeDir))
        return {};
    if (wantX11 && X11Answers(env.x11Display))
        return {};
    QStringList silent;
    if (wantWayland && !env.waylandDisplay.isEmpty())
        silent << QStringLiteral("WAYLAND_DISPLAY %1").arg(QString::fromLocal8Bit(env.waylandDisplay));
    if (wantX11 && !env.x11Display.isEmpty())
        silent << QStringLiteral("DISPLAY %1").arg(QString::fromLocal8Bit(env.x11Display));
    return NoDisplay(QCoreApplication::translate("DisplayCheck", "no answer from ") +
                     silent.join(QCoreApplication::translate("DisplayCheck", " or ")));
}

} // namespace tintora
