// SPDX-License-Identifier: MIT
#pragma once

#include "core/color_types.h"

#include <QLabel>

namespace tintora {

// A label used as a colour swatch: its back colour is the colour it holds,
// and a click on it, or Space or Enter while it has the focus, is reported,
// as is a double-click. A marked swatch shows a corner triangle in its
// colour's complement: it is the one whose colour the codes show.
class SwatchLabel : public QLabel
{
    Q_OBJECT
public:
    explicit SwatchLabel(QWidget* parent = nullptr);

    ColorRef color() const { return color_; }
    void setColor(ColorRef color);
    bool marked() const { return marked_; }
    void setMarked(bool marked);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void describe();

    ColorRef color_ = 0;
    bool marked_ = false;
};

} // namespace tintora
