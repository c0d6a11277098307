// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

namespace tintora {

// Watches the main window's text fields: Ctrl+E stays the eyedropper's
// shortcut in them, and a selection copied or cut goes through the
// program's one clipboard writer. Fields for which copiesOwn is true copy
// their own selection.
class FieldKeys : public QObject
{
    Q_OBJECT
public:
    FieldKeys(QObject* parent, std::function<bool(const QLineEdit*)> copiesOwn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const QLineEdit*)> copiesOwn_;
};

} // namespace tintora
