// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_formats.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

namespace tintora {

// A list kept in one setting, its entries separated by `separator`, and the
// bounds it is read within.
struct SettingListLimit {
    const char* section;
    const char* key;
    char separator;
    int maxItems;      // entries kept, in order; later ones are dropped
    int maxItemLength; // longer entries are dropped whole
};

// The "Copy as" templates, one a line: at most 20, each no longer than a
// valid template. The menu holds the same number.
inline constexpr SettingListLimit CopyTemplatesLimit = {"Settings", "copyTemplates", '\n', 20,
                                                        static_cast<int>(MaxTemplateLength)};

// The settings that hold lists. Every one is bounded when it is read, so a
// hand-edited file cannot make the program build an endless menu.
inline constexpr SettingListLimit SettingListLimits[] = {CopyTemplatesLimit};

struct BoundedList {
    QStringList items;
    int droppedItems = 0; // entries past maxItems
    int droppedLong = 0;  // entries longer than maxItemLength
};

// Splits `text` at the limit's separator, skipping empty entries, and keeps
// what the limit allows. Time is linear in the text; memory is bounded by
// the limit, not by the text.
BoundedList ReadBoundedList(QStringView text, const SettingListLimit& limit);

// What a bounded read of a list dropped, in words: "Settings/copyTemplates:
// 94980 entries past the first 20 and 2 entries longer than 256 characters
// were left out". Empty when nothing was dropped.
QString DroppedListNote(const SettingListLimit& limit, const BoundedList& list);

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
    // cannot be used. A setting in SettingListLimits reads as its bounded
    // list joined by the separator; what was dropped is noted (notes(), and
    // once per key on stderr).
    QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) const;

    // Stores the value. Returns false, leaving the file exactly as it was,
    // when the file cannot be used (see above) or could not be written in
    // full (a full disk, a read-only folder): the new file is made and
    // checked beside the old one, with every write and the sync checked,
    // before it replaces it.
    bool SaveSetting(const QString& section, const QString& key, const QString& value);

    const QString& applicationName() const { return applicationName_; }

    // The settings file (it may not exist).
    QString filePath() const;

    // True when the file is absent, or a regular file within MaxFileBytes.
    bool fileUsable() const;

    // What bounded reads of lists have dropped so far, one note per key.
    const QStringList& notes() const { return notes_; }

private:
    QString applicationName_;
    mutable QStringList notes_;
};

} // namespace tintora
