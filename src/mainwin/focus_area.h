// SPDX-License-Identifier: MIT
#pragma once

#include "mainwin/focus_area_accessible.h"

#include <QWidget>

namespace tintora {

// A transparent, focusable stand-in for a part of the window that is drawn
// on the surface (the picker plane or grid, the slider strip), so that the
// Tab key reaches it. It draws only a dotted focus frame along its edge while
// it has the focus; pointer events pass through it to the window, and keys
// it does not take go to the window, which acts on them.
//
// For a screen reader it is a colour chooser (the plane or the grid) or a
// slider (the strip) with the name and value the window describes to it;
// a changed value is announced.
class FocusArea : public QWidget
{
    Q_OBJECT
public:
    explicit FocusArea(QWidget* parent = nullptr);

    bool isSlider() const { return slider_; }
    void setSlider(bool slider) { slider_ = slider; }
    const AreaDescription& description() const { return description_; }
    // Shows `d` to assistive technology: a changed name or value is sent as
    // a name, description or value change.
    void describe(const AreaDescription& d);

protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool slider_ = false;
    AreaDescription description_;
};

} // namespace tintora
