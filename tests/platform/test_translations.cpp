// SPDX-License-Identifier: MIT
#include "platform/qm_structure.h"
#include "platform/translations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tintora {
namespace {

const QString kBuiltin = QString::fromLatin1(kBuiltinTranslationsDir);

QString Shown(const QTranslator& t)
{
    return t.translate("tintora::HelpWindow", "Show at Startup");
}

TEST(Translations, CandidatesGoFromRegionToLanguageAndStopAtEnglish)
{
    const QStringList austrian = TranslationCandidates(QLocale(QStringLiteral("de_AT")));
    ASSERT_TRUE(austrian.contains(QStringLiteral("de_AT"))) << austrian.join(u' ').toStdString();
    EXPECT_LT(austrian.indexOf(QStringLiteral("de_AT")), austrian.indexOf(QStringLiteral("de")));
    EXPECT_TRUE(TranslationCandidates(QLocale(QStringLiteral("en_GB"))).isEmpty());
    EXPECT_TRUE(TranslationCandidates(QLocale::c()).isEmpty());
}

TEST(Translations, GermanLoadsFromTheBuiltInFilesAndOtherLanguagesStayEnglish)
{
    QTranslator de;
    const TranslationChoice german = ChooseTranslation(de, QLocale(QStringLiteral("de_CH")), {kBuiltin});
    EXPECT_EQ(german.file, kBuiltin + QStringLiteral("/tintora_de.qm"));
    EXPECT_TRUE(german.note.isEmpty());
    EXPECT_EQ(Shown(de), QStringLiteral("Beim Start zeigen"));

    for (const char* name : {"fr_FR", "en_US", "C"}) {
        QTranslator t;
        const TranslationChoice none = ChooseTranslation(t, QLocale(QString::fromLatin1(name)), {kBuiltin});
        EXPECT_TRUE(none.file.isEmpty()) << name;
        EXPECT_TRUE(none.note.isEmpty()) << name;
        EXPECT_TRUE(t.isEmpty()) << name;
    }
}

// A file in the folder looked at first wins over the built-in one; one that
// does not load leaves English and says which file; none there is silent.
TEST(Translations, OverrideFolderCorruptOrMissingFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QLocale german(QStringLiteral("de_DE"));

    QTranslator fromBuiltin;
    const TranslationChoice missing = ChooseTranslation(fromBuiltin, german, {dir.path(), kBuiltin});
    EXPECT_EQ(missing.file, kBuiltin + QStringLiteral("/tintora_de.qm"));
    EXPECT_TRUE(missing.note.isEmpty());

    const QString corrupt = QDir(dir.path()).filePath(QStringLiteral("tintora_de.qm"));
    QFile f(corrupt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a compiled translation, just bytes \x01\x02\x03");
    f.close();
    QTranslator english;
    const TranslationChoice bad = ChooseTranslation(english, german, {dir.path(), kBuiltin});
    EXPECT_TRUE(bad.file.isEmpty());
    EXPECT_TRUE(bad.note.contains(corrupt)) << bad.note.toStdString();
    EXPECT_TRUE(english.isEmpty());
    EXPECT_EQ(Shown(english), QString());

    ASSERT_TRUE(QFile::copy(kBuiltin + QStringLiteral("/tintora_de.qm"), corrupt + QStringLiteral(".good")));
    ASSERT_TRUE(QFile::remove(corrupt));
    ASSERT_TRUE(QFile::rename(corrupt + QStringLiteral(".good"), corrupt));
    QTranslator fromOverride;
    EXPECT_EQ(ChooseTranslation(fromOverride, german, {dir.path(), kBuiltin}).file, corrupt);
}

// One record (translation "x", source "a") found by one hash entry; each
// row breaks one rule of the structure.
TEST(Translations, QmStructureRefusesEachBrokenRule)
{
    const auto Be32 = [](quint32 v) {
        return QByteArray::fromHex(QByteArray::number(v, 16).rightJustified(8, '0'));
    };
    const auto Section = [&](char tag, const QByteArray& body, int extra = 0) {
        return tag + Be32(quint32(body.size() + extra)) + body;
    };
    const QByteArray magic = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    const QByteArray record = "\x03" + Be32(2) + QByteArray("\0x", 2) + "\x06" + Be32(1) + "a\x01";
    const QByteArray messages = Section('\x69', record);
    const QByteArray hash = Be32(7) + Be32(0);
    const QByteArray rows[][2] = {
        {Section('\x42', hash) + messages, "1"},
        {Section('\x42', hash) + Section('\x69', record.left(record.size() - 1)), "record without end"},
        {Section('\x42', hash) + Section('\x69', "\x03" + Be32(1) + "x\x01"), "odd translation"},
        {Section('\x42', hash) + Section('\x69', "\x03" + Be32(10) + "x\x01"), "length past section"},
        {Section('\x42', Be32(7) + Be32(1)) + messages, "offset inside a record"},
        {Section('\x42', Be32(7) + Be32(99)) + messages, "offset past messages"},
        {Section('\x42', Be32(9) + Be32(0) + hash) + messages, "hashes out of order"},
        {Section('\x42', hash + QByteArray(1, '\0')) + messages, "partial entry"},
        {Section('\x42', hash, 1) + messages, "section past the end"},
        {messages + messages, "section twice"},
        {messages + Section('\x96', "x"), "dependencies"},
        {Section('\x2f', QByteArray(2, '\0')) + messages, "no context buckets"},
        {Section('\x2f', QByteArray::fromHex("0001000100")) + messages, "context list past section"},
        {Section('\x88', "\x01") + messages, "plural rule without operand"},
    };
    for (const auto& [body, what] : rows) {
        const QByteArray file = magic + body;
        EXPECT_EQ(QmStructureIsSound(reinterpret_cast<const unsigned char*>(file.constData()),
                                     std::size_t(file.size())),
                  what == "1")
            << what.toStdString();
    }
}

} // namespace
} // namespace tintora
