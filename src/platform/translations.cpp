// SPDX-License-Identifier: MIT
#include "platform/translations.h"

#include "core/unique_fd.h"
#include "platform/qm_structure.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSet>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintora {

namespace {

// The bytes a translator reads from: QTranslator keeps pointers into them
// instead of a copy. A child of the translator, so they go with it.
class TranslationBytes : public QObject
{
public:
    TranslationBytes(QByteArray bytes, QObject* translator) : QObject(translator), bytes_(std::move(bytes)) {}
    const QByteArray& bytes() const { return bytes_; }

private:
    const QByteArray bytes_;
};

// The whole file, or nothing when it is not a regular file or is larger
// than any translation. Read once into memory: a file that changes or
// shrinks afterwards cannot change what was checked.
QByteArray ReadTranslationFile(const QString& file)
{
    if (file.startsWith(QLatin1Char(':'))) {
        QFile resource(file);
        if (!resource.open(QIODevice::ReadOnly) || resource.size() > qint64(kMaxQmBytes))
            return {};
        return resource.readAll();
    }
    // O_NONBLOCK: a pipe put in the file's place must not wait for a writer.
    Fd fd(::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st = {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size > qint64(kMaxQmBytes))
        return {};
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {};
        if (n == 0)
            return bytes;
        if (std::size_t(bytes.size()) + std::size_t(n) > kMaxQmBytes)
            return {};
        bytes.append(buffer, n);
    }
}

// Loads `file` into `translator` only when its whole structure is sound.
bool LoadCheckedTranslation(QTranslator& translator, const QString& file)
{
    const QByteArray bytes = ReadTranslationFile(file);
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (!QmStructureIsSound(data, std::size_t(bytes.size())))
        return false;
    const auto* held = new TranslationBytes(bytes, &translator);
    const QByteArray& kept = held->bytes();
    return translator.load(reinterpret_cast<const uchar*>(kept.constData()), int(kept.size()));
}

} // namespace

void DropRepeatedLanguages()
{
    const QByteArray value = qgetenv("LANGUAGE");
    if (value.isEmpty())
        return;
    QByteArrayList kept;
    QSet<QByteArray> seen;
    for (const QByteArray& lang : value.split(':')) {
        if (lang.isEmpty() || seen.contains(lang))
            continue;
        seen.insert(lang);
        kept << lang;
        if (kept.size() == kMaxLanguages)
            break;
    }
    const QByteArray joined = kept.join(':');
    if (joined != value)
        qputenv("LANGUAGE", joined);
}

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
            if (LoadCheckedTranslation(translator, file)) {
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
