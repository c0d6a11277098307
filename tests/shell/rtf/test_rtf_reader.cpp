// SPDX-License-Identifier: MIT
#include "shell/rtf/rtf_reader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace tintora {
namespace {

// The text of every paragraph, joined by '\n', with characters exactly as
// stored (no-break spaces and line separators are not normalised).
QString RawText(const QTextDocument& doc)
{
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks.join(u'\n');
}

QString Read(const QByteArray& rtf)
{
    QTextDocument doc;
    const RtfResult result = ReadRtf(rtf, doc);
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    return RawText(doc);
}

struct TextCase {
    const char* name;
    QByteArray rtf;
    QString expected;
};

TEST(RtfReader, ReadsTheTextOfDocuments)
{
    const std::vector<TextCase> cases = {
        {"plain text", R"({\rtf1\ansi Hello world})", "Hello world"},
        {"paragraphs", R"({\rtf1 one\par two\par three})", "one\ntwo\nthree"},
        {"a final paragraph mark adds no empty paragraph", R"({\rtf1 one\par two\par})", "one\ntwo"},
        {"empty paragraphs in between stay", R"({\rtf1 one\par\par two})", "one\n\ntwo"},
        {"bare line breaks are not text", "{\\rtf1 one\r\ntwo}", "onetwo"},
        {"backslash LF is a paragraph", "{\\rtf1 one\\\ntwo}", "one\ntwo"},
        {"backslash CR LF is one paragraph", "{\\rtf1 one\\\r\ntwo}", "one\ntwo"},
        {"escaped braces and backslash", R"({\rtf1 a\{b\}c\\d})", "a{b}c\\d"},
        {"hex escape in code page 1252", R"({\rtf1\ansi caf\'e9 \'93q\'94 \'80})", u"café “q” €"_qs},
        {"\\u with the default skip of one", R"({\rtf1 caf\u233?})", u"café"_qs},
        {"\\u skip counts a hex escape as one", R"({\rtf1 caf\u233\'e9!})", u"café!"_qs},
        {"\\uc2 skips two", R"({\rtf1\uc2 x\u233\'65\'65y})", u"xéy"_qs},
        {"\\uc0 skips nothing", R"({\rtf1\uc0 x\u233 y})", u"xéy"_qs},
        {"\\uc is scoped by groups", R"({\rtf1 {\uc0 a\u233 b}\u233?c})", u"aébéc"_qs},
        {"a group end stops the skip", R"({\rtf1\uc2 {\u233?}x})", u"éx"_qs},
        {"negative \\u", R"({\rtf1 \u-3?})", u"\uFFFD"_qs},
        {"surrogate pair, positive", R"({\rtf1 \u55357?\u56832?})", u"😀"_qs},
        {"surrogate pair, negative", R"({\rtf1 \u-10179?\u-8704?})", u"😀"_qs},
        {"lone high surrogate", R"({\rtf1 a\u55357?b})", u"a\uFFFDb"_qs},
        {"lone low surrogate", R"({\rtf1 a\u56832?b})", u"a\uFFFDb"_qs},
        {"surrogate pair across a \\uc change", R"({\rtf1 \uc2\u-10179??\uc1\u-8704?!})", u"😀!"_qs},
        {"surrogate pair across groups", R"({\rtf1 {\u55357?}{\b\u56832?}})", u"😀"_qs},
        {"high surrogate at the very end", R"({\rtf1 a\u55357?})", u"a\uFFFD"_qs},
        {"document code page", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", u"Привет"_qs},
        {"font charset selects a code page",
         R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}}\f0 a\f1 \'cf\'f0\'e8})",
         u"aПри"_qs},
        {"double-byte code page", R"({\rtf1\ansi\ansicpg932 \'82\'a0!})", u"あ!"_qs},
        {"Symbol bullet by charset", R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\f1\'B7}\tab item})",
         u"•\titem"_qs},
        {"Symbol bullet by family name", R"({\rtf1{\fonttbl{\f1\fnil Symbol;}}{\f1\'b7} x})", u"• x"_qs},
        {"Symbol glyph as private-use \\u", R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\f1\u-3913?}})",
         u"•"_qs},
        {"Wingdings square bullet", R"({\rtf1{\fonttbl{\f3\fcharset2 Wingdings;}}{\f3\'a7} x})", u"▪ x"_qs},
        {"character words", R"({\rtf1 a\tab b\emdash c\~d\line e\bullet})", u"a\tb—c\u00A0d\u2028e•"_qs},
        {"nested ignorable destinations",
         R"({\rtf1{\*\foo {\bar x}{\*\baz y}z}{\info{\title T}{\author A}}{\stylesheet{\s1 H;}}visible})",
         "visible"},
        {"skipped picture with hex data", R"({\rtf1 a{\pict\pngblip 89504e47{\*\x y}0d0a}b})", "ab"},
        {"binary blob with braces and backslashes", "{\\rtf1 a{\\*\\blob\\bin6 }{\\x\\}}b}", "ab"},
        {"binary blob outside a destination", "{\\rtf1 a\\bin3 {{{b}", "ab"},
        {"binary blob running past the end", "{\\rtf1 a\\bin999 xyz", "a"},
        {"hidden text", R"({\rtf1 a{\v hidden}b})", "ab"},
        {"old-style bullet text kept, its definition skipped",
         R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\*\pn\pnlvlblt{\pntxtb\'B7}}{\pntext\f1\'B7\tab}Item})",
         u"•\tItem"_qs},
        {"list text kept, list table skipped",
         R"({\rtf1{\*\listtable{\list{\listlevel{\leveltext\'02\'00.;}}}}{\listtext 1.\tab}First})",
         "1.\tFirst"},
        {"field result shown", R"({\rtf1 p{\field{\*\fldinst PAGE}{\fldrslt 3}}})", "p3"},
        {"extra closing braces", R"({\rtf1 {\b a}} b}})", "a b"},
        {"missing closing braces", R"({\rtf1 {\b a {\i b)", "a b"},
        {"leading BOM and white space", "\xEF\xBB\xBF \r\n{\\rtf1 ok}", "ok"},
        {"control characters dropped",
         "{\\rtf1 a\x01\x0c"
         "b\\u7?c}",
         "abc"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(Read(c.rtf), c.expected) << c.name;
}

TEST(RtfReader, RefusesWhatIsNotRtfSayingWhatItFound)
{
    struct Case {
        const char* name;
        QByteArray data;
        const char* message;
    };
    const QByteArray tooLarge = "{\\rtf1 " + QByteArray(RtfMaxBytes + 1, 'x') + "}";
    const std::vector<Case> cases = {
        {"empty", QByteArray(), "empty file"},
        {"plain text", "Hello, not RTF", "not RTF"},
        {"only white space", "  \n ", "not RTF"},
        {"brace without rtf", "{\\rtx1 a}", "not RTF"},
        {"PNG image", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary data"},
        {"NUL in an RTF header", QByteArray("{\\rtf1\0\0\0", 9), "binary data"},
        {"NUL after a \\bin's data", QByteArray("{\\rtf1 \\bin2 \0\0 x\0", 18), "binary data"},
        {"UTF-16 LE without BOM", QByteArray("{\0\\\0r\0t\0f\0", 10), "UTF-16 text"},
        {"UTF-16 BE without BOM", QByteArray("\0{\0\\\0r\0t\0f", 10), "UTF-16 text"},
        {"UTF-16 LE with BOM", QByteArray("\xFF\xFE{\0\\\0r\0", 8), "UTF-16 text"},
        {"UTF-16 BE with BOM", QByteArray("\xFE\xFF\0{\0\\\0r", 8), "UTF-16 text"},
        {"one byte over the limit", tooLarge, "too large (64.1 MiB, limit 64 MiB)"},
    };
    for (const Case& c : cases) {
        QTextDocument doc;
        doc.setPlainText("keep me");
        const RtfResult result = ReadRtf(c.data, doc);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_EQ(result.message, QString::fromLatin1(c.message)) << c.name;
        EXPECT_EQ(doc.toPlainText(), "keep me") << c.name;
    }
}

TEST(RtfReader, BinaryDataBehindBinNearTheStartIsRead)
{
    // Pictures written with \bin may hold NUL bytes in the first KiB.
    static const char rtf[] = "{\\rtf1 a{\\*\\blob\\bin4 \0\0\0\0}b}";
    EXPECT_EQ(Read(QByteArray(rtf, sizeof rtf - 1)), "ab");
}

TEST(RtfReader, ReplacesThePreviousContent)
{
    QTextDocument doc;
    doc.setPlainText("old text");
    ASSERT_TRUE(ReadRtf(R"({\rtf1 new})", doc).ok);
    EXPECT_EQ(doc.toPlainText(), "new");
}

TEST(RtfReader, DeepNestingFinishesQuickly)
{
    constexpr int depth = 100000;
    QElapsedTimer timer;
    timer.start();
    // Balanced, with formatting that must not leak out of the deep groups.
    EXPECT_EQ(Read("{\\rtf1 " + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + " tail}"),
              "deep tail");
    // Never closed.
    EXPECT_EQ(Read("{\\rtf1 " + QByteArray(depth, '{') + "open"), "open");
    // A skipped destination beyond the depth limit is still skipped whole,
    // and the text after it is kept.
    EXPECT_EQ(Read("{\\rtf1 " + QByteArray(300, '{') + "{\\*\\x hidden{\\y more}}seen" +
                   QByteArray(300, '}') + " end}"),
              "seen end");
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST(RtfReader, FormattingInsideGroupsBelowTheDepthLimitIsScoped)
{
    QTextDocument doc;
    const QByteArray rtf = "{\\rtf1 " + QByteArray(200, '{') + "{\\b bold}plain" + QByteArray(200, '}') + "}";
    ASSERT_TRUE(ReadRtf(rtf, doc).ok);
    const QTextBlock block = doc.firstBlock();
    ASSERT_EQ(block.text(), "boldplain");
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + 6); // inside "plain"
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST(RtfReader, ReadsFilesAndRefusesBadOnes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QTextDocument doc;
    doc.setPlainText("keep me");

    RtfResult result = ReadRtfFile(dir.filePath("missing.rtf"), doc);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("not found")) << result.message.toStdString();

    result = ReadRtfFile(dir.path(), doc);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("folder")) << result.message.toStdString();

    // A 100 MiB file (sparse, so the test writes almost nothing) is refused
    // from its size alone.
    QFile big(dir.filePath("big.rtf"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("{\\rtf1 ");
    ASSERT_TRUE(big.resize(100LL * 1024 * 1024));
    big.close();
    QElapsedTimer timer;
    timer.start();
    result = ReadRtfFile(big.fileName(), doc);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "too large (100 MiB, limit 64 MiB)");
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(doc.toPlainText(), "keep me");

    QFile good(dir.filePath("good.rtf"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write("{\\rtf1\\ansi Good \\'e9}");
    good.close();
    result = ReadRtfFile(good.fileName(), doc);
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(doc.toPlainText(), u"Good é"_qs);
}

// Another process truncates the file while it loads, at times spread over
// the load. A reader that maps the file dies of SIGBUS at the first page
// past the new end; this one ends with what it read, or refuses the empty
// file, and the process lives.
TEST(RtfReader, FileTruncatedDuringTheLoadByAnotherProcessIsNoCrash)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("shrinking.rtf");
    QByteArray rtf("{\\rtf1\\ansi ");
    const QByteArray paragraph("{\\b Bold} plain text of a help page that goes on and on\\par\n");
    while (rtf.size() < 4 * 1024 * 1024)
        rtf += paragraph;
    rtf += '}';
    const auto writeFull = [&] {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(rtf) == rtf.size();
    };

    // How long one undisturbed load takes, to spread the truncations over it.
    ASSERT_TRUE(writeFull());
    QTextDocument doc;
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(ReadRtfFile(path, doc).ok);
    const qint64 loadMicros = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);

    const QByteArray native = QFile::encodeName(path);
    constexpr int Runs = 24;
    for (int run = 0; run < Runs; ++run) {
        ASSERT_TRUE(writeFull());
        const useconds_t delay = static_cast<useconds_t>(loadMicros * run / Runs);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::usleep(delay);
            ::_exit(::truncate(native.constData(), run % 2 == 0 ? 0 : 4096) == 0 ? 0 : 1);
        }
        const RtfResult result = ReadRtfFile(path, doc);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the truncating process failed";
        // Either the text read before the cut, or the empty file refused.
        if (!result.ok)
            EXPECT_EQ(result.message, "empty file") << "run " << run;
    }
}

TEST(RtfReader, HelpFileReadsWithItsSections)
{
    QTextDocument doc;
    const RtfResult result = ReadRtfFile(QStringLiteral(TINTORA_HELP_RTF), doc);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_FALSE(result.truncated);
    const QString text = doc.toPlainText();
    // What the help must tell, as the program shows it.
    for (const char* part : {"Picking a colour",
                             "Typing channel values",
                             "Typing or pasting a colour code",
                             "Copy as",
                             "Contrast and name",
                             "Pick from the screen",
                             "Ctrl+E",
                             "Pick from Screen",
                             "Presets",
                             "Add",
                             "Keep",
                             "Color History",
                             "Import Palette...",
                             "Export Palette...",
                             "The keyboard",
                             "F1",
                             "Escape",
                             "The command line",
                             "--help",
                             "--version",
                             "--screenshot FILE",
                             "--no-splash",
                             "--pick",
                             "--color VALUE",
                             "--format NAME",
                             "0x{HEX}",
                             "--export-palette FILE",
                             "--import-palette FILE",
                             "About this software",
                             "Visit",
                             "~/.local/share/Tintora/Tintora/usercolors.cps",
                             "Show at Startup"}) {
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
    }
    // An installed program never keeps the palette in its own folder.
    EXPECT_FALSE(text.contains(QLatin1String("in the program's folder")));
    // The steps carry their numbers in their own paragraphs, where every
    // reader shows them.
    for (const char* step :
         {"1.\tPick the colour", "2.\tPress Presets", "3.\tClick the cell", "4.\tPress Add"}) {
        EXPECT_TRUE(RawText(doc).contains(QLatin1String(step))) << step;
    }
    EXPECT_FALSE(text.contains(u'\\')) << "an RTF control word leaked into the text";
    EXPECT_EQ(text.count(u'{'), text.count(QLatin1String("0x{HEX}"))) << "only the template has braces";
    EXPECT_TRUE(text.contains(u'•')) << "the bullets should read as bullets";
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
}

TEST(RtfReader, ReadInPartsGivesTheSameDocumentAsAtOnce)
{
    QFile file(QStringLiteral(TINTORA_HELP_RTF));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // A byte order mark and a table row that a part boundary falls into.
    const QByteArray data = "\xEF\xBB\xBF" + file.readAll();
    QTextDocument whole;
    ASSERT_TRUE(ReadRtf(data, whole).ok);
    for (const qsizetype part : {1, 700}) {
        QTextDocument doc;
        doc.setUndoRedoEnabled(true);
        RtfPartReader reader(data, doc);
        int parts = 1;
        while (!reader.ReadMore(part))
            ++parts;
        EXPECT_GT(parts, 1);
        EXPECT_TRUE(reader.result().ok);
        EXPECT_EQ(doc.toHtml(), whole.toHtml()) << "parts of " << part;
        EXPECT_TRUE(doc.isUndoRedoEnabled());
    }
    // Refused input leaves the reader done and the document alone.
    QTextDocument doc(QStringLiteral("kept"));
    RtfPartReader refused("not rtf", doc);
    EXPECT_TRUE(refused.done());
    EXPECT_EQ(refused.result().message, QStringLiteral("not RTF"));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("kept"));
}

} // namespace
} // namespace tintora
