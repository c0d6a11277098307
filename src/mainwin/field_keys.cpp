// SPDX-License-Identifier: MIT
#include "mainwin/field_keys.h"

#include "platform/clipboard_writer.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tintora {

FieldKeys::FieldKeys(QObject* parent, std::function<bool(QLineEdit*)> copyWhole)
    : QObject(parent), copyWhole_(std::move(copyWhole))
{
}

bool FieldKeys::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    // Only key events are looked at; anything else is cast to nothing.
    if (!field || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // A text field would take Ctrl+E as "end of line".
    if (event->type() == QEvent::ShortcutOverride &&
        key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_E)) {
        event->ignore();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const bool copy = key->matches(QKeySequence::Copy);
    if (field->hasSelectedText() && (copy || key->matches(QKeySequence::Cut))) {
        ClipboardWriter::Write(field->selectedText());
        if (!copy && !field->isReadOnly())
            field->del();
        return true;
    }
    if (copy && copyWhole_(field))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace tintora
