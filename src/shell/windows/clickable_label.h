// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tintora {

// A label that reports a click: a left-button press and release both inside
// the label, like a link. Shows the pointing-hand cursor.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace tintora
