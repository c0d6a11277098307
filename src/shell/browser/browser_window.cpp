// SPDX-License-Identifier: MIT
#include "shell/browser/browser_window.h"

#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <functional>
#include <utility>

#include "shell/browser/browser_address.h"
#include "shell/browser/browser_layout.h"

namespace tintora {

namespace {

// Places a child at a rectangle given in twips.
void PlaceTwips(QWidget* w, int x, int y, int width, int height)
{
    w->setGeometry(TwipsToPixels(x), TwipsToPixels(y), TwipsToPixels(width), TwipsToPixels(height));
}

// A page that refuses, in every frame, navigations that NavigationAllowed
// refuses (file:, data:, javascript: ...), and tells the window.
class GuardedPage : public QWebEnginePage
{
public:
    GuardedPage(std::function<void(const QUrl&)> refused, QObject* parent)
        : QWebEnginePage(parent), refused_(std::move(refused))
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        if (NavigationAllowed(url, isMainFrame))
            return true;
        if (isMainFrame && refused_)
            refused_(url);
        return false;
    }

private:
    std::function<void(const QUrl&)> refused_;
};

// The window's designed client area, in pixels (10545 x 8580 twips).
constexpr int kDesignWidth = 703;
constexpr int kDesignHeight = 572;
constexpr int kStatusBarHeightTwips = 315;

} // namespace

BrowserWindow::BrowserWindow(const BrandInfo& brand, const SkinHook& applySkin, QWidget* parent)
    : QMainWindow(parent), brand_(brand)
{
    setObjectName("frmWebsite");
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own even when given a parent.
    setWindowFlag(Qt::Window);

    BuildControls();
    ConnectEngine();

    // Load, in this order. The brand comes from the caller, already loaded.
    setWindowTitle(QString::fromStdString(brand_.webSite));
    // The window is to come to the front once, without staying on top. Qt
    // re-creates a window whose stays-on-top flag changes, so instead of
    // switching the flag on and off we raise and activate it at its first
    // show (see showEvent).
    if (brand_.skinEnabled && applySkin)
        applySkin(*this);
    Navigate(QString::fromStdString(brand_.webSite));
    setWindowState(windowState() | Qt::WindowMaximized);
}

void BrowserWindow::BuildControls()
{
    resize(kDesignWidth, kDesignHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred(QPoint(0, 0), size());
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }

    auto* central = new QWidget(this);
    central->setObjectName("frmWebsiteClient");
    setCentralWidget(central);

    // The status bar's panels are placed by hand: their widths follow the
    // window's outer width, which is wider than the bar itself, and a layout
    // would turn those widths into a minimum size that grows the window.
    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(TwipsToPixels(kStatusBarHeightTwips));
    setStatusBar(bar);
    panel1_ = new QLabel(bar);
    panel1_->setObjectName("StatusPanel1");
    panel2_ = new QLabel(bar);
    panel2_->setObjectName("StatusPanel2");
    for (QLabel* panel : {panel1_, panel2_})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    frame_ = new QGroupBox(tr("Browser"), central);
    frame_->setObjectName("frmBrowser");
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    font.setBold(true);
    frame_->setFont(font);
    PlaceTwips(frame_, 60, 0, 0, 0); // size: LayoutBrowser

    urlLabel_ = new QLabel(tr("URL:"), frame_);
    urlLabel_->setObjectName("Label5");
    PlaceTwips(urlLabel_, 120, 300, 1215, 255);

    address_ = new QLineEdit(frame_);
    address_->setObjectName("Text1");
    PlaceTwips(address_, kText1Left, 240, 0, 315); // width: LayoutBrowser

    go_ = AddPictureButton("Command3", tr("browse the entered url"), QStyle::SP_CommandLink, 0, 240,
                           kCommand3Width, 315);
    back_ = AddPictureButton("Command4", tr("back"), QStyle::SP_ArrowBack, 540, 600, 435, 435);
    forward_ = AddPictureButton("Command5", tr("forward"), QStyle::SP_ArrowForward, 1020, 600, 435, 435);
    stop_ = AddPictureButton("Command6", tr("stop"), QStyle::SP_BrowserStop, 1500, 600, 435, 435);
    refresh_ = AddPictureButton("Command7_1", tr("refresh"), QStyle::SP_BrowserReload, 1980, 600, 435, 435);

    view_ = new QWebEngineView(frame_);
    view_->setObjectName("WebBrowser1");
    view_->setPage(new GuardedPage([this](const QUrl& url) { ShowRefused(url); }, view_));
    PlaceTwips(view_, kWebBrowser1Left, kWebBrowser1Top, 0, 0); // size: LayoutBrowser
    LayoutBrowser();
}

QToolButton* BrowserWindow::AddPictureButton(const char* name, const QString& toolTip,
                                             QStyle::StandardPixmap icon, int x, int y, int w, int h)
{
    auto* button = new QToolButton(frame_);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    button->setIcon(style()->standardIcon(icon, nullptr, button));
    button->setAutoRaise(false);
    PlaceTwips(button, x, y, w, h);
    return button;
}

void BrowserWindow::ConnectEngine()
{
    // Enter in the address field is the go button.
    connect(go_, &QToolButton::clicked, this, [this] { Navigate(address_->text()); });
    connect(address_, &QLineEdit::returnPressed, this, [this] { Navigate(address_->text()); });
    // The engine ignores these when they cannot apply (back with no history),
    // and so do we.
    connect(back_, &QToolButton::clicked, view_, &QWebEngineView::back);
    connect(forward_, &QToolButton::clicked, view_, &QWebEngineView::forward);
    connect(stop_, &QToolButton::clicked, view_, &QWebEngineView::stop);
    connect(refresh_, &QToolButton::clicked, view_, &QWebEngineView::reload);

    // The engine has no status text of its own; what it would show there is
    // the target of the link under the pointer, which is what panel 1 shows.
    connect(view_->page(), &QWebEnginePage::linkHovered, panel1_, &QLabel::setText);
    connect(view_, &QWebEngineView::loadStarted, this, &BrowserWindow::OnLoadStarted);
    connect(view_, &QWebEngineView::loadFinished, this, &BrowserWindow::OnLoadFinished);
}

void BrowserWindow::Navigate(const QString& address)
{
    const QUrl url = AddressToUrl(address);
    if (!url.isValid())
        return;
    if (!IsWebAddress(url)) {
        ShowRefused(url);
        return;
    }
    view_->load(url);
}

void BrowserWindow::ShowRefused(const QUrl& url)
{
    panel2_->setText(
        tr("Not opened: only web addresses (http, https) are shown here, not %1").arg(url.toDisplayString()));
}

QString BrowserWindow::CurrentAddress() const
{
    return view_->url().toString();
}

void BrowserWindow::OnLoadStarted()
{
    panel2_->setText(tr("Opening %1").arg(CurrentAddress()));
}

void BrowserWindow::OnLoadFinished()
{
    // The engine's current address, so redirects and followed links show
    // where the page really came from.
    const QString address = CurrentAddress();
    panel2_->setText(tr("Completed %1").arg(address));
    address_->setText(address);
    setWindowTitle(view_->title());
}

void BrowserWindow::LayoutBrowser()
{
    const QRect outer = frameGeometry();
    const BrowserLayout l = ComputeBrowserLayout(PixelsToTwips(outer.width()), PixelsToTwips(outer.height()),
                                                 PixelsToTwips(statusBar()->height()));

    const int panel1 = TwipsToPixels(l.panel1Width);
    panel1_->setGeometry(0, 0, panel1, statusBar()->height());
    panel2_->setGeometry(panel1, 0, TwipsToPixels(l.panel2Width), statusBar()->height());

    frame_->resize(TwipsToPixels(l.frameWidth), TwipsToPixels(l.frameHeight));
    address_->resize(TwipsToPixels(l.text1Width), address_->height());
    go_->move(TwipsToPixels(l.command3Left), go_->y());
    view_->resize(TwipsToPixels(l.browserWidth), TwipsToPixels(l.browserHeight));
}

void BrowserWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayoutBrowser();
}

void BrowserWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!broughtToFront_) {
        broughtToFront_ = true;
        raise();
        activateWindow();
    }
}

} // namespace tintora
