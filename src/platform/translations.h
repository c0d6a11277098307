// SPDX-License-Identifier: MIT
// The program's translation for the user's language, and Qt's own for the
// standard dialogs. English is the source language: it needs no file.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace tintora {

// Where the built-in translations live (compiled into the program).
inline constexpr char kBuiltinTranslationsDir[] = ":/i18n";

// Languages kept from LANGUAGE; nobody lists more.
inline constexpr int kMaxLanguages = 64;

// Rewrites LANGUAGE without empty entries and repeats, keeping the first
// kMaxLanguages languages in their order. Qt reads the variable once, when
// the locale is first asked for its languages, and its time grows with the
// square of the list's length: call before any QLocale is made.
void DropRepeatedLanguages();

// The outcome of choosing a translation.
struct TranslationChoice {
    QString file; // the .qm file loaded; empty when the program speaks English
    QString note; // why a translation that was there could not be used; empty when all went well
};

// Languages to look for, best first, from the locale's user-interface
// languages ("de-DE" gives "de_DE" then "de"). The search stops at English.
QStringList TranslationCandidates(const QLocale& locale);

// Loads into `translator` the first of the candidates that has a file
// "tintora_<lang>.qm", looking in each of `dirs` in turn. A file is read
// whole into memory, which the translator keeps, and loaded only when its
// structure is sound (QmStructureIsSound). A file that exists but does not
// load leaves the translator empty (English) and says so in the note; a
// language with no file anywhere is English without a note.
TranslationChoice ChooseTranslation(QTranslator& translator, const QLocale& locale, const QStringList& dirs);

// The program's translators for the life of the process: its own, and Qt's
// for the same language when the system has it.
class ProgramTranslations
{
public:
    // Loads for `locale`, looking first in the folder named by
    // TINTORA_TRANSLATIONS_DIR (for translators trying a new file), then in
    // the built-in ones. Returns the note for standard error, if any.
    QString Load(const QLocale& locale);
    // Installs the loaded translators into the current application object;
    // call again after replacing it.
    void Install();
    const QString& File() const { return choice_.file; }

private:
    QTranslator program_;
    QTranslator qt_;
    TranslationChoice choice_;
};

} // namespace tintora
