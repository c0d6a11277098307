#pragma once

#include <QString>

namespace tintora {

// The per-user settings store: text values by application name, section and
// key. The application name is the product name of the branding; where the
// values live is QSettings' business (on Linux an INI file under
// ~/.config/<product>/<product>.conf).
class SettingsStore
{
public:
    explicit SettingsStore(QString applicationName);

    // The stored text, or `defaultValue` when the key is absent.
    QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) const;
    void SaveSetting(const QString& section, const QString& key, const QString& value);

    const QString& applicationName() const { return applicationName_; }

private:
    QString applicationName_;
};

} // namespace tintora
