// SPDX-License-Identifier: MIT
#include "shell/windows/splash_window.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include "platform/window_helpers.h"
#include "shell/windows/artwork.h"
#include "shell/windows/skin.h"

namespace tintora {

namespace {

constexpr int kWidth = 478;
constexpr int kHeight = 318;
constexpr int kTimer2IntervalMs = 2;
// The counter value seen on the 75th tick: it starts at 0 and grows by 2.
constexpr std::int16_t kLastTickValue = 148;

} // namespace

SplashWindow::SplashWindow(ShellState& state, SkinProvider* skinOrNull, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), state_(state), skin_(skinOrNull),
      picture_(new QLabel(this)), productLabel_(new QLabel(this)), openTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);

    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setProperty("tintoraKind", QStringLiteral("Image"));
    picture_->setGeometry(0, 0, kWidth, kHeight);

    // Placed entirely left of the window, as designed: it is never seen.
    productLabel_->setObjectName(QStringLiteral("Label3"));
    productLabel_->setGeometry(-401, 112, 401, 57);
    productLabel_->setFont(VerdanaFont(9.75, true));
    productLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    productLabel_->setWordWrap(true);
    productLabel_->setText(tr("Like what you see? Our web site has more free programs to download, "
                              "and free music from a band we love to listen to."));

    openTimer_->setObjectName(QStringLiteral("Timer2"));
    openTimer_->setInterval(kTimer2IntervalMs);
    openTimer_->setTimerType(Qt::PreciseTimer);
    connect(openTimer_, &QTimer::timeout, this, &SplashWindow::Timer2Tick);

    CentreOnScreen(this);
}

void SplashWindow::Load()
{
    state_.mainWindowClosed = false;
    brand_ = LoadBranding();
    picture_->setPixmap(QPixmap::fromImage(PaintSplashPicture(QString::fromStdString(brand_.productName))));
    if ((brand_.skinEnabled || skinOverride_) && skin_ != nullptr) {
        // A skin that fails must not keep the program from starting.
        RunOptionalSkinStep(QT_TRANSLATE_NOOP("Skin", "skinning the splash"),
                            [this] { SkinSplashStart(this, *skin_); });
    }
    openTimer_->start();
}

void SplashWindow::Timer2Tick()
{
    const std::int16_t v = intTemp_;
    intTemp_ = static_cast<std::int16_t>(v + 2);
    if (v != kLastTickValue || mainWindowDueSent_)
        return;
    // Stopped before the main window loads, so that no later tick can open it
    // a second time while its start-up runs.
    openTimer_->stop();
    mainWindowDueSent_ = true;
    emit mainWindowDue();
    hide();
}

} // namespace tintora
