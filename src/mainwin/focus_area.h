#pragma once

#include <QWidget>

namespace tintora {

// A transparent, focusable stand-in for a part of the window that is drawn
// on the surface (the picker plane or grid, the slider strip), so that the
// Tab key reaches it. It draws only a dotted focus frame along its edge while
// it has the focus; pointer events pass through it to the window, and keys
// it does not take go to the window, which acts on them.
class FocusArea : public QWidget
{
    Q_OBJECT
public:
    explicit FocusArea(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// What a key does in a focus area: a step in pixels (arrows one, ten with
// Shift; on the slider only up and down, and Page Up and Page Down ten), or
// activate (Space, Return, Enter) on the plane's grid.
struct AreaKey {
    int dx = 0;
    int dy = 0;
    bool activate = false;
};
AreaKey AreaKeyOf(int key, bool shift, bool slider);

} // namespace tintora
