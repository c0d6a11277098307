// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QString>

#include <optional>

class QCommandLineParser;

namespace tintora::cli {

// The commands that work without a display:
//   --color VALUE         print VALUE (any notation the paste parser reads)
//                         in the four designed notations, one per line:
//                         RGB call, decimal value, HTML code, BASIC hex;
//   --color -             convert one colour a line from standard input to
//                         one result a line (HTML code, or --format); see
//                         ColorLineConverter
//   --format NAME|TEMPLATE  print one notation instead (with --color or
//                         --pick); a NAME is a format id of color_formats.h,
//                         text holding "{" a template
//   --copy                with --color or --pick, also put the result on
//                         the clipboard (the --format text, else the HTML
//                         code), kept there after exit (X11)
//   --export-palette FILE write the custom palette to FILE (.gpl, .ase, .css,
//                         .txt or .hex)
//   --import-palette FILE read FILE into the custom palette and save it
//
// Exit status: 0 done; 1 a file could not be read, parsed or written, the
// colour has no form in the chosen format (#rgb), or --copy could not put
// the result on the clipboard (it is printed all the same); 2 a bad value
// (with --color -, any bad line) or a bad combination of options, with a
// message naming what was expected.

// Adds the options above to the program's parser (before it parses).
void AddCliOptions(QCommandLineParser& parser);

// Examples for the end of --help; `program` is the name it was started by.
QString CliHelpExamples(const QString& program);

// Runs the command the parsed command line asks for and returns its exit
// status, or nullopt when it asks for none and the program should go on
// (the window, or --pick). Checks --format first, so a bad one exits 2
// before anything opens. Creates a QCoreApplication of its own only while a
// palette file is handled (no QApplication, so no display is needed); the
// caller must not have created one yet.
std::optional<int> RunCliCommands(const QCommandLineParser& parser, int& argc, char** argv);

// The text --pick prints for the picked colour: the HTML code ("#66CCFF"),
// or the colour in the --format given on the command line. RunCliCommands
// has already refused a bad --format; what is left to fail is "hex3" for a
// colour without an exact #rgb form: then the result is empty, *error says
// why, and the caller should print it and exit 1.
QString FormatPickedColor(Rgb rgb, const QCommandLineParser& parser, QString* error);

// Whether --copy was given (for --pick, which main() runs).
bool CopyRequested(const QCommandLineParser& parser);

// --copy: puts `text` on the clipboard so that it stays there after this
// process exits. Returns 0, or 1 with the reason on stderr.
int CopyResult(const QString& text);

} // namespace tintora::cli
