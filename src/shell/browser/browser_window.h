// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStyle>
#include <QUrl>

#include <functional>

#include "core/branding.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWebEngineView;

namespace tintora {

// `frmWebsite`: a small web browser that opens on the owner's web site.
//
// Controls (objectName = design name): `frmBrowser` group box "Browser",
// `Label5` "URL:", `Text1` address field, `Command3` go, `Command4` back,
// `Command5` forward, `Command6` stop, `Command7_1` refresh, `WebBrowser1`
// the web view, `StatusBar1` with two panels `StatusPanel1` (the link under
// the pointer) and `StatusPanel2` ("Opening " / "Completed " + address).
//
// The window is top-level, deletes itself when closed and is maximised when
// first shown; the first show brings it to the front without keeping it on
// top. Whether its closing ends the program is decided by its owner, which
// watches destroyed().
class BrowserWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Called while the window loads, before the first navigation, when the
    // brand has skinning switched on. The skin provider replaces the labels
    // inside `frmBrowser` and skins the window. No hook means no skinning.
    using SkinHook = std::function<void(QMainWindow& window)>;

    // Builds the window and starts loading brand.webSite. Not shown yet.
    explicit BrowserWindow(const BrandInfo& brand, const SkinHook& applySkin = {}, QWidget* parent = nullptr);

    // Loads an address as typed by the user ("www.example.org" becomes
    // "http://www.example.org"). A blank address does nothing. Only http
    // and https addresses load; any other (file:, data:, ...) is refused
    // and StatusPanel2 says so. A page's own navigations to such addresses
    // are refused the same way.
    void Navigate(const QString& address);

    // Recomputes the sizes that follow the window's outer size: status
    // panels, `frmBrowser`, `Text1`, `Command3`'s place and `WebBrowser1`.
    void LayoutBrowser();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void ConnectEngine();
    QToolButton* AddPictureButton(const char* name, const QString& toolTip, QStyle::StandardPixmap icon,
                                  int x, int y, int w, int h);
    void OnLoadStarted();
    void OnLoadFinished();
    QString CurrentAddress() const;
    void ShowRefused(const QUrl& url);

    BrandInfo brand_;
    QGroupBox* frame_ = nullptr;
    QLabel* urlLabel_ = nullptr;
    QLineEdit* address_ = nullptr;
    QToolButton* go_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* stop_ = nullptr;
    QToolButton* refresh_ = nullptr;
    QWebEngineView* view_ = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    bool broughtToFront_ = false;
};

} // namespace tintora
