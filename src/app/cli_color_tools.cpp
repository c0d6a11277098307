// SPDX-License-Identifier: MIT
#include "app/cli_color_tools.h"

#include "core/color_apca.h"
#include "core/color_contrast.h"
#include "core/color_notation.h"
#include "core/color_vision.h"
#include "surface/core_message.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace tintora::cli {

namespace {

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

int Fail(const QString& message)
{
    Print(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + message);
    return 2;
}

QString Ratio(double ratio)
{
    return QString::fromStdString(ContrastRatioText(ratio));
}

QString Passed(bool normal, bool large)
{
    if (normal && large)
        return QCoreApplication::translate("CommandLine", "normal, large");
    if (large)
        return QCoreApplication::translate("CommandLine", "large");
    return QCoreApplication::translate("CommandLine", "none");
}

int RunContrast(const QCommandLineParser& parser)
{
    const QStringList rest = parser.positionalArguments();
    if (rest.size() != 1) {
        return Fail(
            QCoreApplication::translate("CommandLine", "--contrast needs two colours: TEXT and BACKGROUND"));
    }
    const QString values[2] = {parser.value(ContrastOption()), rest.first()};
    Rgb colors[2];
    for (int i = 0; i < 2; ++i) {
        const NotationParse parsed = ParseColorNotation(values[i].toStdString());
        if (!parsed.color) {
            return Fail(QStringLiteral("--contrast: %1: ").arg(values[i]) +
                        TranslatedMessage(parsed.message));
        }
        colors[i] = *parsed.color;
    }
    for (const QString& line : ContrastLines(colors[0], colors[1]))
        Print(stdout, line);
    return 0;
}

} // namespace

const QCommandLineOption& ContrastOption()
{
    static const QCommandLineOption option(
        QStringLiteral("contrast"),
        QCoreApplication::translate(
            "CommandLine",
            "Print the contrast of TEXT on the colour BACKGROUND that follows it and exit: the WCAG 2 "
            "ratio with the levels it passes, and the APCA lightness contrast Lc (positive for dark text "
            "on a light background, negative for light on dark). Both are any notation --color reads."),
        QStringLiteral("TEXT"));
    return option;
}

const QCommandLineOption& SimulateOption()
{
    static const QCommandLineOption option(
        QStringLiteral("simulate"),
        QCoreApplication::translate("CommandLine",
                                    "With --color VALUE, print the colour as seen with the colour-vision "
                                    "deficiency KIND: %1.")
            .arg(QString::fromLatin1(VisionKindList().data(),
                                     static_cast<qsizetype>(VisionKindList().size()))),
        QStringLiteral("KIND"));
    return option;
}

qsizetype PositionalArgumentsTaken(const QCommandLineParser& parser)
{
    return parser.isSet(ContrastOption()) ? 1 : 0;
}

QStringList ContrastLines(Rgb text, Rgb background)
{
    const ContrastVerdict v = ContrastOf(text, background);
    return {
        QCoreApplication::translate("CommandLine", "WCAG 2: %1 - AA: %2 - AAA: %3")
            .arg(Ratio(v.ratio), Passed(v.aaNormal, v.aaLarge), Passed(v.aaaNormal, v.aaaLarge)),
        QCoreApplication::translate("CommandLine", "APCA: Lc %1")
            .arg(QString::fromStdString(ApcaContrastForDisplay(ApcaContrast(text, background)))),
    };
}

std::optional<int> RunColorTools(const QCommandLineParser& parser, int commands)
{
    if (parser.isSet(ContrastOption())) {
        if (commands > 0 || parser.isSet(SimulateOption())) {
            return Fail(QCoreApplication::translate(
                "CommandLine", "--contrast takes no other command; give it alone with its two colours"));
        }
        return RunContrast(parser);
    }
    if (!parser.isSet(SimulateOption()))
        return std::nullopt;
    if (!parser.isSet(QStringLiteral("color")) ||
        parser.value(QStringLiteral("color")) == QStringLiteral("-"))
        return Fail(QCoreApplication::translate("CommandLine", "--simulate needs --color VALUE"));
    const QString kind = parser.value(SimulateOption());
    if (!VisionKindFromName(kind.toStdString())) {
        return Fail(
            QCoreApplication::translate("CommandLine", "--simulate: unknown kind '%1'; expected one of %2")
                .arg(kind, QString::fromLatin1(VisionKindList().data(),
                                               static_cast<qsizetype>(VisionKindList().size()))));
    }
    return std::nullopt;
}

Rgb SimulatedIfAsked(const QCommandLineParser& parser, Rgb rgb)
{
    if (!parser.isSet(SimulateOption()))
        return rgb;
    const std::optional<VisionKind> kind = VisionKindFromName(parser.value(SimulateOption()).toStdString());
    return kind ? SimulateVision(*kind, rgb) : rgb;
}

} // namespace tintora::cli
