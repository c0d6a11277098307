// SPDX-License-Identifier: MIT
// Why --pick has no display, decided before Qt starts.
#include "eyedropper/display_check.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tintora {
namespace {

TEST(PickDisplayProblem, NamesWhyThereIsNoScreen)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QByteArray dir = runtime.path().toLocal8Bit();
    const struct {
        DisplayEnvironment env;
        const char* reason;
    } rows[] = {
        {{QString(), "", "", dir}, "neither DISPLAY nor WAYLAND_DISPLAY is set"},
        {{QStringLiteral("xcb"), "", "wayland-0", dir}, "DISPLAY is not set"},
        {{QStringLiteral("wayland"), ":0", "", dir}, "WAYLAND_DISPLAY is not set"},
        {{QStringLiteral("offscreen"), ":0", "", dir}, "the offscreen platform has no screen"},
        {{QStringLiteral("minimal:enable_fonts"), ":0", "", dir}, "the minimal platform has no screen"},
        // Nothing listens on display 87 or on a socket in an empty folder.
        {{QString(), ":87", "", dir}, "no answer from DISPLAY :87"},
        {{QString(), ":87", "wayland-9", dir}, "no answer from WAYLAND_DISPLAY wayland-9 or DISPLAY :87"},
        {{QStringLiteral("wayland;xcb"), "", "/nonexistent/socket", dir},
         "no answer from WAYLAND_DISPLAY /nonexistent/socket"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        EXPECT_EQ(PickDisplayProblem(row.env),
                  QStringLiteral("no display to pick from (%1)").arg(QLatin1String(row.reason)));
    }
    // Beside a Wayland session the desktop portal picks; Qt itself may then
    // run without a screen.
    EXPECT_EQ(PickDisplayProblem({QStringLiteral("offscreen"), "", "wayland-0", dir}), QString());
}

} // namespace
} // namespace tintora
