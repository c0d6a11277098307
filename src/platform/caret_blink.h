// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace tintora {

// Text carets blink while the user works and hold still once the user has
// left the program alone for a while, as desktops that limit the blink do
// (GNOME stops it after 10 s). A blinking caret wakes the program twice a
// second for as long as a text field has the focus; held still, a window
// left open and untouched costs no processor time at all.
//
// Installed on the application, it watches all input: any key, click,
// wheel turn or text input lets the carets blink again and starts the wait
// anew. It changes the application's cursor flash time, which Qt's text
// fields follow at once; the user's own flash time comes back on input and
// when this object goes. A flash time of 0 (no blinking) is left alone.
class CaretBlinkLimit : public QObject
{
    Q_OBJECT

public:
    explicit CaretBlinkLimit(std::chrono::milliseconds idle = std::chrono::seconds(10),
                             QObject* parent = nullptr);
    ~CaretBlinkLimit() override;

    // False once carets hold still, until the next input.
    bool Blinking() const { return !stopped_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Stop();

    QTimer idle_;
    int flashTime_;
    bool stopped_ = false;
};

} // namespace tintora
