#pragma once

#include <QString>

#include <cstdint>

namespace tintora {

// The per-user settings store: text values by application name, section and
// key. The application name is the product name of the branding. On Linux
// the values live in the INI file <config>/<product>/<product>.conf, where
// <config> is $XDG_CONFIG_HOME or ~/.config (the file QSettings' native
// format uses for a user-scope application setting of that name).
//
// The store never blocks and never reads a huge file: before the file is
// opened, it must be absent or a regular file (following links) of at most
// MaxFileBytes. Otherwise (a pipe, a device, a folder, an oversized file)
// every key reads as its default and nothing is written through it.
class SettingsStore
{
public:
    // The file this program writes holds one short line per setting; a
    // hand-made file of this size is still read whole.
    static constexpr std::int64_t MaxFileBytes = std::int64_t{1} << 20;

    explicit SettingsStore(QString applicationName);

    // The stored text, or `defaultValue` when the key is absent or the file
    // cannot be used.
    QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) const;

    // Stores the value. Returns false, leaving the file alone, when the file
    // cannot be used (see above) or could not be written.
    bool SaveSetting(const QString& section, const QString& key, const QString& value);

    const QString& applicationName() const { return applicationName_; }

    // The settings file (it may not exist).
    QString filePath() const;

    // True when the file is absent, or a regular file within MaxFileBytes.
    bool fileUsable() const;

private:
    QString applicationName_;
};

} // namespace tintora
