// SPDX-License-Identifier: MIT
#include "app/cli_commands.h"

#include "app/cli_color_tools.h"

#include "core/color_formats.h"
#include "core/color_lines.h"
#include "core/color_notation.h"
#include "core/color_outputs.h"
#include "palettes/custom_colors_store.h"
#include "palettes/palette_exchange.h"
#include "platform/clipboard_writer.h"
#include "surface/core_message.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace tintora::cli {

namespace {

const QCommandLineOption& ColorOption()
{
    static const QCommandLineOption option(
        QStringLiteral("color"),
        QCoreApplication::translate(
            "CommandLine",
            "Print the colour VALUE as its RGB call, decimal value, HTML code and BASIC hex constant, one "
            "per line, and exit. VALUE is any notation that can be pasted into the window: every CSS "
            "Color 4 colour (#RGB, #RRGGBBAA, rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), "
            "color(), names), 0xRRGGBB, 0xAARRGGBB, QColor(), Color.FromArgb(), $00BBGGRR, RGB(r, g, b), "
            "&HBBGGRR&, a decimal value 0..16777215, or a source line such as 'color: red;'. All digits "
            "are a decimal value. Alpha is dropped and colours outside sRGB are gamut mapped. VALUE - "
            "reads one colour a line from standard input and writes one result a line (the HTML code, "
            "or --format); a bad line is named on standard error, gives an empty output line and exit "
            "status 2, and the other lines are still converted."),
        QStringLiteral("VALUE"));
    return option;
}

const QCommandLineOption& FormatOption()
{
    static const QCommandLineOption option(
        QStringLiteral("format"),
        QCoreApplication::translate(
            "CommandLine",
            "With --color or --pick, print one notation instead: one of %1; or a template such as "
            "'{r}, {g}, {b}' or '0x{HEX}' with the placeholders %2 ({{ and }} for braces).")
            .arg(QString::fromStdString(FormatIdList()), QString::fromStdString(PlaceholderList())),
        QStringLiteral("NAME|TEMPLATE"));
    return option;
}

const QCommandLineOption& CopyOption()
{
    static const QCommandLineOption option(
        QStringLiteral("copy"),
        QCoreApplication::translate(
            "CommandLine",
            "With --color or --pick, also put the result on the clipboard: the --format text, "
            "else the HTML code. On X11 a small helper process keeps it there after exit, until "
            "another program copies. One colour only: with --color - it is refused (exit status 2)."));
    return option;
}

const QCommandLineOption& ExportOption()
{
    static const QCommandLineOption option(
        QStringLiteral("export-palette"),
        QCoreApplication::translate(
            "CommandLine",
            "Write the 224 custom colours to FILE and exit: a GIMP palette (.gpl), CSS custom properties "
            "(.css), a list of hex codes (.txt, .hex) or Adobe Swatch Exchange (.ase)."),
        QStringLiteral("FILE"));
    return option;
}

const QCommandLineOption& ImportOption()
{
    static const QCommandLineOption option(
        QStringLiteral("import-palette"),
        QCoreApplication::translate("CommandLine",
                                    "Read FILE (.gpl, .ase, .css, .txt or .hex) into the custom colours from "
                                    "cell 1 on, save them, say "
                                    "where they went and exit. A malformed file changes nothing."),
        QStringLiteral("FILE"));
    return option;
}

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

int Fail(int status, const QString& message)
{
    Print(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + message);
    return status;
}

// --color -: one colour a line from standard input, one result a line.
int RunColorLines(const QCommandLineParser& parser)
{
    const std::string format =
        parser.isSet(FormatOption()) ? parser.value(FormatOption()).toStdString() : std::string("html");
    ColorLineConverter converter(format, QCoreApplication::applicationName().toStdString() + ": --color -: ",
                                 [](const Message& m) { return TranslatedMessage(m).toStdString(); });
    std::string out;
    std::string errors;
    static char buffer[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        converter.Feed(std::string_view(buffer, n), out, errors);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fwrite(errors.data(), 1, errors.size(), stderr);
        out.clear();
        errors.clear();
    }
    converter.Finish(out, errors);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(errors.data(), 1, errors.size(), stderr);
    std::fflush(stdout);
    return converter.ExitStatus();
}

int RunColor(const QCommandLineParser& parser)
{
    const QString value = parser.value(ColorOption());
    if (value == QStringLiteral("-"))
        return RunColorLines(parser);
    const NotationParse parsed = ParseColorNotation(value.toStdString());
    if (!parsed.color)
        return Fail(2, QStringLiteral("--color: ") + TranslatedMessage(parsed.message));
    const Rgb c = SimulatedIfAsked(parser, *parsed.color);
    // Six digits could be meant as hex: say how they were read, and what
    // the colour gave up (alpha, a gamut beyond sRGB), on stderr.
    const QString trimmed = value.trimmed();
    if (trimmed.size() == 6 &&
        std::all_of(trimmed.begin(), trimmed.end(), [](QChar ch) { return ch.isDigit(); })) {
        Print(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") +
                          QCoreApplication::translate(
                              "CommandLine", "read as the decimal value %1; for the hex colour, type #%1")
                              .arg(trimmed));
    }
    if (const std::string note = NotationNote(parsed); !note.empty()) {
        Print(stderr,
              QCoreApplication::applicationName() + QStringLiteral(": ") + QString::fromStdString(note));
    }
    if (parser.isSet(FormatOption())) {
        const FormattedColor out = FormatColorBySpec(c, parser.value(FormatOption()).toStdString());
        if (!out.text)
            return Fail(1, QStringLiteral("--format: ") + TranslatedMessage(out.message));
        Print(stdout, QString::fromStdString(*out.text));
        return parser.isSet(CopyOption()) ? CopyResult(QString::fromStdString(*out.text)) : 0;
    }
    // The four designed codes, in the order of the window's fields. They
    // describe the plain value alone, so no system colour plays a part.
    const ColorOutputs outputs = UpdateColorOutputs(MakeColorRef(c.red, c.green, c.blue), SystemColorTable{});
    for (const std::size_t field : {2u, 3u, 4u, 5u})
        Print(stdout, QString::fromStdString(outputs.text[field]));
    return parser.isSet(CopyOption()) ? CopyResult(QString::fromStdString(outputs.text[4])) : 0;
}

// The palette store the window uses, from the same folders main() gives it.
CustomColorsStore ProgramStore()
{
    return CustomColorsStore(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

int RunPaletteCommand(const QCommandLineParser& parser, int& argc, char** argv)
{
    const bool exporting = parser.isSet(ExportOption());
    const QString file =
        QFileInfo(parser.value(exporting ? ExportOption() : ImportOption())).absoluteFilePath();
    if (!PaletteFormatForPath(file)) {
        return Fail(
            2, QCoreApplication::translate(
                   "CommandLine",
                   "%1: '%2' has an unknown file type; expected a .gpl, .ase, .css, .txt or .hex file")
                   .arg(exporting ? QStringLiteral("--export-palette") : QStringLiteral("--import-palette"),
                        file));
    }
    // applicationDirPath() and the per-user folder need an application
    // object; a core one needs no display.
    const QString name = QCoreApplication::applicationName();
    std::optional<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr)
        app.emplace(argc, argv);
    QCoreApplication::setApplicationName(name);
    CustomColorsStore store = ProgramStore();
    if (exporting) {
        const PaletteExport result = ExportPaletteFile(
            file, store.Load(), QCoreApplication::translate("CommandLine", "%1 custom colours").arg(name));
        if (!result.ok)
            return Fail(1, result.message);
        Print(stdout, result.message);
        return 0;
    }
    const PaletteImport result = ImportPaletteIntoStore(file, store);
    if (!result.ok)
        return Fail(1, result.message);
    Print(stdout, result.message);
    return 0;
}

} // namespace

void AddCliOptions(QCommandLineParser& parser)
{
    parser.addOption(ColorOption());
    parser.addOption(FormatOption());
    parser.addOption(CopyOption());
    parser.addOption(ExportOption());
    parser.addOption(ImportOption());
    parser.addOption(ContrastOption());
    parser.addOption(SimulateOption());
}

QString CliHelpExamples(const QString& program)
{
    const QString examples = QCoreApplication::translate(
        "CommandLine", "\nExamples:\n"
                       "  %1 --color '#66CCFF'                   the four codes of a colour\n"
                       "  %1 --color 'rgb(255, 128, 0)' --format css-hsl\n"
                       "  %1 --color rebeccapurple --format '0x{HEX}'\n"
                       "  %1 --color 65535 --format '{r}, {g}, {b}'\n"
                       "  %1 --color 'color: oklch(70% 0.15 250);' --format hex-lower\n"
                       "  %1 --color - --format oklch <colours.txt   one colour a line\n"
                       "  %1 --pick --format hex-lower           pick from the screen, print #rrggbb\n"
                       "  %1 --export-palette colours.gpl        for GIMP, Inkscape, Krita\n"
                       "  %1 --import-palette colours.gpl\n"
                       "  %1 --contrast '#767676' white          WCAG 2 ratio and APCA Lc\n"
                       "  %1 --color orange --simulate deuteranopia --format hex-lower\n"
                       "\nExit status: 0 done, 1 a file or format failed, 2 a bad value or option.\n");
    return examples.arg(program);
}

std::optional<int> RunCliCommands(const QCommandLineParser& parser, int& argc, char** argv)
{
    // Options that another part of main() may define; only ask the parser
    // about names it knows.
    const bool pick = parser.optionNames().contains(QStringLiteral("pick"));
    const bool color = parser.isSet(ColorOption());
    const bool exporting = parser.isSet(ExportOption());
    const bool importing = parser.isSet(ImportOption());
    const int commands = int(pick) + int(color) + int(exporting) + int(importing);
    if (const std::optional<int> status = RunColorTools(parser, commands))
        return *status;
    if (commands > 1) {
        return Fail(
            2, QCoreApplication::translate(
                   "CommandLine", "give only one of --color, --pick, --export-palette and --import-palette"));
    }
    if (parser.isSet(FormatOption())) {
        if (!color && !pick)
            return Fail(2,
                        QCoreApplication::translate("CommandLine", "--format needs --color VALUE or --pick"));
        const Message problem = FormatSpecProblem(parser.value(FormatOption()).toStdString());
        if (!problem.empty())
            return Fail(2, QStringLiteral("--format: ") + TranslatedMessage(problem));
    }
    if (parser.isSet(CopyOption()) && !color && !pick)
        return Fail(2, QCoreApplication::translate("CommandLine", "--copy needs --color VALUE or --pick"));
    // Many lines give many results and the clipboard holds one: refused
    // before any line is read, rather than copying some of them.
    if (parser.isSet(CopyOption()) && color && parser.value(ColorOption()) == QStringLiteral("-"))
        return Fail(2, QCoreApplication::translate(
                           "CommandLine", "--copy takes one colour; it cannot be used with --color -"));
    if (color)
        return RunColor(parser);
    if (exporting || importing)
        return RunPaletteCommand(parser, argc, argv);
    return std::nullopt;
}

bool CopyRequested(const QCommandLineParser& parser)
{
    return parser.isSet(CopyOption());
}

int CopyResult(const QString& text)
{
    const QString error = ClipboardWriter::WriteForExit(text);
    return error.isEmpty() ? 0 : Fail(1, QStringLiteral("--copy: ") + error);
}

QString FormatPickedColor(Rgb rgb, const QCommandLineParser& parser, QString* error)
{
    const std::string choice =
        parser.isSet(FormatOption()) ? parser.value(FormatOption()).toStdString() : "html";
    const FormattedColor out = FormatColorBySpec(rgb, choice);
    if (!out.text) {
        *error = TranslatedMessage(out.message);
        return {};
    }
    return QString::fromStdString(*out.text);
}

} // namespace tintora::cli
