// SPDX-License-Identifier: MIT
// Linked with version information of another owner (version 10.5): every
// text the side windows show follows it.
#include <QLabel>

#include <gtest/gtest.h>

#include "shell/windows/about_window.h"
#include "shell/windows/splash_window.h"

namespace tintora {
namespace {

TEST(Rebranding, AboutWindowShowsTheOtherOwnersValues)
{
    AboutWindow about(LoadBranding(), ProgramVersionInfo(), nullptr);
    const struct {
        const char* label;
        const char* text;
    } rows[] = {
        {"Label1", "Farbwerk"},
        {"lblCompany", "Example Owner Ltd"},
        {"lblVersion", "10.5"},
        {"lblWebsite", "www.farbwerk.example"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(about.findChild<QLabel*>(row.label)->text().toStdString(), row.text) << row.label;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Farbwerk"));
}

TEST(Rebranding, SplashLoadsTheOtherOwnersBranding)
{
    ShellState state;
    SplashWindow splash(state, nullptr);
    splash.Load();
    EXPECT_EQ(splash.brandInfo().productName, "Farbwerk");
    EXPECT_EQ(splash.brandInfo().webSite, "www.farbwerk.example");
}

} // namespace
} // namespace tintora
