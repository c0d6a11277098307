// SPDX-License-Identifier: MIT
// The display-free command line at function level: what --color and
// --format print, in which order and case, and with which exit status.
#include "app/cli_commands.h"

#include <QCommandLineParser>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace tintora {
namespace {

struct Outcome {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Outcome RunCli(const QStringList& args)
{
    QCommandLineParser parser;
    cli::AddCliOptions(parser);
    EXPECT_TRUE(parser.parse(QStringList{QStringLiteral("tintora")} + args))
        << parser.errorText().toStdString();
    char name[] = "tintora";
    char* argv[] = {name, nullptr};
    int argc = 1;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    Outcome o;
    o.status = cli::RunCliCommands(parser, argc, argv);
    std::fflush(nullptr);
    o.out = ::testing::internal::GetCapturedStdout();
    o.err = ::testing::internal::GetCapturedStderr();
    return o;
}

TEST(CliCommands, ColorPrintsTheFourCodesInTheWindowsOrderAndCase)
{
    const struct {
        const char* value;
        const char* expected;
    } cases[] = {
        // RGB call, decimal value, HTML code, BASIC constant; hex digits in
        // upper case whatever the input's case.
        {"#ff0", "RGB(255, 255, 0)\n65535\n#FFFF00\n&H00FFFF&\n"},
        {"#abcdef", "RGB(171, 205, 239)\n15715755\n#ABCDEF\n&HEFCDAB&\n"},
        {"rgb(1, 2, 3)", "RGB(1, 2, 3)\n197121\n#010203\n&H030201&\n"},
        {"0", "RGB(0, 0, 0)\n0\n#000000\n&H000000&\n"},
        {"white", "RGB(255, 255, 255)\n16777215\n#FFFFFF\n&HFFFFFF&\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = RunCli({QStringLiteral("--color"), QString::fromLatin1(c.value)});
        EXPECT_EQ(o.status, 0) << c.value;
        EXPECT_EQ(o.out, c.expected) << c.value;
        EXPECT_EQ(o.err, "") << c.value;
    }
}

TEST(CliCommands, FormatPrintsOneNotationAndBadInputExitsTwoPrintingNothing)
{
    const struct {
        QStringList args;
        int status;
        const char* out;
        const char* errPart;
    } cases[] = {
        {{"--color", "#abcdef", "--format", "html"}, 0, "#ABCDEF\n", ""},
        {{"--color", "#ABCDEF", "--format", "hex-lower"}, 0, "#abcdef\n", ""},
        {{"--color", "#abcdef", "--format", "{HEX}/{hex}"}, 0, "ABCDEF/abcdef\n", ""},
        {{"--color", "#GG0000"}, 2, "", "expected #RGB, #RGBA, #RRGGBB or #RRGGBBAA"},
        {{"--color", "red", "--format", "nope"}, 2, "", "unknown format 'nope'"},
        {{"--format", "html"}, 2, "", "--format needs --color VALUE or --pick"},
        {{"--color", "#010203", "--format", "hex3"}, 1, "", "no exact #rgb form"},
        // Contrast and colour vision; the Lc values are apca-w3's.
        {{"--contrast", "#767676", "white"},
         0,
         "WCAG 2: 4.54:1 - AA: normal, large - AAA: large\nAPCA: Lc 71.6\n",
         ""},
        {{"--contrast", "yellow", "navy"},
         0,
         "WCAG 2: 14.9:1 - AA: normal, large - AAA: normal, large\nAPCA: Lc -98.7\n",
         ""},
        {{"--contrast", "white", "#12345"}, 2, "", "--contrast: #12345: "},
        {{"--color", "red", "--simulate", "protanopia", "--format", "hex-lower"}, 0, "#6d5f00\n", ""},
        {{"--color", "red", "--simulate", "red"},
         2,
         "",
         "expected one of protanopia, deuteranopia, tritanopia, achromatopsia"},
    };
    for (const auto& c : cases) {
        const std::string shown = c.args.join(u' ').toStdString();
        const Outcome o = RunCli(c.args);
        EXPECT_EQ(o.status, c.status) << shown;
        EXPECT_EQ(o.out, c.out) << shown;
        EXPECT_NE(o.err.find(c.errPart), std::string::npos) << shown << " said: " << o.err;
    }
    // No command: the window opens.
    EXPECT_FALSE(RunCli({}).status.has_value());
}

} // namespace
} // namespace tintora
