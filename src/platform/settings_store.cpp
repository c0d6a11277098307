// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include "core/file_replace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>

namespace tintora {

namespace {

QString SettingName(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

const SettingListLimit* ListLimitFor(const QString& section, const QString& key)
{
    for (const SettingListLimit& limit : SettingListLimits)
        if (section == QLatin1String(limit.section) && key == QLatin1String(limit.key))
            return &limit;
    return nullptr;
}

// Reads a file of at most SettingsStore::MaxFileBytes into *bytes; false
// when it cannot be read or is larger.
bool ReadSmallFile(const QString& path, QByteArray* bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.read(SettingsStore::MaxFileBytes + 1);
    return file.error() == QFileDevice::NoError && bytes->size() <= SettingsStore::MaxFileBytes;
}

bool WriteChecked(const QString& path, const QByteArray& bytes, unsigned mode)
{
    return ReplaceFileAtomically(QFile::encodeName(path).toStdString(),
                                 std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                 mode) == 0;
}

} // namespace

BoundedList ReadBoundedList(QStringView text, const SettingListLimit& limit)
{
    BoundedList list;
    const QChar separator = QLatin1Char(limit.separator);
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(separator, start);
        if (end < 0)
            end = text.size();
        const qsizetype length = end - start;
        if (length > 0) {
            if (length > limit.maxItemLength)
                ++list.droppedLong;
            else if (list.items.size() < limit.maxItems)
                list.items << text.sliced(start, length).toString();
            else
                ++list.droppedItems;
        }
        start = end + 1;
    }
    return list;
}

QString DroppedListNote(const SettingListLimit& limit, const BoundedList& list)
{
    QStringList parts;
    if (list.droppedItems > 0)
        parts << QCoreApplication::translate("SettingsStore", "%1 entries past the first %2")
                     .arg(list.droppedItems)
                     .arg(limit.maxItems);
    if (list.droppedLong > 0)
        parts << QCoreApplication::translate("SettingsStore", "%1 entries longer than %2 characters")
                     .arg(list.droppedLong)
                     .arg(limit.maxItemLength);
    if (parts.isEmpty())
        return {};
    return QCoreApplication::translate("SettingsStore", "%1/%2: %3 were left out")
        .arg(QLatin1String(limit.section), QLatin1String(limit.key),
             parts.join(QCoreApplication::translate("SettingsStore", " and ")));
}

SettingsStore::SettingsStore(QString applicationName) : applicationName_(std::move(applicationName))
{
}

QString SettingsStore::filePath() const
{
    // Where QSettings(NativeFormat, UserScope, name, name) keeps the values
    // on this platform. The file is then opened by name only, without the
    // system-wide fallbacks, so that only this one file is ever read.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(applicationName_ + QLatin1Char('/') + applicationName_ +
                                 QStringLiteral(".conf"));
}

bool SettingsStore::fileUsable() const
{
    // stat, not open: opening a pipe for reading waits for a writer, which
    // would hang start-up before the main window paints.
    struct stat st = {};
    if (::stat(QFile::encodeName(filePath()).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR;
    return S_ISREG(st.st_mode) && st.st_size <= MaxFileBytes;
}

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    if (!fileUsable())
        return defaultValue;
    QSettings s(filePath(), QSettings::IniFormat);
    const QVariant v = s.value(SettingName(section, key));
    if (!v.isValid())
        return defaultValue;
    // A hand-edited file may hold a list or other non-text value: read it as
    // text where Qt can, else treat it as absent.
    if (!v.canConvert<QString>())
        return defaultValue;
    QString text = v.toString();
    const SettingListLimit* limit = ListLimitFor(section, key);
    if (limit == nullptr)
        return text;
    const BoundedList list = ReadBoundedList(text, *limit);
    const QString note = DroppedListNote(*limit, list);
    if (!note.isEmpty() && !notes_.contains(note)) {
        notes_ << note;
        std::fprintf(stderr, "%s: %s\n", applicationName_.toLocal8Bit().constData(),
                     QCoreApplication::translate("SettingsStore", "settings file %1: %2")
                         .arg(filePath(), note)
                         .toLocal8Bit()
                         .constData());
    }
    return list.items.join(QLatin1Char(limit->separator));
}

bool SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    if (!fileUsable())
        return false;
    // Qt's settings writer takes a write that the disk refuses for a
    // success and can leave the file short or empty. So Qt writes a draft
    // in a scratch folder, a second copy of its bytes is read back to check
    // that every key arrived, and only those bytes replace the file, through
    // a writer that checks every write and the sync.
    // Through a link to the file it names, as Qt's writer did.
    const QString canonical = QFileInfo(filePath()).canonicalFilePath();
    const QString path = canonical.isEmpty() ? filePath() : canonical;
    QByteArray old;
    unsigned mode = NewFileMode();
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        mode = st.st_mode & 07777;
        if (!ReadSmallFile(path, &old))
            return false;
    }
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString draft = scratch.filePath(QStringLiteral("draft.conf"));
    const QString check = scratch.filePath(QStringLiteral("check.conf"));
    if (!WriteChecked(draft, old, 0600))
        return false;
    const QString name = SettingName(section, key);
    QStringList keys;
    {
        QSettings s(draft, QSettings::IniFormat);
        keys = s.allKeys();
        s.setValue(name, value);
        s.sync();
        // A format error reports what was read before; the value is written
        // all the same. Only an access error means it was not.
        if (s.status() == QSettings::AccessError)
            return false;
    }
    QByteArray bytes;
    if (!ReadSmallFile(draft, &bytes) || !WriteChecked(check, bytes, 0600))
        return false;
    {
        // A file name of its own, so that Qt reads these bytes rather than
        // what it keeps of the draft.
        QSettings c(check, QSettings::IniFormat);
        if (!keys.contains(name))
            keys << name;
        const QStringList written = c.allKeys();
        if (c.value(name).toString() != value ||
            QSet<QString>(written.begin(), written.end()) != QSet<QString>(keys.begin(), keys.end()))
            return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return WriteChecked(path, bytes, mode);
}

} // namespace tintora
