// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace tintora {

// Writes a text into a field only when it differs: an unchanged field
// neither lays out nor repaints, and tells a screen reader nothing.
void ShowText(QLineEdit* field, const QString& text);

// What every field that takes a typed colour shares. A field holds the text
// last written to it; text that differs from it, or that was refused, is a
// pending edit. Enter settles the field's text, leaving the field settles a
// pending edit, and Escape brings the written text back. How an edit is read
// is the owner's: the reader given at construction takes the field and
// returns false when it refused the text.
class EntryFields : public QObject
{
    Q_OBJECT
public:
    using Reader = std::function<bool(QLineEdit*)>;
    EntryFields(QObject* parent, Reader read);

    // Watches a field; its present text counts as written.
    void add(QLineEdit* field);
    bool contains(const QObject* o) const;
    // Shows a text as written and clears a refusal; emits nothing.
    void write(QLineEdit* field, const QString& text);
    bool isPending(const QLineEdit* field) const;
    // Reads a pending edit (any text with `always`): false when refused.
    bool settle(QLineEdit* field, bool always = false);
    // Settles every field in the order they were added: false when any
    // edit was refused.
    bool settleAll();

signals:
    // Escape brought a field's written text back: what was said about the
    // edit no longer holds.
    void reverted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QLineEdit* field;
        QString written;
    };
    Entry* find(const QObject* o);
    const Entry* find(const QObject* o) const;

    Reader read_;
    QList<Entry> entries_;
};

} // namespace tintora
