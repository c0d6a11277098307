// SPDX-License-Identifier: MIT
#include "shell/browser/root_address_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tintora {

RootAddressWindow::RootAddressWindow(const QString& address, const QString& productName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RootAddressWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::Window);
    setWindowTitle(productName);
    setAccessibleName(tr("Web site address"));

    auto* text = new QLabel(tr("%1 runs as root (administrator), so it shows no web pages: a page would run "
                               "with root's rights. Copy the address and open it in a browser of your own "
                               "account.")
                                .arg(productName),
                            this);
    text->setObjectName(QStringLiteral("RootAddressText"));
    text->setWordWrap(true);
    text->setAccessibleName(tr("Why no web page is shown"));

    address_ = new QLineEdit(address, this);
    address_->setObjectName(QStringLiteral("RootAddressField"));
    address_->setReadOnly(true);
    address_->setAccessibleName(tr("Web site address to copy"));
    address_->selectAll();

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("RootAddressClose"));
    close->setAccessibleName(tr("Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(address_);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());
    address_->setFocus();
}

QString RootAddressWindow::address() const
{
    return address_->text();
}

} // namespace tintora
