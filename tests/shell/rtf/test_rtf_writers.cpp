// SPDX-License-Identifier: MIT
// Documents written by real word processors (tests/shell/rtf/data): the
// words each must show, in order, its characters and the formatting it
// uses.

#include "shell/rtf/rtf_reader.h"
#include "text_document_formats.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include <optional>

namespace tintora {
namespace {

using test::FormatOf;

QString DataPath(const char* name)
{
    return QStringLiteral(TINTORA_RTF_TEST_DATA "/") + QLatin1String(name);
}

QStringList Words(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

class WrittenBy : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        const RtfResult result = ReadRtfFile(DataPath(GetParam()) + QStringLiteral(".rtf"), doc);
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        EXPECT_FALSE(result.truncated);
        text = doc.toPlainText();
    }
    QTextDocument doc;
    QString text;
};

TEST_P(WrittenBy, ShowsItsWordsInOrderAndNoControlWords)
{
    QFile words(DataPath(GetParam()) + QStringLiteral(".words"));
    ASSERT_TRUE(words.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(words.readAll()).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(Words(text), expected) << text.toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\\\[a-z]+")))) << "a control word leaked";
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    // Nothing is painted on a background the file did not ask for.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            EXPECT_FALSE(it.fragment().charFormat().hasProperty(QTextFormat::BackgroundBrush))
                << it.fragment().text().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(RtfWriters, WrittenBy,
                         ::testing::Values("pandoc", "abiword", "libreoffice", "libreoffice-table",
                                           "enscript", "wordpad"));

QTextDocument* Read(QTextDocument& doc, const char* name)
{
    const RtfResult result = ReadRtfFile(DataPath(name), doc);
    EXPECT_TRUE(result.ok) << name << ": " << result.message.toStdString();
    return &doc;
}

TEST(RtfWriters, CharactersAndFormatting)
{
    {
        QTextDocument doc;
        Read(doc, "pandoc.rtf");
        const QString text = doc.toPlainText();
        EXPECT_TRUE(text.contains(u"café, naïve, 😀 and “quotes”"_qs));
        EXPECT_TRUE(text.contains(u"1.\tPick a colour"_qs));
        EXPECT_TRUE(text.contains(u"•\tfirst bullet"_qs));
        EXPECT_TRUE(FormatOf(doc, "four")->fontItalic());
        EXPECT_EQ(FormatOf(doc, "every")->fontWeight(), QFont::Bold);
        EXPECT_EQ(FormatOf(doc, "link to the site")->anchorHref(), "https://example.org/colours");
        EXPECT_TRUE(text.endsWith(u"1. The footnote says hello."_qs));
    }
    {
        // AbiWord leaves the list numbers to \pn and spells out colour 0.
        QTextDocument doc;
        Read(doc, "abiword.rtf");
        const QString text = doc.toPlainText();
        EXPECT_TRUE(text.contains(u"1.\tPick a colour\n2.\tPress Keep\n3.\tCopy the code"_qs));
        EXPECT_FALSE(FormatOf(doc, "Tintora shows")->hasProperty(QTextFormat::ForegroundBrush));
    }
    {
        // LibreOffice stores the picture as PNG and again as a metafile.
        QTextDocument doc;
        Read(doc, "libreoffice.rtf");
        int pictures = 0;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                if (!f.isImageFormat())
                    continue;
                ++pictures;
                const QTextImageFormat image = f.toImageFormat();
                // 720 x 360 twips at 133 %.
                EXPECT_NEAR(image.width(), 48 * 1.33, 0.01);
                EXPECT_NEAR(image.height(), 24 * 1.33, 0.01);
                const QImage pixels =
                    doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
                EXPECT_EQ(pixels.pixelColor(10, 10), QColor(255, 128, 0));
            }
        }
        EXPECT_EQ(pictures, 1);
        EXPECT_TRUE(doc.toPlainText().contains(u"Emoji 😀"_qs));
    }
    {
        QTextDocument doc;
        Read(doc, "libreoffice-table.rtf");
        const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
        ASSERT_EQ(frames.size(), 1);
        auto* table = qobject_cast<QTextTable*>(frames[0]);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->columns(), 3);
        EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 2);
        EXPECT_EQ(table->cellAt(2, 0).rowSpan(), 2);
        EXPECT_EQ(table->cellAt(3, 1).firstCursorPosition().block().text(), "b3");
        EXPECT_EQ(table->format().border(), 0);
    }
    {
        QTextDocument doc;
        Read(doc, "enscript.rtf");
        EXPECT_TRUE(doc.toPlainText().contains(u"Tabs\there\tand\tthere."_qs));
        EXPECT_TRUE(doc.toPlainText().contains(u"Braces { and }"_qs));
        EXPECT_EQ(FormatOf(doc, "Tintora")->fontFamilies().toStringList(), QStringList{"Courier New"});
    }
    {
        QTextDocument doc;
        Read(doc, "wordpad.rtf");
        EXPECT_TRUE(doc.toPlainText().contains(u"Café crème"_qs));
        EXPECT_TRUE(doc.toPlainText().contains(u"•\tfirst bullet\n•\tsecond bullet\n1.\tnumbered one"_qs));
        EXPECT_EQ(FormatOf(doc, "red words")->foreground().color(), QColor(255, 0, 0));
        EXPECT_TRUE(FormatOf(doc, "blue underlined")->fontUnderline());
    }
}

} // namespace
} // namespace tintora
