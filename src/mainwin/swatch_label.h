#pragma once

#include "core/color_types.h"

#include <QLabel>

namespace tintora {

// A label used as a colour swatch: its back colour is the colour it holds,
// and a click on it, or Space or Enter while it has the focus, is reported.
class SwatchLabel : public QLabel
{
    Q_OBJECT
public:
    explicit SwatchLabel(QWidget* parent = nullptr);

    ColorRef color() const { return color_; }
    void setColor(ColorRef color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    ColorRef color_ = 0;
};

} // namespace tintora
