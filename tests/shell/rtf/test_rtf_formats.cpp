// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_field_instruction.h"
#include "shell/rtf/rtf_reader.h"
#include "text_document_formats.h"

#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tintora {
namespace {

using test::FormatOf;

std::optional<QTextBlockFormat> BlockFormatOf(const QTextDocument& doc, const QString& text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text().contains(text))
            return b.blockFormat();
    return std::nullopt;
}

void Load(QTextDocument& doc, const QByteArray& rtf)
{
    const RtfResult result = ReadRtf(rtf, doc);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
}

TEST(RtfFormats, CharacterRunsCarryTheirFormat)
{
    QTextDocument doc;
    Load(
        doc,
        R"({\rtf1{\fonttbl{\f0\fswiss{\*\panose 020b0604020202020204}Arial{\*\falt Helvetica};}{\f1\fmodern Courier New;}}{\colortbl;\red255\green0\blue0;)"
        R"(\red0\green0\blue255;}\deff0\fs24 plain {\b bold} {\i italic} {\b\i both} {\ul under\ulnone)"
        R"( not} {\strike gone} {\f1\fs20 code} {\cf1 red} {\cf2\highlight1 blue} {\cf1\cf0 auto})"
        R"( {\b\plain reset} {\super up} \b switchedon\b0 switchedoff})");
    struct Case {
        const char* text;
        bool bold;
        bool italic;
        bool underline;
        bool strike;
    };
    const std::vector<Case> cases = {
        {"plain", false, false, false, false},     {"bold", true, false, false, false},
        {"italic", false, true, false, false},     {"both", true, true, false, false},
        {"under", false, false, true, false},      {"not", false, false, false, false},
        {"gone", false, false, false, true},       {"reset", false, false, false, false},
        {"switchedon", true, false, false, false}, {"switchedoff", false, false, false, false},
    };
    for (const Case& c : cases) {
        const auto f = FormatOf(doc, c.text);
        ASSERT_TRUE(f.has_value()) << c.text;
        EXPECT_EQ(f->fontWeight() == QFont::Bold, c.bold) << c.text;
        EXPECT_EQ(f->fontItalic(), c.italic) << c.text;
        EXPECT_EQ(f->fontUnderline(), c.underline) << c.text;
        EXPECT_EQ(f->fontStrikeOut(), c.strike) << c.text;
    }

    EXPECT_EQ(FormatOf(doc, "plain")->fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_DOUBLE_EQ(FormatOf(doc, "plain")->fontPointSize(), 12.0);
    const auto code = FormatOf(doc, "code");
    EXPECT_EQ(code->fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_TRUE(code->fontFixedPitch());
    EXPECT_DOUBLE_EQ(code->fontPointSize(), 10.0);

    EXPECT_EQ(FormatOf(doc, "red")->foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(doc, "blue")->foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(FormatOf(doc, "blue")->background().color(), QColor(255, 0, 0));
    EXPECT_FALSE(FormatOf(doc, "auto")->hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatOf(doc, "up")->verticalAlignment(), QTextCharFormat::AlignSuperScript);
}

// A GUI application on the offscreen platform, for the tests that need the
// font database or painting (the others run without one).
class OffscreenGuiApp
{
    static int Offscreen()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return 1;
    }

    int argc_ = Offscreen(); // before the application below reads it
    char name_[16] = "test_rtf_reader";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication app_{argc_, argv_};
};

TEST(RtfFormats, AMissingFontIsNamedByItsFirstInstalledSubstitute)
{
    const OffscreenGuiApp app;
    const QStringList installed = QFontDatabase::families();
    ASSERT_FALSE(installed.isEmpty());
    const QString present = installed.first();
    QFont::insertSubstitutions(QStringLiteral("Tintora Missing Face"),
                               {QStringLiteral("Tintora Absent Too"), present});
    QFont::insertSubstitution(present, QStringLiteral("Tintora Missing Face"));
    QTextDocument doc;
    Load(doc,
         QStringLiteral(R"({\rtf1{\fonttbl{\f0 Tintora Missing Face;}{\f1 %1;}{\f2 Tintora Unknown Face;}})"
                        R"({\f0 one} {\f1 two} {\f2 three}})")
             .arg(present)
             .toUtf8());
    EXPECT_EQ(FormatOf(doc, "one")->fontFamilies().toStringList(), QStringList{present});
    // Installed, or without substitutes: left to Qt as written.
    EXPECT_EQ(FormatOf(doc, "two")->fontFamilies().toStringList(), QStringList{present});
    EXPECT_EQ(FormatOf(doc, "three")->fontFamilies().toStringList(), QStringList{"Tintora Unknown Face"});
    QFont::removeSubstitutions(QStringLiteral("Tintora Missing Face"));
    QFont::removeSubstitutions(present);
}

TEST(RtfFormats, HyperlinkFieldsBecomeAnchors)
{
    QTextDocument doc;
    Load(
        doc,
        R"({\rtf1{\colortbl;\red0\green0\blue255;}see {\field{\*\fldinst{HYPERLINK "https://example.org/a"}})"
        R"({\fldrslt{\ul\cf1 the site}}} and {\field{\fldinst HYPERLINK \\l "colours"}{\fldrslt there}} and)"
        R"( {\field{\*\fldinst PAGE}{\fldrslt 7}} done})");
    EXPECT_EQ(doc.toPlainText(), "see the site and there and 7 done");
    const auto site = FormatOf(doc, "the site");
    ASSERT_TRUE(site.has_value());
    EXPECT_TRUE(site->isAnchor());
    EXPECT_EQ(site->anchorHref(), "https://example.org/a");
    EXPECT_TRUE(site->fontUnderline());
    EXPECT_EQ(FormatOf(doc, "there")->anchorHref(), "#colours");
    for (const char* plain : {"see", " and ", "7", " done"})
        EXPECT_FALSE(FormatOf(doc, plain)->isAnchor()) << plain;
}

TEST(RtfFormats, HyperlinkTargetReadsFieldInstructions)
{
    struct Case {
        const char* instruction;
        const char* href;
    };
    const std::vector<Case> cases = {
        {R"( HYPERLINK "https://example.org/x" )", "https://example.org/x"},
        {R"(hyperlink "https://example.org/x")", "https://example.org/x"},
        {R"(HYPERLINK https://example.org/bare)", "https://example.org/bare"},
        {R"(HYPERLINK \l "colours")", "#colours"},
        {R"(HYPERLINK "page.html" \l "part")", "page.html#part"},
        {R"(HYPERLINK "https://example.org" \o "a tip" \t "_blank")", "https://example.org"},
        {R"(HYPERLINK "C:\\docs\\a \"b\".htm")", R"(C:\docs\a "b".htm)"},
        {R"(HYPERLINK "unterminated)", "unterminated"},
        {"HYPERLINK", ""},
        {R"(PAGE \* MERGEFORMAT)", ""},
        {R"("HYPERLINK" "x")", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HyperlinkTarget(QString::fromUtf8(c.instruction)), QString::fromUtf8(c.href))
            << c.instruction;
    }
}

TEST(RtfFormats, ParagraphFormats)
{
    QTextDocument doc;
    Load(
        doc,
        R"({\rtf1\pard\qc centred\par\pard\qr right\par\qj justified\par\pard\li720\ri360\fi-360\sb240\sa120)"
        R"(\tx1440 hanging\par\pard left})");
    struct Case {
        const char* text;
        Qt::Alignment alignment;
    };
    for (const Case& c : std::vector<Case>{{"centred", Qt::AlignHCenter},
                                           {"right", Qt::AlignRight},
                                           {"justified", Qt::AlignJustify},
                                           {"hanging", Qt::AlignLeft},
                                           {"left", Qt::AlignLeft}}) {
        const auto f = BlockFormatOf(doc, c.text);
        ASSERT_TRUE(f.has_value()) << c.text;
        EXPECT_EQ(f->alignment(), c.alignment) << c.text;
    }
    const auto hanging = BlockFormatOf(doc, "hanging");
    EXPECT_DOUBLE_EQ(hanging->leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(hanging->rightMargin(), 24.0);
    EXPECT_DOUBLE_EQ(hanging->textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(hanging->topMargin(), 16.0);
    EXPECT_DOUBLE_EQ(hanging->bottomMargin(), 8.0);
    // The first line starts at 48 - 24 = 24 px: the hanging indent's own stop
    // lies 24 px further, the 1440-twip (96 px) stop 72 px further.
    ASSERT_EQ(hanging->tabPositions().size(), 2);
    EXPECT_DOUBLE_EQ(hanging->tabPositions()[0].position, 24.0);
    EXPECT_DOUBLE_EQ(hanging->tabPositions()[1].position, 72.0);
    EXPECT_DOUBLE_EQ(BlockFormatOf(doc, "left")->leftMargin(), 0.0);
}

QTextTable* OnlyTable(const QTextDocument& doc)
{
    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    return frames.size() == 1 ? qobject_cast<QTextTable*>(frames[0]) : nullptr;
}

QString CellText(QTextTable* table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor c = cell.firstCursorPosition();
    c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c.selectedText();
}

TEST(RtfFormats, TablesBecomeTextTables)
{
    QTextDocument doc;
    Load(doc, R"({\rtf1 before\par\trowd\cellx1000\cellx2000\pard\intbl {\b A}\cell B\cell\row)"
              R"(\trowd\cellx1000\cellx2000\pard\intbl C\cell\cell\row\pard after\par})");
    QTextTable* table = OnlyTable(doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(CellText(table, 0, 0), "A");
    EXPECT_EQ(CellText(table, 0, 1), "B");
    EXPECT_EQ(CellText(table, 1, 0), "C");
    EXPECT_EQ(CellText(table, 1, 1), "");
    EXPECT_EQ(doc.firstBlock().text(), "before");
    EXPECT_EQ(doc.lastBlock().text(), "after");
    EXPECT_EQ(FormatOf(doc, "A")->fontWeight(), QFont::Bold);
}

TEST(RtfFormats, TableRowWithMoreCellsThanDeclaredGrows)
{
    QTextDocument doc;
    Load(doc, R"({\rtf1\trowd\cellx1000\pard\intbl a\cell b\cell c\cell\row\pard end})");
    QTextTable* table = OnlyTable(doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 1);
    ASSERT_EQ(table->columns(), 3);
    EXPECT_EQ(CellText(table, 0, 2), "c");
}

TEST(RtfFormats, LongTablesAreSplitAndManyTablesBecomeText)
{
    // One table of 300 rows: continued in a second table after 256 rows,
    // every row kept.
    QByteArray rtf = "{\\rtf1\\trowd\\cellx1000\\cellx2000 ";
    for (int i = 0; i < 300; ++i)
        rtf += "\\intbl r" + QByteArray::number(i) + "\\cell x\\cell\\row ";
    rtf += "\\pard end}";
    QTextDocument doc;
    Load(doc, rtf);
    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    ASSERT_EQ(frames.size(), 2);
    auto* first = qobject_cast<QTextTable*>(frames[0]);
    auto* second = qobject_cast<QTextTable*>(frames[1]);
    ASSERT_TRUE(first != nullptr && second != nullptr);
    EXPECT_EQ(first->rows(), 256);
    EXPECT_EQ(second->rows(), 44);
    EXPECT_EQ(CellText(second, 43, 0), "r299");
    EXPECT_EQ(doc.lastBlock().text(), "end");

    // 300 separate tables: the first 256 are tables, the rest lines of text.
    rtf = "{\\rtf1 ";
    for (int i = 0; i < 300; ++i) {
        rtf += "\\trowd\\cellx1000\\cellx2000\\pard\\intbl a" + QByteArray::number(i) +
               "\\cell b\\cell\\row\\pard p\\par ";
    }
    rtf += "}";
    Load(doc, rtf);
    EXPECT_EQ(doc.rootFrame()->childFrames().size(), 256);
    EXPECT_TRUE(doc.toPlainText().contains("p\na299\tb\np")) << doc.toPlainText().right(40).toStdString();
}

TEST(RtfFormats, ColourZeroIsAutomaticEvenWhenTheTableSpellsItOut)
{
    // AbiWord writes entry 0 as an explicit black.
    QTextDocument doc;
    Load(doc,
         R"({\rtf1{\colortbl\red0\green0\blue0;\red255\green0\blue0;}{\cf0\cb0\highlight0\chcbpat0 auto})"
         R"( {\cf1\chcbpat1 red}})");
    const auto automatic = FormatOf(doc, "auto");
    EXPECT_FALSE(automatic->hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(automatic->hasProperty(QTextFormat::BackgroundBrush));
    EXPECT_EQ(FormatOf(doc, "red")->foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(doc, "red")->background().color(), QColor(255, 0, 0));
}

TEST(RtfFormats, RaisedAndLoweredTextShowsAsSuperAndSubscript)
{
    QTextDocument doc;
    Load(doc, R"({\rtf1 x{\up6 two} y{\dn4 low} {\up0 flat} {\dn-4 neg} {\super s\nosupersub after}})");
    struct Case {
        const char* text;
        QTextCharFormat::VerticalAlignment alignment;
    };
    for (const Case& c : std::vector<Case>{{"two", QTextCharFormat::AlignSuperScript},
                                           {"low", QTextCharFormat::AlignSubScript},
                                           {"flat", QTextCharFormat::AlignNormal},
                                           {"neg", QTextCharFormat::AlignSuperScript},
                                           {"after", QTextCharFormat::AlignNormal}}) {
        EXPECT_EQ(FormatOf(doc, c.text)->verticalAlignment(), c.alignment) << c.text;
    }
}

TEST(RtfFormats, LinkTextBehindAStarredResultIsShown)
{
    QTextDocument doc;
    Load(doc, R"({\rtf1 go {\field{\*\fldinst HYPERLINK "https://example.org/"}{\*\fldrslt here}} now})");
    EXPECT_EQ(doc.toPlainText(), "go here now");
    EXPECT_EQ(FormatOf(doc, "here")->anchorHref(), "https://example.org/");
}

TEST(RtfFormats, FootnotesKeepTheirMarkAndAreGatheredAtTheEnd)
{
    QTextDocument doc;
    Load(doc, R"({\rtf1 Alpha{\super\chftn}{\*\footnote\pard\plain{\super\chftn} First note.\par more} beta)"
              R"({\super\chftn}{\footnote {\super\chftn} Second note.} gamma*{\footnote * Own mark.}\par})");
    const QStringList paragraphs = doc.toPlainText().split(u'\n');
    ASSERT_EQ(paragraphs.size(), 5) << paragraphs.join(u'|').toStdString();
    EXPECT_EQ(paragraphs[0], "Alpha1 beta2 gamma*");
    EXPECT_EQ(paragraphs[1], "");
    EXPECT_EQ(paragraphs[2], "1. First note. more");
    EXPECT_EQ(paragraphs[3], "2. Second note.");
    EXPECT_EQ(paragraphs[4], "* Own mark.");
    const auto mark = FormatOf(doc, "1");
    ASSERT_TRUE(mark.has_value());
    EXPECT_EQ(mark->verticalAlignment(), QTextCharFormat::AlignSuperScript);
}

QByteArray PngHex(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toHex();
}

struct Picture {
    QSizeF shown;
    QImage image;
};

std::vector<Picture> Pictures(const QTextDocument& doc)
{
    std::vector<Picture> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                const QTextImageFormat image = f.toImageFormat();
                out.push_back(
                    {QSizeF(image.width(), image.height()),
                     doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>()});
            }
        }
    }
    return out;
}

TEST(RtfFormats, PngAndJpegPicturesAreShownOthersSkipped)
{
    const QByteArray red = PngHex(QSize(40, 20), Qt::red);
    const QByteArray wide = PngHex(QSize(1600, 400), Qt::blue);
    QImage jpeg(30, 30, QImage::Format_RGB32);
    jpeg.fill(Qt::green);
    QByteArray jpegBytes;
    QBuffer jpegBuffer(&jpegBytes);
    jpegBuffer.open(QIODevice::WriteOnly);
    jpeg.save(&jpegBuffer, "JPEG");

    QTextDocument doc;
    Load(doc,
         "{\\rtf1 a{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn abcdef}{\\sv 1}}}\\pngblip\\picw40\\pich20 " +
             red + "}}{\\nonshppict{\\pict\\wmetafile8 " + red +
             "}}b{\\pict\\pngblip\\picwgoal1200\\pichgoal600\\picscalex50\\picscaley50 " + red +
             "}c{\\pict\\jpegblip " + jpegBytes.toHex() + "}d{\\pict\\pngblip " + wide +
             "}e{\\pict\\emfblip " + red + "}f{\\pict\\pngblip 0123456789}g{\\pict\\pngblip\\bin" +
             QByteArray::number(QByteArray::fromHex(red).size()) + " " + QByteArray::fromHex(red) + "}h}");
    EXPECT_EQ(doc.toPlainText().remove(QChar::ObjectReplacementCharacter), "abcdefgh");
    const std::vector<Picture> pictures = Pictures(doc);
    ASSERT_EQ(pictures.size(), 5u);
    // Natural size; then the asked size of 1200 x 600 twips at half scale.
    EXPECT_EQ(pictures[0].shown, QSizeF(40, 20));
    EXPECT_EQ(pictures[0].image.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(pictures[1].shown, QSizeF(40, 20));
    EXPECT_EQ(pictures[2].shown, QSizeF(30, 30));
    EXPECT_NEAR(pictures[2].image.pixelColor(15, 15).green(), 255, 8);
    // Scaled down to the view's width, and kept at that size.
    EXPECT_EQ(pictures[3].shown, QSizeF(RtfPictureWidth, RtfPictureWidth / 4));
    EXPECT_EQ(pictures[3].image.width(), RtfPictureWidth);
    EXPECT_EQ(pictures[4].shown, QSizeF(40, 20));
}

TEST(RtfFormats, SymbolGlyphsInThePrivateRangeShowWhateverTheFont)
{
    QTextDocument doc;
    Load(doc,
         R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Wingdings;}}\f0\u61623?\tab item {\f1\u61607?} x})");
    EXPECT_EQ(doc.toPlainText(), u"•\titem ▪ x"_qs);
}

TEST(RtfFormats, TableCellsKeepTheirWidthsMergesAndOnlyTheirOwnBorders)
{
    // As LibreOffice writes a table whose header spans two columns and whose
    // first column has a cell two rows tall.
    QTextDocument doc;
    Load(
        doc,
        R"({\rtf1{\colortbl;\red242\green242\blue242;})"
        R"(\trowd\clcbpat1\clbrdrb\brdrs\brdrw30 \cellx1500\cellx3000\pard\intbl Wide\cell C\cell\row)"
        R"(\trowd\cellx750\cellx1500\cellx3000\pard\intbl a1\cell b1\cell c1\cell\row)"
        R"(\trowd\clvmgf\cellx750\cellx1500\cellx3000\pard\intbl tall\cell b2\cell c2\cell\row)"
        R"(\trowd\clvmrg\cellx750\cellx1500\cellx3000\pard\intbl\cell b3\cell c3\cell\row)"
        R"(\trowd\cellx750\clmgf\cellx1500\clmrg\cellx3000\pard\intbl a5\cell joined\cell\cell\row\pard after})");
    QTextTable* table = OnlyTable(doc);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columns(), 3);
    ASSERT_EQ(table->rows(), 5);
    struct Cell {
        int row, column;
        const char* text;
        int rowSpan, columnSpan;
    };
    for (const Cell& c : std::vector<Cell>{{0, 0, "Wide", 1, 2},
                                           {0, 2, "C", 1, 1},
                                           {1, 0, "a1", 1, 1},
                                           {1, 1, "b1", 1, 1},
                                           {2, 0, "tall", 2, 1},
                                           {3, 1, "b3", 1, 1},
                                           {4, 1, "joined", 1, 2}}) {
        const QTextTableCell cell = table->cellAt(c.row, c.column);
        EXPECT_EQ(CellText(table, c.row, c.column), c.text) << c.row << "," << c.column;
        EXPECT_EQ(cell.rowSpan(), c.rowSpan) << c.text;
        EXPECT_EQ(cell.columnSpan(), c.columnSpan) << c.text;
    }
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 3);
    const double pixels[] = {50, 50, 100}; // 750, 750 and 1500 twips
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(widths[i].type(), QTextLength::FixedLength);
        EXPECT_DOUBLE_EQ(widths[i].rawValue(), pixels[i]) << i;
    }
    // No border where the file draws none; the header cell's own border.
    EXPECT_EQ(table->format().border(), 0);
    const QTextTableCellFormat header = table->cellAt(0, 0).format().toTableCellFormat();
    EXPECT_DOUBLE_EQ(header.bottomBorder(), 2.0);
    EXPECT_DOUBLE_EQ(header.topBorder(), 0.0);
    EXPECT_EQ(header.background().color(), QColor(242, 242, 242));
    EXPECT_DOUBLE_EQ(table->cellAt(1, 0).format().toTableCellFormat().bottomBorder(), 0.0);
}

TEST(RtfFormats, ListsAreNumberedFromTheirDescriptionWhenTheNumberIsNotWrittenOut)
{
    // AbiWord leaves \listtext empty and describes the number with \pn.
    const QByteArray numbered = R"({\pard\li720{\*\pn\pnlvlbody\pndec\pnstart1{\pntxtb }{\pntxta .}}\ls1 )";
    QTextDocument doc;
    Load(doc, "{\\rtf1 {\\listtext\\pard\\tab}" + numbered + "one\\par}{\\listtext\\tab}" + numbered +
                  "two\\par}" +
                  R"({\pard{\*\pn\pnlvlbody\pnlcrm\pnstart3{\pntxtb (}{\pntxta )}}\ls2 roman\par})" +
                  R"({\pard{\*\pn\pnlvlblt{\pntxtb\'B7}}\ls3 dot\par})" +
                  R"({\listtext 9.\tab}{\pard{\*\pn\pnlvlbody\pndec}\ls1 written\par}})");
    EXPECT_EQ(doc.toPlainText(), u"1.\tone\n2.\ttwo\n(iii)\troman\n•\tdot\n9.\twritten"_qs);
}

TEST(RtfFormats, ListsAreNumberedFromTheListTableWhenNothingElseSaysHow)
{
    QTextDocument doc;
    Load(
        doc,
        R"({\rtf1{\*\listtable{\list\listtemplateid5{\listlevel\levelnfc4\levelstartat2{\leveltext\'03(\'00);})"
        R"({\levelnumbers\'02;}}{\listlevel\levelnfc23{\leveltext\'01\u-3913 ?;}}\listid77}})"
        R"({\*\listoverridetable{\listoverride\listid77\listoverridecount0\ls3}})"
        R"({\listtext\tab}\pard\ls3 first\par{\listtext\tab}\pard\ls3\ilvl1 inner\par\pard\ls3 second\par)"
        R"(\pard\ls9 unknown list\par})");
    EXPECT_EQ(doc.toPlainText(), u"(b)\tfirst\n•\tinner\n(c)\tsecond\nunknown list"_qs);
}

// Border colours as writers give them: AbiWord spells colour 0 out and
// numbers its white 1; LibreOffice's table starts with the automatic entry.
TEST(RtfFormats, TableBordersTakeTheirColourAndTheAutomaticOneIsBlack)
{
    const QByteArray abiword = R"({\colortbl\red0\green0\blue0;\red255\green255\blue255;})";
    const QByteArray libreoffice = R"({\colortbl;\red0\green0\blue0;\red128\green128\blue128;})";
    struct Case {
        const char* writer;
        QByteArray colors;
        QByteArray border;    // the words after \clbrdrt and \trbrdrt
        const char* expected; // QColor::name()
    };
    const std::vector<Case> cases = {
        {"AbiWord white", abiword, R"(\brdrs\brdrw10\brdrcf1 )", "#ffffff"},
        {"LibreOffice grey", libreoffice, R"(\brdrs\brdrw1\brdrcf2 )", "#808080"},
        {"no colour", libreoffice, R"(\brdrs\brdrw10 )", "#000000"},
        {"colour 0 spelt out", abiword, R"(\brdrcf0\brdrs\brdrw10 )", "#000000"},
        {"unknown colour", abiword, R"(\brdrs\brdrw10\brdrcf99 )", "#000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.writer);
        QTextDocument doc;
        Load(doc, "{\\rtf1" + c.colors + "\\trowd\\trbrdrt" + c.border + "\\clbrdrt" + c.border +
                      "\\clbrdrb\\brdrs\\cellx1500\\pard\\intbl cell\\cell\\row}");
        QTextTable* table = OnlyTable(doc);
        ASSERT_NE(table, nullptr);
        const QTextTableCellFormat cell = table->cellAt(0, 0).format().toTableCellFormat();
        EXPECT_EQ(cell.topBorderBrush().color().name().toStdString(), c.expected);
        EXPECT_EQ(cell.bottomBorderBrush().color().name().toStdString(), "#000000")
            << "a side without a colour";
        EXPECT_EQ(table->format().borderBrush().color().name().toStdString(), c.expected);
    }
}

QImage Rendered(QTextDocument& doc)
{
    doc.setTextWidth(400);
    QImage image(doc.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    doc.drawContents(&painter);
    return image;
}

// What the table's borders draw: a cell side in the automatic colour is
// black, in a table whose own border is grey as in one whose border is black.
TEST(RtfFormats, CellBordersInTheAutomaticColourDrawBlack)
{
    const OffscreenGuiApp app;
    const QByteArray sides =
        R"(\clbrdrt\brdrs\brdrw10 \clbrdrl\brdrs\brdrw10 \clbrdrb\brdrs\brdrw10 \clbrdrr\brdrs\brdrw10 )";
    for (const QByteArray& tableColour : {QByteArray(" "), QByteArray("\\brdrcf1 ")}) {
        SCOPED_TRACE(tableColour.toStdString());
        QTextDocument doc;
        Load(doc, "{\\rtf1{\\colortbl;\\red128\\green128\\blue128;}\\trowd\\trbrdrt\\brdrs\\brdrw10" +
                      tableColour + sides + "\\cellx1500" + sides +
                      "\\cellx3000\\pard\\intbl\\cell\\cell\\row\\pard\\par}");
        const QImage image = Rendered(doc);
        int black = 0;
        int other = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                black += pixel == qRgb(0, 0, 0) ? 1 : 0;
                other += pixel != qRgb(0, 0, 0) && pixel != qRgb(255, 255, 255) ? 1 : 0;
            }
        // Two cells of 100 x about 20 pixels with their outlines.
        EXPECT_GT(black, 400);
        EXPECT_EQ(other, 0);
    }
}

// Tables whose cells all draw one-pixel lines in the table's own colour
// leave them to Qt's grid: the table looks as it would with the lines on
// every cell. One cell that differs gives all cells their lines again.
TEST(RtfFormats, CellLinesThatTheGridDrawsAreLeftToIt)
{
    const OffscreenGuiApp app;
    const auto row = [](const QByteArray& sides, const QByteArray& text) {
        return R"(\trowd\trbrdrt\brdrs\brdrw10\brdrcf1 \trbrdrl\brdrs\brdrw10\brdrcf1 )" + sides +
               R"(\clcbpat2\cellx1500)" + sides + R"(\cellx3000\pard\intbl )" + text + R"(\cell b\cell\row)";
    };
    const QByteArray grey = R"(\brdrs\brdrw10\brdrcf1 )";
    const QByteArray greySides =
        "\\clbrdrt" + grey + "\\clbrdrl" + grey + "\\clbrdrb" + grey + "\\clbrdrr" + grey;
    const QByteArray colours = R"({\rtf1{\colortbl;\red128\green128\blue128;\red255\green255\blue0;})";
    QTextDocument grid;
    Load(grid, colours + row(greySides, "a") + row(greySides, "long enough to wrap a line") + "\\pard\\par}");
    QTextTable* table = OnlyTable(grid);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows(), 2);
    EXPECT_FALSE(table->cellAt(1, 1).format().hasProperty(QTextFormat::TableCellTopBorderStyle));
    EXPECT_EQ(table->cellAt(0, 0).format().background().color(), QColor(255, 255, 0));
    const QImage shown = Rendered(grid);
    // The same lines on every cell, as a table with one cell that differs
    // has them.
    for (int r = 0; r < table->rows(); ++r)
        for (int c = 0; c < table->columns(); ++c) {
            QTextTableCell cell = table->cellAt(r, c);
            QTextTableCellFormat format = cell.format().toTableCellFormat();
            format.setBorder(1);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderBrush(QColor(128, 128, 128));
            cell.setFormat(format);
        }
    EXPECT_EQ(Rendered(grid), shown);

    const QByteArray wide =
        "\\clbrdrt" + grey + "\\clbrdrl" + grey + R"(\clbrdrb\brdrs\brdrw30 \clbrdrr)" + grey;
    QTextDocument mixed;
    Load(mixed, colours + row(greySides, "a") + row(wide, "c") + "}");
    table = OnlyTable(mixed);
    ASSERT_NE(table, nullptr);
    for (int r = 0; r < table->rows(); ++r)
        for (int c = 0; c < table->columns(); ++c) {
            SCOPED_TRACE(r * 10 + c);
            const QTextTableCellFormat format = table->cellAt(r, c).format().toTableCellFormat();
            EXPECT_EQ(format.topBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
            EXPECT_EQ(format.leftBorderBrush().color(), QColor(128, 128, 128));
            EXPECT_DOUBLE_EQ(format.bottomBorder(), r == 1 ? 2.0 : 1.0);
        }
}

TEST(RtfFormats, CapitalsShadingAndTabStopKinds)
{
    QTextDocument doc;
    Load(doc, R"({\rtf1{\colortbl;\red255\green255\blue204;}{\caps caps} {\scaps small} {\caps\scaps both})"
              R"( {\caps\caps0 offagain} {\scaps\plain plain}\par)"
              R"(\pard\cbpat1 shaded\par\pard\cbpat0 automatic\par\pard\cbpat7 unknown\par)"
              R"(\pard\cbpat1\pard unshaded\par)"
              R"(\pard\tqr\tx2880\tqc\tx1440\tx720\tqdec\tx4320\tx5040 tabs\par})");
    struct CapsCase {
        const char* text;
        QFont::Capitalization expected;
    };
    for (const CapsCase& c : std::vector<CapsCase>{{"caps", QFont::AllUppercase},
                                                   {"small", QFont::SmallCaps},
                                                   {"both", QFont::AllUppercase},
                                                   {"offagain", QFont::MixedCase},
                                                   {"plain", QFont::MixedCase}}) {
        const auto f = FormatOf(doc, c.text);
        ASSERT_TRUE(f.has_value()) << c.text;
        EXPECT_EQ(f->fontCapitalization(), c.expected) << c.text;
    }
    struct ShadingCase {
        const char* text;
        bool shaded;
    };
    for (const ShadingCase& c : std::vector<ShadingCase>{
             {"shaded", true}, {"automatic", false}, {"unknown", false}, {"unshaded", false}}) {
        const auto f = BlockFormatOf(doc, c.text);
        ASSERT_TRUE(f.has_value()) << c.text;
        EXPECT_EQ(f->hasProperty(QTextFormat::BackgroundBrush), c.shaded) << c.text;
        if (c.shaded)
            EXPECT_EQ(f->background().color().name().toStdString(), "#ffffcc");
    }
    // Stops in order of place, each of its own kind; a kind holds for the
    // next \tx only.
    const QList<QTextOption::Tab> tabs = BlockFormatOf(doc, "tabs")->tabPositions();
    const std::vector<QTextOption::Tab> expected = {{48, QTextOption::LeftTab},
                                                    {96, QTextOption::CenterTab},
                                                    {192, QTextOption::RightTab},
                                                    {288, QTextOption::DelimiterTab, u'.'},
                                                    {336, QTextOption::LeftTab}};
    ASSERT_EQ(tabs.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(tabs[static_cast<qsizetype>(i)].position, expected[i].position) << i;
        EXPECT_EQ(tabs[static_cast<qsizetype>(i)].type, expected[i].type) << i;
        EXPECT_EQ(tabs[static_cast<qsizetype>(i)].delimiter, expected[i].delimiter) << i;
    }
}

// Word and LibreOffice write outline numbers as a level template that holds
// the numbers of the levels above, and leave \listtext empty or out.
TEST(RtfFormats, MultiLevelListNumbersShowEveryLevelOfTheirTemplate)
{
    QTextDocument doc;
    Load(
        doc,
        R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc0\levelstartat1{\leveltext\'02\'00.;}{\levelnumbers\'01;}})"
        R"({\listlevel\levelnfc0\levelstartat1{\leveltext \'04\'00.\'01.;}})"
        R"({\listlevel\levelnfc4\levelstartat1{\leveltext\'05\'00.\'01.\'02;}}\listid9}})"
        R"({\*\listoverridetable{\listoverride\listid9\listoverridecount0\ls1}})"
        R"({\listtext\tab}\pard\ls1 one\par{\listtext\tab}\pard\ls1 two\par)"
        R"(\pard\ls1\ilvl1 twoone\par\pard\ls1\ilvl1 twotwo\par\pard\ls1\ilvl2 lettered\par)"
        R"(\pard\ls1 three\par\pard\ls1\ilvl1 threeone\par\pard\ls1\ilvl2 freshletter\par})");
    EXPECT_EQ(doc.toPlainText().toStdString(),
              "1.\tone\n2.\ttwo\n2.1.\ttwoone\n2.2.\ttwotwo\n2.2.a\tlettered\n"
              "3.\tthree\n3.1.\tthreeone\n3.1.a\tfreshletter");
}

} // namespace
} // namespace tintora
