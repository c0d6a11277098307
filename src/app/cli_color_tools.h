// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QStringList>

#include <optional>

class QCommandLineOption;
class QCommandLineParser;

namespace tintora::cli {

// The colour checks of the command line:
//   --contrast TEXT BACKGROUND  print the WCAG 2 ratio with the levels it
//                         passes, and the APCA lightness contrast Lc of TEXT
//                         on BACKGROUND (any two notations --color reads)
//   --simulate KIND       with --color VALUE, print the colour as a person
//                         with the colour-vision deficiency KIND sees it
//                         (see core/color_vision.h)
const QCommandLineOption& ContrastOption();
const QCommandLineOption& SimulateOption();

// How many positional arguments the options given take (BACKGROUND of
// --contrast); main() refuses any beyond them.
qsizetype PositionalArgumentsTaken(const QCommandLineParser& parser);

// The two lines --contrast prints: "WCAG 2: 4.54:1 - AA: normal, large -
// AAA: large" (the ratio cut to two decimals, as the window shows it) and
// "APCA: Lc 63.1".
QStringList ContrastLines(Rgb text, Rgb background);

// Runs --contrast, or checks --simulate before --color runs: returns the
// exit status when the command line is done (--contrast, or a bad
// --simulate), nullopt when the other commands should go on. `commands` is
// how many of --color, --pick and the palette options were given.
std::optional<int> RunColorTools(const QCommandLineParser& parser, int commands);

// The colour --color prints: `rgb`, simulated when --simulate asks for it
// (RunColorTools has refused an unknown kind already).
Rgb SimulatedIfAsked(const QCommandLineParser& parser, Rgb rgb);

} // namespace tintora::cli
