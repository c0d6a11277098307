#include "platform/settings_store.h"

#include <QSettings>

namespace tintora {

SettingsStore::SettingsStore(QString applicationName) : applicationName_(std::move(applicationName)) {}

QString SettingsStore::GetSetting(const QString& section, const QString& key, const QString& defaultValue) const
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, applicationName_, applicationName_);
    const QVariant v = s.value(section + QLatin1Char('/') + key);
    if (!v.isValid())
        return defaultValue;
    // A hand-edited file may hold a list or other non-text value: read it as
    // text where Qt can, else treat it as absent.
    if (v.canConvert<QString>())
        return v.toString();
    return defaultValue;
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, applicationName_, applicationName_);
    s.setValue(section + QLatin1Char('/') + key, value);
}

} // namespace tintora
