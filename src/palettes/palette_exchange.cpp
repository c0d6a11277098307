// SPDX-License-Identifier: MIT
#include "palettes/palette_exchange.h"

#include "palettes/palette_ase.h"

#include "core/color_formats.h"
#include "core/color_notation.h"
#include "core/css_color_names.h"
#include "core/file_replace.h"
#include "core/numeric.h"
#include "core/unique_fd.h"
#include "palettes/custom_colors_store.h"
#include "palettes/file_error_text.h"
#include "surface/core_message.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

namespace tintora {

namespace {

std::string Html(Rgb c)
{
    return FormatColor(c, "html").value_or("");
}

std::string Padded3(int v)
{
    std::string text = DecimalText(v);
    return std::string(3 - std::min<std::size_t>(3, text.size()), ' ') + text;
}

std::string_view Trim(std::string_view s)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

constexpr const char* TooLargeText =
    QT_TRANSLATE_NOOP("PaletteExchange", "the file has %1 bytes; palettes of more than %2 bytes are refused");

constexpr const char* NotGplText =
    QT_TRANSLATE_NOOP("PaletteExchange", "not a GIMP palette: the first line must be \"GIMP Palette\"");

// A reason for refusing a file, in the user's language.
std::string Said(const char* text)
{
    return QCoreApplication::translate("PaletteExchange", text).toStdString();
}

std::string LineError(int line, const std::string& what)
{
    return QCoreApplication::translate("PaletteExchange", "line %1: %2")
        .arg(line)
        .arg(QString::fromStdString(what))
        .toStdString();
}

// A colour line of a .gpl: three decimal numbers 0..255 and an optional
// name. Returns an error text, empty on success.
std::string ParseGplColorLine(std::string_view line, Rgb* out)
{
    int values[3] = {};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        const std::size_t start = pos;
        int v = 0;
        while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9' && pos - start < 4) {
            v = v * 10 + (line[pos] - '0');
            ++pos;
        }
        const bool endsField = pos >= line.size() || line[pos] == ' ' || line[pos] == '\t';
        if (pos == start || !endsField || v > 255)
            return Said(QT_TRANSLATE_NOOP(
                "PaletteExchange", "expected red, green and blue as numbers 0..255, then an optional name"));
        values[i] = v;
    }
    *out = Rgb{values[0], values[1], values[2]};
    return {};
}

// The value of a CSS custom property line "--name: value;" with an optional
// trailing comment, or nullopt when the line is not one.
std::optional<std::string_view> CssPropertyValue(std::string_view line)
{
    if (line.substr(0, 2) != "--")
        return std::nullopt;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    std::string_view value = line.substr(colon + 1);
    if (const std::size_t comment = value.find("/*"); comment != std::string_view::npos)
        value = value.substr(0, comment);
    value = Trim(value);
    if (value.empty() || value.back() != ';')
        return std::nullopt;
    value.remove_suffix(1);
    return Trim(value);
}

bool IsCssFrame(std::string_view line)
{
    // A selector or at-rule opening a block (":root {", "@theme {",
    // ".dark {"), a closing brace, or a comment on one line.
    if (line == "}" || (!line.empty() && line.back() == '{' && line.find(';') == std::string_view::npos))
        return true;
    return line.substr(0, 2) == "/*" && line.size() >= 4 && line.substr(line.size() - 2) == "*/";
}

} // namespace

std::optional<PaletteFileFormat> PaletteFormatForPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gpl"))
        return PaletteFileFormat::Gpl;
    if (suffix == QLatin1String("css"))
        return PaletteFileFormat::Css;
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("hex"))
        return PaletteFileFormat::HexList;
    if (suffix == QLatin1String("ase"))
        return PaletteFileFormat::Ase;
    return std::nullopt;
}

std::string FormatPalette(const CustomColorArray& colors, PaletteFileFormat format, std::string_view name)
{
    std::string out;
    switch (format) {
    case PaletteFileFormat::Gpl:
        out += "GIMP Palette\nName: " + std::string(name) + "\nColumns: 16\n#\n";
        for (int cell = 1; cell <= PaletteCellCount; ++cell) {
            const Rgb c = Rgb::FromColorRef(colors[static_cast<std::size_t>(cell)]);
            const std::string_view css = ExactCssColorName(c);
            // GIMP's own writer: "%3d %3d %3d\t%s".
            out += Padded3(c.red) + ' ' + Padded3(c.green) + ' ' + Padded3(c.blue) + '\t' +
                   (css.empty() ? Html(c) : std::string(css)) + '\n';
        }
        break;
    case PaletteFileFormat::Css:
        out += "/* " + std::string(name) + ": cells 1 to 224, 16 per row */\n:root {\n";
        for (int cell = 1; cell <= PaletteCellCount; ++cell) {
            const Rgb c = Rgb::FromColorRef(colors[static_cast<std::size_t>(cell)]);
            const std::string_view css = ExactCssColorName(c);
            out += "  --custom-color-" + std::to_string(cell) + ": " + Html(c) + ";";
            if (!css.empty())
                out += " /* " + std::string(css) + " */";
            out += '\n';
        }
        out += "}\n";
        break;
    case PaletteFileFormat::HexList:
        for (int cell = 1; cell <= PaletteCellCount; ++cell)
            out += Html(Rgb::FromColorRef(colors[static_cast<std::size_t>(cell)])) + '\n';
        break;
    case PaletteFileFormat::Ase:
        out = FormatAsePalette(colors);
        break;
    }
    return out;
}

PaletteRead ParsePalette(std::string_view bytes, PaletteFileFormat format)
{
    PaletteRead read;
    auto refuse = [&read](std::string message) {
        read.colors.clear();
        read.colorsInFile = 0;
        read.error = std::move(message);
        return read;
    };
    if (bytes.size() > MaxPaletteFileBytes) {
        return refuse(QCoreApplication::translate("PaletteExchange", TooLargeText)
                          .arg(bytes.size())
                          .arg(MaxPaletteFileBytes)
                          .toStdString());
    }
    if (format == PaletteFileFormat::Ase)
        return ParseAsePalette(bytes);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    int lineNumber = 0;
    bool inComment = false; // inside a CSS comment of several lines
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        ++lineNumber;
        std::string_view raw = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (raw.size() > MaxPaletteLineBytes) {
            return refuse(LineError(
                lineNumber, QCoreApplication::translate("PaletteExchange",
                                                        "longer than %1 bytes; expected one colour a line")
                                .arg(MaxPaletteLineBytes)
                                .toStdString()));
        }
        for (const char ch : raw) {
            const auto b = static_cast<unsigned char>(ch);
            if ((b < 0x20 && ch != '\t' && ch != '\r' && ch != '\f') || b == 0x7F)
                return refuse(
                    LineError(lineNumber,
                              Said(QT_TRANSLATE_NOOP("PaletteExchange",
                                                     "binary data (a control byte); expected a text file"))));
        }
        const std::string_view line = Trim(raw);

        if (format == PaletteFileFormat::Gpl && lineNumber == 1) {
            if (line != "GIMP Palette")
                return refuse(Said(NotGplText));
            continue;
        }
        if (line.empty())
            continue;
        Rgb color;
        switch (format) {
        case PaletteFileFormat::Gpl: {
            if (line.front() == '#')
                continue;
            if (line.substr(0, 5) == "Name:") {
                read.name = std::string(Trim(line.substr(5)));
                continue;
            }
            if (line.substr(0, 8) == "Columns:") {
                const std::string_view n = Trim(line.substr(8));
                const bool digits =
                    !n.empty() && n.size() <= 3 &&
                    std::all_of(n.begin(), n.end(), [](char c) { return c >= '0' && c <= '9'; });
                if (!digits || std::stoi(std::string(n)) > 256)
                    return refuse(LineError(
                        lineNumber, Said(QT_TRANSLATE_NOOP("PaletteExchange",
                                                           "expected \"Columns:\" and a number 0..256"))));
                continue;
            }
            if (std::string error = ParseGplColorLine(line, &color); !error.empty())
                return refuse(LineError(lineNumber, error));
            break;
        }
        case PaletteFileFormat::Css: {
            // A comment over several lines runs to the line that ends it.
            if (inComment) {
                inComment = line.find("*/") == std::string_view::npos;
                continue;
            }
            if (line.substr(0, 2) == "/*" && line.find("*/") == std::string_view::npos) {
                inComment = true;
                continue;
            }
            if (IsCssFrame(line))
                continue;
            const std::optional<std::string_view> value = CssPropertyValue(line);
            if (!value) {
                return refuse(LineError(
                    lineNumber,
                    Said(QT_TRANSLATE_NOOP("PaletteExchange",
                                           "expected a custom property such as \"--name: #RRGGBB;\""))));
            }
            const NotationParse parsed = ParseColorNotation(*value);
            if (!parsed.color)
                return refuse(LineError(lineNumber, TranslatedMessage(parsed.message).toStdString()));
            color = *parsed.color;
            break;
        }
        case PaletteFileFormat::HexList:
        case PaletteFileFormat::Ase: { // read above
            const NotationParse parsed = ParseColorNotation(line);
            if (!parsed.color)
                return refuse(LineError(lineNumber, TranslatedMessage(parsed.message).toStdString()));
            color = *parsed.color;
            break;
        }
        }
        ++read.colorsInFile;
        if (read.colors.size() < static_cast<std::size_t>(PaletteCellCount))
            read.colors.push_back(color);
    }
    if (format == PaletteFileFormat::Gpl && lineNumber == 0)
        return refuse(Said(NotGplText));
    if (read.colorsInFile == 0) {
        return refuse(format == PaletteFileFormat::Gpl
                          ? Said(QT_TRANSLATE_NOOP("PaletteExchange",
                                                   "the palette holds no colour lines (red green blue name)"))
                          : Said(QT_TRANSLATE_NOOP("PaletteExchange",
                                                   "the file holds no colour; expected one colour a line")));
    }
    return read;
}

PaletteImport ApplyPaletteImport(const CustomColorArray& current, const PaletteRead& read,
                                 const QString& source)
{
    PaletteImport result;
    result.colors = current;
    if (!read.error.empty()) {
        result.message = QCoreApplication::translate("PaletteExchange", "Nothing was imported from %1: %2")
                             .arg(source, QString::fromStdString(read.error));
        return result;
    }
    const int n = static_cast<int>(read.colors.size());
    for (std::size_t i = 0; i < read.colors.size(); ++i) {
        const Rgb& c = read.colors[i];
        result.colors[i + 1] = MakeColorRef(c.red, c.green, c.blue);
    }
    result.ok = true;
    result.firstCell = 1;
    result.lastCell = n;
    result.message =
        n == 1
            ? QCoreApplication::translate("PaletteExchange", "Read 1 colour from %1 into cell 1").arg(source)
            : QCoreApplication::translate("PaletteExchange", "Read %1 colours from %2 into cells 1 to %1")
                  .arg(n)
                  .arg(source);
    result.message += QCoreApplication::translate("PaletteExchange", " (16 per row, left to right).");
    if (n < PaletteCellCount) {
        result.message +=
            QCoreApplication::translate("PaletteExchange", " Cells %1 to %2 keep their colours.")
                .arg(n + 1)
                .arg(PaletteCellCount);
    }
    if (!read.note.empty())
        result.message += QLatin1Char(' ') + QString::fromStdString(read.note);
    if (read.colorsInFile > PaletteCellCount) {
        result.message +=
            QCoreApplication::translate(
                "PaletteExchange",
                " The file holds %1 colours; only the first %2 fit, the other %3 were left out.")
                .arg(read.colorsInFile)
                .arg(PaletteCellCount)
                .arg(read.colorsInFile - PaletteCellCount);
    }
    return result;
}

PaletteImport ImportPaletteFile(const QString& path, const CustomColorArray& current)
{
    auto refuse = [&](const QString& why) {
        PaletteImport result;
        result.colors = current;
        result.message =
            QCoreApplication::translate("PaletteExchange", "Nothing was imported from %1: %2").arg(path, why);
        return result;
    };
    const std::optional<PaletteFileFormat> format = PaletteFormatForPath(path);
    if (!format)
        return refuse(QCoreApplication::translate(
            "PaletteExchange", "unknown file type; expected a .gpl, .ase, .css, .txt or .hex file"));
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(QCoreApplication::translate("PaletteExchange", "the file does not exist"));
    // A pipe or device could block or never end.
    if (!info.isFile())
        return refuse(QCoreApplication::translate("PaletteExchange", "not a regular file"));
    if (static_cast<std::size_t>(info.size()) > MaxPaletteFileBytes) {
        return refuse(QCoreApplication::translate("PaletteExchange", TooLargeText)
                          .arg(info.size())
                          .arg(MaxPaletteFileBytes));
    }
    // Opened here rather than by QFile, whose reason for a failure is in
    // English unless Qt's own translations are installed.
    const Fd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return refuse(FileErrorText(errno));
    QFile file;
    if (!file.open(fd.get(), QIODevice::ReadOnly))
        return refuse(file.errorString());
    // One byte more than allowed, so a file that grew since the check is
    // still refused by the parser rather than read in part.
    const QByteArray bytes = file.read(static_cast<qint64>(MaxPaletteFileBytes) + 1);
    const PaletteRead read =
        ParsePalette(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), *format);
    return ApplyPaletteImport(current, read, path);
}

PaletteExport ExportPaletteFile(const QString& path, const CustomColorArray& colors, const QString& name)
{
    const std::optional<PaletteFileFormat> format = PaletteFormatForPath(path);
    if (!format) {
        return PaletteExport{
            false,
            QCoreApplication::translate(
                "PaletteExchange",
                "Cannot export to %1: unknown file type; expected a .gpl, .ase, .css, .txt or .hex file")
                .arg(path)};
    }
    const std::string text = FormatPalette(colors, *format, name.toStdString());
    // A link is followed, as an editor saving the file would; anything but
    // a regular file at the end of it is left alone.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        target = info.canonicalFilePath();
    struct stat st = {};
    unsigned mode = NewFileMode();
    if (::stat(QFile::encodeName(target).constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            return PaletteExport{false,
                                 QCoreApplication::translate("PaletteExchange",
                                                             "Cannot export to %1: it is not a regular file.")
                                     .arg(path)};
        }
        mode = st.st_mode & 07777;
    }
    // Every write and the sync are checked before the new file takes the
    // old one's place: on a full disk the old file stays whole and the
    // export fails.
    const int error = ReplaceFileAtomically(QFile::encodeName(target).toStdString(), text, mode);
    if (error != 0) {
        return PaletteExport{false, QCoreApplication::translate("PaletteExchange", "Cannot export to %1: %2.")
                                        .arg(path, FileErrorText(error))};
    }
    return PaletteExport{true, QCoreApplication::translate("PaletteExchange", "Exported %1 colours to %2.")
                                   .arg(PaletteCellCount)
                                   .arg(path)};
}

PaletteImport ImportPaletteIntoStore(const QString& path, CustomColorsStore& store)
{
    const CustomColorArray current = store.Load();
    PaletteImport result = ImportPaletteFile(path, current);
    if (!result.ok)
        return result;
    const SaveResult saved = store.Save(result.colors);
    if (!saved.ok) {
        PaletteImport failed;
        failed.colors = current;
        failed.message =
            QCoreApplication::translate("PaletteExchange",
                                        "Nothing was imported from %1: the palette could not be saved. %2")
                .arg(path, saved.error);
        return failed;
    }
    result.message += QCoreApplication::translate("PaletteExchange", " Saved to %1.").arg(saved.path);
    return result;
}

QString PaletteFileDialogFilter()
{
    return QCoreApplication::translate("PaletteExchange", "GIMP palette (*.gpl)") + QStringLiteral(";;") +
           QCoreApplication::translate("PaletteExchange", "Adobe Swatch Exchange (*.ase)") +
           QStringLiteral(";;") +
           QCoreApplication::translate("PaletteExchange", "CSS custom properties (*.css)") +
           QStringLiteral(";;") +
           QCoreApplication::translate("PaletteExchange", "List of hex codes (*.txt *.hex)");
}

} // namespace tintora
