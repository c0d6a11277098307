// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"
#include "platform/settings_store.h"

#include <QMenu>
#include <QStringList>

#include <functional>

namespace tintora {

// The "Copy as" menu of a colour: every notation of color_formats.h that the
// colour has (no "#rgb" entry where it is not exact), then the user's own
// templates, then "Add Template..." and a "Remove Template" submenu. Choosing a notation or template puts
// its text on the clipboard as plain text and emits copied().
//
// Templates are kept in the settings store, section "Settings", key
// "copyTemplates", one template a line. A template that has gone bad in the
// file (edited by hand) shows as a disabled entry saying why.
class CopyAsMenu : public QMenu
{
    Q_OBJECT

public:
    static constexpr int MaxTemplates = CopyTemplatesLimit.maxItems;

    explicit CopyAsMenu(SettingsStore& settings, QWidget* parent = nullptr);

    // Where a chosen entry's text goes; ClipboardWriter::Write unless set.
    void setWriter(std::function<void(const QString&)> write) { write_ = std::move(write); }

    // Rebuilds the entries for rgb (channels 0..255).
    void setColor(Rgb rgb);

    // The stored templates, in the order they were added.
    QStringList templates() const;

    // Stores a new template and rebuilds the menu. False, with the reason in
    // *error and nothing stored, for an invalid template, one already kept,
    // or one past MaxTemplates.
    bool addTemplate(const QString& templ, QString* error);

    // Removes a stored template and rebuilds the menu; false when it is not
    // stored.
    bool removeTemplate(const QString& templ);

signals:
    void copied(const QString& text);

private:
    void rebuild();
    void addCopyEntry(const QString& text, const QString& label, const QString& objectName);
    void askForTemplate();

    SettingsStore& settings_;
    std::function<void(const QString&)> write_;
    Rgb color_;
    QMenu* removeMenu_ = nullptr; // a child that clear() would keep
};

} // namespace tintora
