// SPDX-License-Identifier: MIT
#include "platform/qt_options.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

TEST(WithoutQtOptions, LeavesOnlyTheProgramsOwnArguments)
{
    const struct {
        QStringList args;
        QStringList own;
    } rows[] = {
        {{"tintora", "-platform", "offscreen", "--no-splash"}, {"tintora", "--no-splash"}},
        {{"tintora", "--platform", "xcb", "-style", "Fusion", "-reverse"}, {"tintora"}},
        {{"tintora", "-style=Fusion", "--stylesheet=a.qss", "-qmljsdebugger=port:1"}, {"tintora"}},
        {{"tintora", "-display", ":1", "-qwindowgeometry", "480x519+0+0", "--color", "red"},
         {"tintora", "--color", "red"}},
        {{"tintora", "-name", "x", "-title", "T", "-session", "s", "-widgetcount", "-nograb"}, {"tintora"}},
        // Qt takes its options wherever they stand, even where one of ours
        // wants a value: the parser then says that the value is missing.
        {{"tintora", "--color", "-reverse"}, {"tintora", "--color"}},
        {{"tintora", "--format", "{r}", "--color", "#102030"},
         {"tintora", "--format", "{r}", "--color", "#102030"}},
        // A value missing, an unknown option or a look-alike: left for the parser.
        {{"tintora", "-style"}, {"tintora", "-style"}},
        {{"tintora", "-platform=xcb", "-styles", "x", "-reversed"},
         {"tintora", "-platform=xcb", "-styles", "x", "-reversed"}},
        {{"tintora", "-h", "-v", "--help"}, {"tintora", "-h", "-v", "--help"}},
        // The program's name is never an option.
        {{"-style", "Fusion"}, {"-style", "Fusion"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WithoutQtOptions(row.args), row.own) << row.args.join(' ').toStdString();
}

} // namespace
} // namespace tintora
