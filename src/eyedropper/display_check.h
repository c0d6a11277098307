// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace tintora {

// Where the eyedropper would run: the Qt platform asked for (QT_QPA_PLATFORM
// or -platform: one name or a ";" list of fallbacks, each maybe with
// ":options"), and the displays named by the environment.
struct DisplayEnvironment {
    QString platform;
    QByteArray x11Display;     // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray runtimeDir;     // XDG_RUNTIME_DIR, where a relative Wayland name lives
};

// The environment of this process, with `platformArgument` (the value of a
// -platform option, or empty) before QT_QPA_PLATFORM.
DisplayEnvironment CurrentDisplayEnvironment(const QString& platformArgument);

// Why there is no screen to pick a colour from, checked before Qt starts (Qt
// ends the process when its platform cannot start, and the offscreen
// platform would wait for a click that never comes): empty when an X server
// or Wayland compositor answers, or when a platform without a screen runs
// beside WAYLAND_DISPLAY (the desktop portal picks then). Otherwise "no display to pick from" and the
// reason in brackets: no DISPLAY or WAYLAND_DISPLAY, a platform that has no
// screen (offscreen, minimal), or a display that does not answer ("no answer from DISPLAY :9"). Takes at
// most one connection to each display named, closed again at once.
QString PickDisplayProblem(const DisplayEnvironment& env);

} // namespace tintora
