// SPDX-License-Identifier: MIT
#include "palettes/palette_exchange.h"

#include "palettes/custom_colors_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <bit>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace tintora {
namespace {

// As GIMP writes a palette: header, name, columns, a "#" line, then
// "%3d %3d %3d\t%s" lines; names may hold spaces.
constexpr std::string_view GimpWritten = "GIMP Palette\n"
                                         "Name: My Web Colours\n"
                                         "Columns: 4\n"
                                         "#\n"
                                         "# made by hand\n"
                                         "255   0   0\tRed\n"
                                         "  0 128   0\tDark Green Leaf\n"
                                         " 12  34  56\tUntitled\n"
                                         "\n"
                                         "1 2 3\n";

TEST(PaletteExchange, ReadsGimpPalettes)
{
    const std::string crlf = [] {
        std::string s;
        for (const char c : GimpWritten) {
            if (c == '\n')
                s += '\r';
            s += c;
        }
        return "\xEF\xBB\xBF" + s;
    }();
    for (const std::string_view text : {GimpWritten, std::string_view(crlf)}) {
        const PaletteRead read = ParsePalette(text, PaletteFileFormat::Gpl);
        ASSERT_EQ(read.error, "");
        EXPECT_EQ(read.name, "My Web Colours");
        EXPECT_EQ(read.colorsInFile, 4);
        const std::vector<Rgb> expected = {{255, 0, 0}, {0, 128, 0}, {12, 34, 56}, {1, 2, 3}};
        EXPECT_EQ(read.colors, expected);
    }
}

// A stylesheet written today: a theme block, CSS Color 4 notations, alpha,
// colours outside sRGB (gamut mapped as a browser maps them), comments.
TEST(PaletteExchange, ReadsCssInEveryNotation)
{
    const std::string css = "/* A theme\n"
                            "   in oklch */\n"
                            "@theme {\n"
                            "  --color-red-500: oklch(63.7% 0.237 25.331);\n"
                            "  --brand: color(display-p3 0 1 0);\n"
                            "  --muted: #33669980; /* half */\n"
                            "  --edge: hwb(120 10% 20%);\n"
                            "}\n";
    const PaletteRead read = ParsePalette(css, PaletteFileFormat::Css);
    ASSERT_EQ(read.error, "");
    const std::vector<Rgb> expected = {{251, 44, 54}, {0, 251, 41}, {51, 102, 153}, {25, 204, 25}};
    EXPECT_EQ(read.colors, expected);
}

TEST(PaletteExchange, RefusesMalformedAndHostileFiles)
{
    std::string manyFields = "GIMP Palette\n1 2 3";
    for (int i = 0; i < 10000; ++i)
        manyFields += " 7";
    const struct {
        PaletteFileFormat format;
        std::string text;
        std::string reason;
    } cases[] = {
        {PaletteFileFormat::Gpl, "JASC-PAL\n0100\n1\n255 0 0\n", "the first line must be \"GIMP Palette\""},
        {PaletteFileFormat::Gpl, "", "the first line must be"},
        {PaletteFileFormat::Gpl, "GIMP Palette\nName: x\n", "no colour lines"},
        {PaletteFileFormat::Gpl, "GIMP Palette\n256 0 0 too red\n",
         "line 2: expected red, green and blue as numbers 0..255"},
        {PaletteFileFormat::Gpl, "GIMP Palette\n1 2\n", "line 2: expected red, green and blue"},
        {PaletteFileFormat::Gpl, "GIMP Palette\n1 2 3x\n", "line 2"},
        {PaletteFileFormat::Gpl, "GIMP Palette\nColumns: many\n1 2 3\n", "line 2: expected \"Columns:\""},
        {PaletteFileFormat::Gpl,
         std::string("GIMP Palette\n1 2 3\n\x7F"
                     "ELF\0\0",
                     26),
         "line 3: binary data"},
        {PaletteFileFormat::Gpl, manyFields, "line 2: longer than 1024 bytes"},
        {PaletteFileFormat::Gpl, "GIMP Palette\n" + std::string(MaxPaletteFileBytes, '#'),
         "palettes of more than"},
        {PaletteFileFormat::HexList, "#FF0000\n#GGGGGG\n", "line 2: 'G' is not a hexadecimal digit"},
        {PaletteFileFormat::HexList, "\n\n", "holds no colour"},
        {PaletteFileFormat::Css, ":root {\n  color: red;\n}\n", "line 2: expected a custom property"},
        {PaletteFileFormat::Css, ":root {\n  --a: rgb(30%, 0, 0);\n}\n", "line 2: the comma syntax of rgb()"},
    };
    for (const auto& c : cases) {
        const PaletteRead read = ParsePalette(c.text, c.format);
        EXPECT_NE(read.error.find(c.reason), std::string::npos)
            << c.text.substr(0, 40) << " gave: " << read.error;
        EXPECT_TRUE(read.colors.empty());

        // A refused file changes no cell.
        CustomColorArray current{};
        current[0] = 77;
        current[5] = 0x123456;
        const PaletteImport applied = ApplyPaletteImport(current, read, QStringLiteral("x.gpl"));
        EXPECT_FALSE(applied.ok);
        EXPECT_EQ(applied.colors, current);
        EXPECT_TRUE(applied.message.startsWith(QStringLiteral("Nothing was imported from x.gpl: ")));
    }
}

TEST(PaletteExchange, ImportSaysWhereColoursWentAndCutsPast224)
{
    CustomColorArray current{};
    current[0] = -42;
    current.back() = 0xABCDEF;

    const PaletteImport three =
        ApplyPaletteImport(current, ParsePalette(GimpWritten, PaletteFileFormat::Gpl), "p.gpl");
    ASSERT_TRUE(three.ok);
    EXPECT_EQ(three.colors[1], 0x0000FF);
    EXPECT_EQ(three.colors[2], 0x008000);
    EXPECT_EQ(three.colors[4], 0x030201);
    EXPECT_EQ(three.colors[5], 0);
    EXPECT_EQ(three.colors[0], -42);
    EXPECT_EQ(three.colors[224], 0xABCDEF);
    EXPECT_EQ(three.message,
              QStringLiteral("Read 4 colours from p.gpl into cells 1 to 4 (16 per row, left to right). "
                             "Cells 5 to 224 keep their colours."));

    std::string many;
    for (int i = 0; i < 300; ++i)
        many += "#0000" + std::string(i < 224 ? "01" : "02") + "\n";
    const PaletteImport cut =
        ApplyPaletteImport(current, ParsePalette(many, PaletteFileFormat::HexList), "p.txt");
    ASSERT_TRUE(cut.ok);
    EXPECT_EQ(cut.lastCell, 224);
    EXPECT_EQ(cut.colors[224], 0x010000);
    EXPECT_EQ(cut.colors[0], -42);
    EXPECT_TRUE(cut.message.endsWith(
        QStringLiteral("The file holds 300 colours; only the first 224 fit, the other 76 were left out.")))
        << cut.message.toStdString();
}

TEST(PaletteExchange, ExportedFilesReadBack)
{
    CustomColorArray colors{};
    colors[0] = 999;        // no cell: never exported
    colors[1] = 0x0000FF;   // red, a CSS name
    colors[2] = 0x336699;   // #996633, no name
    colors[224] = 0xFFFFFF; // white
    const std::string gpl = FormatPalette(colors, PaletteFileFormat::Gpl, "Mine");
    EXPECT_EQ(gpl.substr(0, 58), "GIMP Palette\nName: Mine\nColumns: 16\n#\n255   0   0\tred\n153 ");
    EXPECT_NE(gpl.find("\n153 102  51\t#996633\n"), std::string::npos);
    EXPECT_NE(FormatPalette(colors, PaletteFileFormat::Css, "Mine")
                  .find("  --custom-color-1: #FF0000; /* red */\n"),
              std::string::npos);
    EXPECT_EQ(FormatPalette(colors, PaletteFileFormat::HexList, "Mine").substr(0, 16), "#FF0000\n#996633\n");

    for (const PaletteFileFormat f : {PaletteFileFormat::Gpl, PaletteFileFormat::Css,
                                      PaletteFileFormat::HexList, PaletteFileFormat::Ase}) {
        const PaletteRead read = ParsePalette(FormatPalette(colors, f, "Mine"), f);
        ASSERT_EQ(read.error, "");
        const PaletteImport back = ApplyPaletteImport(CustomColorArray{}, read, "f");
        CustomColorArray expected = colors;
        expected[0] = 0;
        EXPECT_EQ(back.colors, expected);
    }
}

// Big-endian pieces of an .ase file.
std::string Be(std::uint32_t v, int bytes)
{
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>(v >> (8 * i) & 0xFF);
    return out;
}
std::string AseName(const std::string& ascii)
{
    std::string out = Be(static_cast<std::uint32_t>(ascii.size() + 1), 2);
    for (const char ch : ascii)
        out += Be(static_cast<unsigned char>(ch), 2);
    return out + Be(0, 2);
}
std::string AseBlock(std::uint32_t type, const std::string& body)
{
    return Be(type, 2) + Be(static_cast<std::uint32_t>(body.size()), 4) + body;
}
std::string AseColor(const std::string& model, std::initializer_list<float> values)
{
    std::string body = AseName("x") + model;
    for (const float v : values)
        body += Be(std::bit_cast<std::uint32_t>(v), 4);
    return AseBlock(1, body + Be(2, 2));
}
std::string Ase(const std::string& blocks, int count, std::uint32_t major = 1)
{
    return "ASEF" + Be(major, 2) + Be(0, 2) + Be(static_cast<std::uint32_t>(count), 4) + blocks;
}

TEST(PaletteExchange, ReadsAdobeSwatchExchangeAndRefusesBrokenFiles)
{
    // Lab is D50 with L stored as 0..1; the expected colours are colorjs.io's
    // for lab(70 -20 40) and lab(50 20 -30).
    const std::string grouped =
        Ase(AseBlock(0xC001, AseName("Brand")) + AseColor("RGB ", {0.4f, 0.8f, 1.0f}) +
                AseColor("Gray", {0.2f}) + AseBlock(0xC002, "") + AseColor("LAB ", {0.7f, -20, 40}) +
                AseColor("LAB ", {0.5f, 20, -30}) + AseColor("CMYK", {0, 1, 1, 0}),
            7);
    const PaletteRead read = ParsePalette(grouped, PaletteFileFormat::Ase);
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.name, "Brand");
    EXPECT_EQ(read.colors, (std::vector<Rgb>{
                               {102, 204, 255}, {51, 51, 51}, {153, 181, 95}, {133, 108, 170}, {255, 0, 0}}));
    EXPECT_NE(read.note.find("CMYK"), std::string::npos);
    EXPECT_TRUE(
        ApplyPaletteImport(CustomColorArray{}, read, "s.ase").message.contains(QStringLiteral("CMYK")));

    const std::string rgb = AseColor("RGB ", {1, 0, 0});
    const struct {
        std::string bytes;
        const char* errorPart;
    } refused[] = {
        {"ASEF", "expected it to start with \"ASEF\""},
        {"GIMP Palette\n0 0 0\n", "expected it to start with \"ASEF\""},
        {Ase(rgb, 1, 2), "version 2.0"},
        {Ase(rgb, 2), "ends inside block 2 of 2"},
        {Ase(rgb.substr(0, rgb.size() - 3), 1), "truncated"},
        {Ase(AseColor("HSV ", {1, 0, 0}), 1), "unknown colour model"},
        {Ase(AseColor("RGB ", {1, std::numeric_limits<float>::quiet_NaN(), 0}), 1), "not a finite number"},
        {Ase(AseColor("CMYK", {1, 0, 0}), 1), "past the end of its block"},
        {Ase(AseBlock(1, Be(40000, 2) + "ab"), 1), "name runs past"},
        {Ase(AseBlock(0x0002, ""), 1), "unknown block type 0x0002"},
        {Ase(AseBlock(0xC001, AseName("empty")), 1), "holds no colour"},
    };
    for (const auto& c : refused) {
        const PaletteRead bad = ParsePalette(c.bytes, PaletteFileFormat::Ase);
        EXPECT_TRUE(bad.colors.empty()) << c.errorPart;
        EXPECT_NE(bad.error.find(c.errorPart), std::string::npos) << bad.error;
    }
}

TEST(PaletteExchange, FilesAreWrittenAtomicallyAndRefusedUnread)
{
    QTemporaryDir dir;
    CustomColorArray colors{};
    colors[1] = 0x0000FF;
    const QString gpl = dir.filePath(QStringLiteral("out.GPL"));
    const PaletteExport ok = ExportPaletteFile(gpl, colors, QStringLiteral("Mine"));
    ASSERT_TRUE(ok.ok) << ok.message.toStdString();
    const PaletteImport back = ImportPaletteFile(gpl, CustomColorArray{});
    ASSERT_TRUE(back.ok) << back.message.toStdString();
    EXPECT_EQ(back.colors[1], 0x0000FF);

    EXPECT_FALSE(ExportPaletteFile(dir.filePath(QStringLiteral("out.png")), colors, "x").ok);
    EXPECT_FALSE(ImportPaletteFile(dir.filePath(QStringLiteral("missing.gpl")), colors).ok);
    EXPECT_FALSE(ImportPaletteFile(dir.path() + QStringLiteral("/sub.gpl"), colors).ok);

    // A folder named like a palette, and a pipe, are not read.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.gpl")));
    EXPECT_TRUE(ImportPaletteFile(dir.filePath(QStringLiteral("folder.gpl")), colors)
                    .message.endsWith(QStringLiteral("not a regular file")));
    const QString fifo = dir.filePath(QStringLiteral("pipe.gpl"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(ImportPaletteFile(fifo, colors).ok);

    // Exports that cannot be written fail with a reason, even for root.
    const PaletteExport intoFile = ExportPaletteFile(gpl + QStringLiteral("/x.gpl"), colors, "x");
    EXPECT_FALSE(intoFile.ok);
    EXPECT_TRUE(intoFile.message.startsWith(QStringLiteral("Cannot export to ")))
        << intoFile.message.toStdString();
    EXPECT_FALSE(ExportPaletteFile(dir.filePath(QStringLiteral("folder.gpl")), colors, "x").ok);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.gpl"))).isDir());
}

TEST(PaletteExchange, ImportIntoTheStoreSavesOrChangesNothing)
{
    QTemporaryDir dir;
    const QString gpl = dir.filePath(QStringLiteral("two.gpl"));
    {
        QFile f(gpl);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("GIMP Palette\n255 0 0 Red\n0 0 255 Blue\n");
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("bin")));
    CustomColorsStore store(dir.filePath(QStringLiteral("bin")), QString());
    const PaletteImport ok = ImportPaletteIntoStore(gpl, store);
    ASSERT_TRUE(ok.ok) << ok.message.toStdString();
    EXPECT_TRUE(ok.message.endsWith(QStringLiteral(" Saved to %1.").arg(store.ProgramFilePath())));
    EXPECT_EQ(store.Load()[2], 0xFF0000);

    // Nowhere to save: the import fails and says so.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    CustomColorsStore nowhere(dir.filePath(QStringLiteral("file/bin")), QString());
    const PaletteImport failed = ImportPaletteIntoStore(gpl, nowhere);
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(failed.message.contains(QStringLiteral("could not be saved")))
        << failed.message.toStdString();
    EXPECT_EQ(failed.colors, CustomColorArray{});
}

} // namespace
} // namespace tintora
