// SPDX-License-Identifier: MIT
// The browser window with the real engine, loaded from the module file the
// program ships. Pages come from a server on 127.0.0.1 inside this process.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMainWindow>
#include <QOpenGLContext>
#include <QPointer>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <functional>

#include <ostream>
#include <unistd.h>

#include "browser_test_main.h"
#include "core/branding.h"
#include "local_http_server.h"
#include "qt_print.h"
#include "shell/browser_api.h"

namespace tintora {
namespace {

using test::HtmlPage;
using test::LocalHttpServer;

constexpr int kEngineTimeoutMs = 20000;

using Factory = QWidget* (*)(const BrandInfo*);

// Runs the event loop until actual() equals expected, for at most the
// engine's timeout. (QTRY_COMPARE reports to QTest, not to GoogleTest.)
::testing::AssertionResult Eventually(const std::function<QString()>& actual, const QString& expected,
                                      int timeoutMs = kEngineTimeoutMs)
{
    if (QTest::qWaitFor([&] { return actual() == expected; }, timeoutMs))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "still \"" << actual().toStdString() << "\" after " << timeoutMs
                                         << " ms, expected \"" << expected.toStdString() << '"';
}

Factory LoadFactory()
{
    static QLibrary module(QStringLiteral(TINTORA_BROWSER_MODULE_PATH));
    if (!module.isLoaded() && !module.load())
        ADD_FAILURE() << module.errorString().toStdString();
    return reinterpret_cast<Factory>(module.resolve(TINTORA_BROWSER_FACTORY_SYMBOL));
}

class BrowserWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The link fills the whole page so that the pointer finds it anywhere.
        server.Add("/", {200,
                         HtmlPage("Start Page", "<a href='/second' style='display:block;position:fixed;"
                                                "left:0;top:0;right:0;bottom:0'>second</a>"),
                         {}});
        server.Add("/second", {200, HtmlPage("Second Page"), {}});
        server.Add("/moved", {302, "", "/second"});
        ASSERT_TRUE(server.Start());
        factory = LoadFactory();
        ASSERT_NE(factory, nullptr);
    }

    void TearDown() override
    {
        if (window)
            window->close();
        // The window deletes itself later; let that happen before the next test.
        EXPECT_TRUE(QTest::qWaitFor([this] { return window.isNull(); }, kEngineTimeoutMs));
    }

    // Opens the window on `webSite`, as the program does.
    void Open(const std::string& webSite)
    {
        BrandInfo brand;
        brand.productName = "Tintora";
        brand.companyName = "Test";
        brand.webSite = webSite;
        window = factory(&brand);
        ASSERT_NE(window, nullptr);
    }

    template <typename T> T* Child(const char* name) const
    {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QString Address() const { return Child<QLineEdit>("Text1")->text(); }
    QString Panel2() const { return Child<QLabel>("StatusPanel2")->text(); }

    LocalHttpServer server;
    Factory factory = nullptr;
    QPointer<QWidget> window;
};

TEST_F(BrowserWindowTest, OpensOnTheWebSiteAndShowsTheLoadedPage)
{
    Open(server.Typed("/").toStdString());

    // Before the page arrives: the contract of the module's window.
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowTitle(), server.Typed("/"));
    EXPECT_EQ(Child<QGroupBox>("frmBrowser")->title(), "Browser");
    EXPECT_EQ(Child<QLabel>("Label5")->text(), "URL:");
    const struct {
        const char* name;
        const char* toolTip;
    } buttons[] = {{"Command3", "browse the entered url"},
                   {"Command4", "back"},
                   {"Command5", "forward"},
                   {"Command6", "stop"},
                   {"Command7_1", "refresh"}};
    for (const auto& b : buttons) {
        auto* button = Child<QToolButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), b.toolTip) << b.name;
        EXPECT_FALSE(button->icon().isNull()) << b.name;
    }
    ASSERT_NE(Child<QWebEngineView>("WebBrowser1"), nullptr);
    ASSERT_NE(Child<QStatusBar>("StatusBar1"), nullptr);

    window->show();
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Start Page"));
    EXPECT_EQ(Panel2(), "Completed " + server.Url("/"));
    EXPECT_EQ(Address(), server.Url("/"));
    EXPECT_EQ(server.Requests().value(0), "/");
}

TEST_F(BrowserWindowTest, FactoryRefusesWhenTheEngineCannotStart)
{
    EXPECT_EQ(factory(nullptr), nullptr);

    // Unprepared (no share context registered), the engine would set up
    // OpenGL on its own; the module refuses instead.
    QOpenGLContext* prepared = qt_gl_global_share_context();
    qt_gl_set_global_share_context(nullptr);
    BrandInfo brand;
    brand.webSite = server.Typed("/").toStdString();
    window = factory(&brand);
    qt_gl_set_global_share_context(prepared);
    EXPECT_EQ(window, nullptr);
    EXPECT_TRUE(server.Requests().isEmpty());
}

TEST_F(BrowserWindowTest, ButtonsThatCannotApplyDoNothingAndRefreshReloads)
{
    Open(server.Typed("/").toStdString());
    window->show();
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Start Page"));
    auto* view = Child<QWebEngineView>("WebBrowser1");
    QSignalSpy starts(view, &QWebEngineView::loadStarted);
    QSignalSpy finished(view, &QWebEngineView::loadFinished);

    QTest::mouseClick(Child<QToolButton>("Command4"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>("Command5"), Qt::LeftButton);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());

    // Stop with nothing loading is harmless; refresh asks the server again.
    // Once the reload has finished, a load that back or forward had started
    // would have shown itself too: only the reload may have started.
    QTest::mouseClick(Child<QToolButton>("Command6"), Qt::LeftButton);
    QTest::mouseClick(Child<QToolButton>("Command7_1"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return server.Requests().count("/") == 2; }, kEngineTimeoutMs))
        << server.Requests().join(' ').toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, kEngineTimeoutMs));
    EXPECT_EQ(starts.count(), 1);
    EXPECT_EQ(view->url().toString(), server.Url("/"));
    EXPECT_EQ(Panel2(), "Completed " + server.Url("/"));
    EXPECT_EQ(window->windowTitle(), "Start Page");
}

TEST_F(BrowserWindowTest, GoButtonFollowsARedirectAndShowsTheFinalAddress)
{
    Open(server.Typed("/").toStdString());
    window->show();
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Start Page"));

    // What panel 2 says at the moment the engine starts loading.
    QStringList opening;
    auto* view = Child<QWebEngineView>("WebBrowser1");
    QObject::connect(view, &QWebEngineView::loadStarted, window, [&] { opening << Panel2(); });

    Child<QLineEdit>("Text1")->setText(server.Typed("/moved"));
    QTest::mouseClick(Child<QToolButton>("Command3"), Qt::LeftButton);

    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Second Page"));
    EXPECT_EQ(Address(), server.Url("/second"));
    EXPECT_EQ(Panel2(), "Completed " + server.Url("/second"));
    EXPECT_TRUE(server.Requests().contains("/moved"));
    ASSERT_FALSE(opening.isEmpty());
    EXPECT_TRUE(opening.first().startsWith("Opening http://127.0.0.1:")) << opening.first().toStdString();
}

TEST_F(BrowserWindowTest, EnterInTheAddressFieldNavigatesLikeTheGoButton)
{
    Open(server.Typed("/").toStdString());
    window->show();
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Start Page"));

    auto* address = Child<QLineEdit>("Text1");
    address->clear();
    QTest::keyClicks(address, server.Typed("/second"));
    QTest::keyClick(address, Qt::Key_Return);
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Second Page"));
    EXPECT_EQ(Address(), server.Url("/second"));

    // Now there is history: back and forward move through it.
    QTest::mouseClick(Child<QToolButton>("Command4"), Qt::LeftButton);
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Start Page"));
    EXPECT_EQ(Address(), server.Url("/"));
    QTest::mouseClick(Child<QToolButton>("Command5"), Qt::LeftButton);
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Second Page"));
}

// A local file typed into the address field is refused with a message and
// never loaded; a page's own navigation to file:, data: or javascript: is
// refused too, and the page stays.
TEST_F(BrowserWindowTest, AddressesOtherThanHttpAreRefused)
{
    Open(server.Typed("/").toStdString());
    window->show();
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Start Page"));
    auto* view = Child<QWebEngineView>("WebBrowser1");

    auto* address = Child<QLineEdit>("Text1");
    for (const char* typed : {"file:///etc/hostname", "/etc/hostname", "data:text/html,<title>Data</title>",
                              "javascript:document.title='Script'"}) {
        SCOPED_TRACE(typed);
        address->setText(QString::fromLatin1(typed));
        QTest::keyClick(address, Qt::Key_Return);
        EXPECT_TRUE(Panel2().startsWith("Not opened: only web addresses (http, https)"))
            << Panel2().toStdString();
    }
    for (const char* target : {"file:///etc/hostname", "data:text/html,<title>Data</title>"}) {
        SCOPED_TRACE(target);
        view->page()->runJavaScript(QStringLiteral("location.href = '%1'").arg(QLatin1String(target)));
        view->load(QUrl(QString::fromLatin1(target)));
        QTest::qWait(300);
    }
    QTest::qWait(500);
    EXPECT_EQ(window->windowTitle(), "Start Page");
    EXPECT_EQ(view->url(), QUrl(server.Url("/")));
}

// Run by root, the module makes no browser unless the sandbox was switched
// off knowingly: a window shows the address to copy, and no engine starts.
TEST_F(BrowserWindowTest, AsRootTheAddressIsShownInsteadOfThePage)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const QByteArray sandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    Open("www.example.org");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandbox);
    EXPECT_EQ(window->findChild<QWebEngineView*>(), nullptr);
    EXPECT_EQ(Child<QLineEdit>("RootAddressField")->text(), "www.example.org");
    EXPECT_TRUE(Child<QLineEdit>("RootAddressField")->isReadOnly());
    EXPECT_TRUE(Child<QLabel>("RootAddressText")->text().contains("runs as root"));
    window->show();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(BrowserWindowTest, EmptyAddressLoadsNothing)
{
    Open("");
    auto* view = Child<QWebEngineView>("WebBrowser1");
    QSignalSpy starts(view, &QWebEngineView::loadStarted);
    window->show();
    EXPECT_EQ(window->windowTitle(), "");

    QTest::keyClick(Child<QLineEdit>("Text1"), Qt::Key_Return);
    QTest::mouseClick(Child<QToolButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(Address(), "");

    // A real address afterwards: once it has loaded, it is the only load
    // there was and the only request the server saw.
    Child<QLineEdit>("Text1")->setText(server.Typed("/second"));
    QTest::mouseClick(Child<QToolButton>("Command3"), Qt::LeftButton);
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Second Page"));
    EXPECT_EQ(starts.count(), 1);
    EXPECT_EQ(server.Requests(), QStringList{"/second"});
}

TEST_F(BrowserWindowTest, HoveredLinkShowsInPanel1)
{
    Open(server.Typed("/").toStdString());
    window->show();
    ASSERT_TRUE(Eventually([this] { return window->windowTitle(); }, "Start Page"));
    auto* view = Child<QWebEngineView>("WebBrowser1");
    QWidget* surface = view->focusProxy() ? view->focusProxy() : view;

    // The link covers the page, so the pointer is over it wherever it moves.
    int step = 0;
    const auto hoverAndRead = [&] {
        ++step;
        QTest::mouseMove(surface, QPoint(surface->width() / 2 + step % 5, surface->height() / 2));
        return Child<QLabel>("StatusPanel1")->text();
    };
    EXPECT_TRUE(Eventually(hoverAndRead, server.Url("/second")));
}

TEST_F(BrowserWindowTest, ResizeLaysOutFromTheOuterSize)
{
    Open("");
    window->show();
    window->setWindowState(Qt::WindowNoState);
    window->resize(400, 300);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->size() == QSize(400, 300); }, 5000));
    // The offscreen platform puts a 2-pixel frame around the window; the
    // layout follows the outer size, 404 x 304 px = 6060 x 4560 twips, above
    // a 315-twip status bar.
    ASSERT_EQ(window->frameGeometry().size(), QSize(404, 304));
    ASSERT_EQ(Child<QStatusBar>("StatusBar1")->height(), 21);

    EXPECT_EQ(Child<QLabel>("StatusPanel1")->geometry(), QRect(0, 0, 202, 21));
    EXPECT_EQ(Child<QLabel>("StatusPanel2")->geometry(), QRect(202, 0, 202, 21));
    EXPECT_EQ(Child<QGroupBox>("frmBrowser")->geometry(), QRect(4, 0, 384, 283));
    EXPECT_EQ(Child<QLineEdit>("Text1")->geometry(), QRect(36, 16, 275, 21));
    EXPECT_EQ(Child<QToolButton>("Command3")->geometry(), QRect(318, 16, 53, 21));
    EXPECT_EQ(Child<QWebEngineView>("WebBrowser1")->geometry(), QRect(8, 76, 369, 133));
    EXPECT_EQ(Child<QToolButton>("Command7_1")->geometry(), QRect(132, 40, 29, 29));
}

// The engine runs without OpenGL (the program never creates a GL context for
// it) and still draws pages, and it does not complain about how the process
// was set up.
TEST_F(BrowserWindowTest, RendersPagesWithoutOpenGLOrWarnings)
{
    server.Add(
        "/blue",
        {200, HtmlPage("Blue", "<style>html,body{margin:0;height:100%;background:#3366cc}</style>"), {}});
    Open(server.Typed("/blue").toStdString());
    window->show();
    auto* view = Child<QWebEngineView>("WebBrowser1");
    const auto centrePixel = [view] {
        const QImage shot = view->grab().toImage();
        return shot.isNull() ? QString() : QColor(shot.pixel(shot.width() / 2, shot.height() / 2)).name();
    };
    EXPECT_TRUE(Eventually(centrePixel, QStringLiteral("#3366cc")));

    for (const QString& warning : test::QtWarningsSoFar()) {
        EXPECT_FALSE(warning.contains(QLatin1String("WebEngine"), Qt::CaseInsensitive) ||
                     warning.contains(QLatin1String("OpenGL"), Qt::CaseInsensitive) ||
                     warning.contains(QLatin1String("Attribute"), Qt::CaseInsensitive))
            << warning.toStdString();
    }
    const auto context = QOpenGLContext::globalShareContext();
    ASSERT_NE(context, nullptr);
    EXPECT_FALSE(context->isValid()) << "an OpenGL context was created";
}

TEST_F(BrowserWindowTest, ClosingDeletesTheWindow)
{
    Open("");
    window->show();
    QSignalSpy destroyed(window.data(), &QObject::destroyed);
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return destroyed.count() == 1; }, kEngineTimeoutMs));
}

} // namespace
} // namespace tintora
