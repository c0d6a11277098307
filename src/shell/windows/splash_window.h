// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include <QWidget>

#include "core/branding.h"
#include "shell/windows/shell_state.h"

class QLabel;
class QTimer;

namespace tintora {

class SkinProvider;

// `frmSplash`: the first window of the program, borderless, 478 x 318,
// centred, kept out of the task bar. It shows the picture `Image1` for 75
// ticks of `Timer2` (2 ms apart), then asks for the main window and hides.
//
// Controls (objectName = design name): `Image1` (the picture, painted at Load
// with the product name), `Label3` (a promotional line placed left of
// the window, never visible), `Timer2`.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    // `state` and `skinOrNull` must outlive the window. Without a provider the
    // window is never skinned.
    SplashWindow(ShellState& state, SkinProvider* skinOrNull, QWidget* parent = nullptr);

    // The splash load, in this order: clears state.mainWindowClosed, fills
    // the branding (and paints Image1 with its product name), skins the
    // window and starts the skin engine when skinning is on (errors of that
    // step are ignored), starts Timer2. The caller shows the window.
    void Load();

    // Skins the splash at Load even when the branding has skinning off (a
    // relabelled build that wants the skin, or a test).
    void setSkinOverride(bool on) { skinOverride_ = on; }

    // The branding as filled by the last Load.
    const BrandInfo& brandInfo() const { return brand_; }

    // The tick counter `intTemp`, advanced by 2 per tick.
    std::int16_t tickCounter() const { return intTemp_; }

public slots:
    // One tick of Timer2. On the 75th tick (the counter was 148) it stops
    // Timer2, emits mainWindowDue() and then hides the splash. Later ticks
    // only advance the counter.
    void Timer2Tick();

signals:
    // The main window should be loaded and shown now. Emitted exactly once,
    // with Timer2 already stopped and before the splash hides.
    void mainWindowDue();

private:
    ShellState& state_;
    SkinProvider* skin_;
    bool skinOverride_ = false;
    bool mainWindowDueSent_ = false;
    BrandInfo brand_;
    std::int16_t intTemp_ = 0;
    QLabel* picture_;
    QLabel* productLabel_;
    QTimer* openTimer_;
};

} // namespace tintora
