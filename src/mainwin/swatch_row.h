// SPDX-License-Identifier: MIT
#pragma once

#include "mainwin/window_state.h"

#include <QObject>

#include <array>

class QGroupBox;
class QRect;
class QWidget;

namespace tintora {

class SwatchLabel;

// The "New" and "Old" swatches and the history row. They show the window's
// state; a click asks for the colour to be shown, a double-click or "Use as
// New" in their menu for it to be made current.
class SwatchRow : public QObject
{
    Q_OBJECT
public:
    explicit SwatchRow(QWidget* window);

    // The frame with "New" and "Old", then the history frame, whose part
    // over `clear` (window coordinates) lets what lies beneath show.
    void buildSwatchFrame();
    void buildHistoryFrame(const QRect& clear);

    // The swatch of an id, or nullptr for none.
    SwatchLabel* swatch(SwatchId id) const;
    void show(const WindowState& state);
    // Whether "New"'s menu offers to undo or redo a colour; emits nothing.
    void showSteps(bool canUndo, bool canRedo);

signals:
    void showRequested(tintora::SwatchId id);
    void useRequested(tintora::SwatchId id);
    void pickRequested();
    void undoRequested();
    void redoRequested();

private:
    void hookUp(SwatchLabel* s, SwatchId id);

    QWidget* window_;
    SwatchLabel* newSwatch_ = nullptr;                       // lblSelColor
    SwatchLabel* oldSwatch_ = nullptr;                       // Label2
    std::array<SwatchLabel*, ColorHistory::Size> history_{}; // hist(i)
    bool canUndo_ = false;
    bool canRedo_ = false;
};

} // namespace tintora
