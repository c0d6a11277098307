// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;

namespace tintora {

// What "Visit" shows when the program runs as root: no web engine (its
// sandbox cannot run for root, and a page would run with root's rights),
// only a message with the address in a read-only field, selected, to copy
// and open in a browser of the user's own account. Top-level, deletes
// itself when closed.
class RootAddressWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RootAddressWindow(const QString& address, const QString& productName, QWidget* parent = nullptr);

    QString address() const;

private:
    QLineEdit* address_ = nullptr;
};

} // namespace tintora
