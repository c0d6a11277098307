#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>

#include <sys/stat.h>

namespace tintora {

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
    const QVariant v = s.value(section + QLatin1Char('/') + key);
    if (!v.isValid())
        return defaultValue;
    // A hand-edited file may hold a list or other non-text value: read it as
    // text where Qt can, else treat it as absent.
    if (v.canConvert<QString>())
        return v.toString();
    return defaultValue;
}

bool SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    if (!fileUsable())
        return false;
    QSettings s(filePath(), QSettings::IniFormat);
    s.setValue(section + QLatin1Char('/') + key, value);
    s.sync();
    // A format error reports what was read before; the value is written all
    // the same. Only an access error means it was not.
    return s.status() != QSettings::AccessError;
}

} // namespace tintora
