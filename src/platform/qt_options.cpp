// SPDX-License-Identifier: MIT
#include "platform/qt_options.h"

namespace tintora {

namespace {

// What QGuiApplication, QApplication and the X11 platform plugin of Qt 6
// read from the command line.
const QStringList kWithValue = {
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("geometry"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("title"),
    QStringLiteral("session"),
    QStringLiteral("display"),
    QStringLiteral("name"),
    QStringLiteral("visual"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
};
const QStringList kFlags = {QStringLiteral("reverse"), QStringLiteral("testability"),
                            QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                            QStringLiteral("dograb")};
// Those that Qt also takes as -NAME=VALUE.
const QStringList kWithAttachedValue = {QStringLiteral("style"), QStringLiteral("stylesheet"),
                                        QStringLiteral("qmljsdebugger")};

} // namespace

QStringList WithoutQtOptions(const QStringList& args)
{
    QStringList own;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (i == 0 || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("--")) {
            own << arg;
            continue;
        }
        const QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
        if (kFlags.contains(name))
            continue;
        if (kWithValue.contains(name) && i + 1 < args.size()) {
            ++i;
            continue;
        }
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq > 0 && kWithAttachedValue.contains(name.left(eq)))
            continue;
        own << arg;
    }
    return own;
}

} // namespace tintora
