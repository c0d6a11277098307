// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

namespace tintora {

// The one place where the main window's text fields take their clipboard
// keys: Ctrl+E stays the eyedropper's shortcut in them, a selection copied
// or cut goes through the program's one clipboard writer, and Ctrl+C
// without a selection is offered to copyWhole (a code field copies its
// whole code; it returns false for fields that copy nothing then).
class FieldKeys : public QObject
{
    Q_OBJECT
public:
    FieldKeys(QObject* parent, std::function<bool(QLineEdit*)> copyWhole);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(QLineEdit*)> copyWhole_;
};

} // namespace tintora
