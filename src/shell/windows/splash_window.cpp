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
      image1_(new QLabel(this)), label3_(new QLabel(this)), timer2_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);

    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setProperty("tintoraKind", QStringLiteral("Image"));
    image1_->setGeometry(0, 0, kWidth, kHeight);

    // Placed entirely left of the window, as designed: it is never seen.
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setGeometry(-401, 112, 401, 57);
    label3_->setFont(VerdanaFont(9.75, true));
    label3_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label3_->setWordWrap(true);
    label3_->setText(QStringLiteral("Like what you see? Our web site has more free programs to download, "
                                    "and free music from a band we love to listen to."));

    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(kTimer2IntervalMs);
    timer2_->setTimerType(Qt::PreciseTimer);
    connect(timer2_, &QTimer::timeout, this, &SplashWindow::Timer2Tick);

    CentreOnScreen(this);
}

void SplashWindow::Load()
{
    state_.mainWindowClosed = false;
    brand_ = LoadBranding();
    image1_->setPixmap(QPixmap::fromImage(PaintSplashPicture(QString::fromStdString(brand_.productName))));
    if ((brand_.skinEnabled || skinOverride_) && skin_ != nullptr) {
        // A skin that fails must not keep the program from starting.
        RunOptionalSkinStep("skinning the splash", [this] { SkinSplashStart(this, *skin_); });
    }
    timer2_->start();
}

void SplashWindow::Timer2Tick()
{
    const std::int16_t v = intTemp_;
    intTemp_ = static_cast<std::int16_t>(v + 2);
    if (v != kLastTickValue || mainWindowDueSent_)
        return;
    // Stopped before the main window loads, so that no later tick can open it
    // a second time while its start-up runs.
    timer2_->stop();
    mainWindowDueSent_ = true;
    emit mainWindowDue();
    hide();
}

} // namespace tintora
