// SPDX-License-Identifier: MIT
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

} // namespace
} // namespace tintora
