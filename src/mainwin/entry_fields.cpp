// SPDX-License-Identifier: MIT
#include "mainwin/entry_fields.h"

#include "mainwin/classic_field_style.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace tintora {

void ShowText(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

EntryFields::EntryFields(QObject* parent, Reader read) : QObject(parent), read_(std::move(read))
{
}

void EntryFields::add(QLineEdit* field)
{
    entries_.append(Entry{field, field->text()});
    field->installEventFilter(this);
    // Enter takes the text even when it is the written one.
    connect(field, &QLineEdit::returnPressed, this, [this, field] { settle(field, true); });
}

EntryFields::Entry* EntryFields::find(const QObject* o)
{
    const auto it =
        std::find_if(entries_.begin(), entries_.end(), [o](const Entry& e) { return e.field == o; });
    return it == entries_.end() ? nullptr : &*it;
}

const EntryFields::Entry* EntryFields::find(const QObject* o) const
{
    return const_cast<EntryFields*>(this)->find(o);
}

bool EntryFields::contains(const QObject* o) const
{
    return find(o) != nullptr;
}

void EntryFields::write(QLineEdit* field, const QString& text)
{
    ShowText(field, text);
    if (Entry* e = find(field))
        e->written = text;
    MarkRefused(field, QString());
}

bool EntryFields::isPending(const QLineEdit* field) const
{
    const Entry* e = find(field);
    return e && (field->text() != e->written || IsMarkedRefused(field));
}

bool EntryFields::settle(QLineEdit* field, bool always)
{
    if (!find(field) || !(always || isPending(field)))
        return true;
    return read_(field);
}

bool EntryFields::settleAll()
{
    bool ok = true;
    // A reader may write every field: the list is walked by index.
    for (qsizetype i = 0; i < entries_.size(); ++i)
        ok = settle(entries_[i].field) && ok;
    return ok;
}

bool EntryFields::eventFilter(QObject* watched, QEvent* event)
{
    Entry* e = find(watched);
    if (!e)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        isPending(e->field)) {
        e->field->setText(e->written);
        MarkRefused(e->field, QString());
        emit reverted();
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        // Leaving the field settles its edit; a popup or another window
        // taking the focus for a moment does not, nor does a window going
        // away.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            e->field->window()->isVisible())
            settle(e->field);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tintora
