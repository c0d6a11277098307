// SPDX-License-Identifier: MIT
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace tintora {

QStringList TranslationCandidates(const QLocale& locale)
{
    QStringList full;
    for (QString lang : locale.uiLanguages()) {
        lang.replace(QLatin1Char('-'), QLatin1Char('_'));
        // English is the source text; a later language must not override a
        // user who put English first.
        if (lang == QLatin1String("C") || lang.startsWith(QLatin1String("en")))
            break;
        full << lang;
    }
    // Every name as given first ("de_Latn_AT", "de_AT"), then the shorter
    // forms ("de_Latn", "de"), so that a regional file wins over the general one.
    QStringList out;
    for (const QString& lang : full)
        if (!out.contains(lang))
            out << lang;
    for (const QString& lang : full)
        for (qsizetype cut = lang.lastIndexOf(QLatin1Char('_')); cut > 0;
             cut = lang.lastIndexOf(QLatin1Char('_'), cut - 1))
            if (!out.contains(lang.left(cut)))
                out << lang.left(cut);
    return out;
}

TranslationChoice ChooseTranslation(QTranslator& translator, const QLocale& locale, const QStringList& dirs)
{
    TranslationChoice choice;
    for (const QString& lang : TranslationCandidates(locale)) {
        for (const QString& dir : dirs) {
            const QString file = QDir(dir).filePath(QStringLiteral("tintora_%1.qm").arg(lang));
            if (!QFileInfo(file).isFile())
                continue;
            if (translator.load(file)) {
                choice.file = file;
                return choice;
            }
            // In English: no translation is loaded to say it in.
            choice.note = QStringLiteral("cannot read the translation %1; continuing in English").arg(file);
            return choice;
        }
    }
    return choice;
}

QString ProgramTranslations::Load(const QLocale& locale)
{
    QStringList dirs;
    const QString overrideDir = qEnvironmentVariable("TINTORA_TRANSLATIONS_DIR");
    if (!overrideDir.isEmpty())
        dirs << overrideDir;
    dirs << QString::fromLatin1(kBuiltinTranslationsDir);
    choice_ = ChooseTranslation(program_, locale, dirs);
    // Qt's own texts (standard buttons, file dialogs) only when the program
    // itself speaks the language, so that one window never mixes two.
    if (!choice_.file.isEmpty()) {
        const QString lang = QFileInfo(choice_.file).completeBaseName().section(QLatin1Char('_'), 1);
        if (!qt_.load(QStringLiteral("qtbase_") + lang, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            (void)qt_.load(QStringLiteral("qtbase_") + lang.section(QLatin1Char('_'), 0, 0),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    return choice_.note;
}

void ProgramTranslations::Install()
{
    if (!program_.isEmpty())
        QCoreApplication::installTranslator(&program_);
    if (!qt_.isEmpty())
        QCoreApplication::installTranslator(&qt_);
}

} // namespace tintora
