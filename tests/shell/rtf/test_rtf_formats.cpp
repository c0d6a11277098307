#include "shell/rtf/rtf_field_instruction.h"
#include "shell/rtf/rtf_reader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tintora {
namespace {

// The format of the text fragment that holds `text`, if there is one.
std::optional<QTextCharFormat> FormatOf(const QTextDocument& doc, const QString& text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(text)) {
                return it.fragment().charFormat();
            }
        }
    }
    return std::nullopt;
}

std::optional<QTextBlockFormat> BlockFormatOf(const QTextDocument& doc, const QString& text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.text().contains(text)) {
            return b.blockFormat();
        }
    }
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
    for (const char* plain : {"see", " and ", "7", " done"}) {
        EXPECT_FALSE(FormatOf(doc, plain)->isAnchor()) << plain;
    }
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
    for (int i = 0; i < 300; ++i) {
        rtf += "\\intbl r" + QByteArray::number(i) + "\\cell x\\cell\\row ";
    }
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

} // namespace
} // namespace tintora
