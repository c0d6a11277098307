// SPDX-License-Identifier: MIT
#include "shell/browser/browser_address.h"
#include "shell/browser/browser_layout.h"

#include <gtest/gtest.h>

namespace tintora {
namespace {

struct LayoutCase {
    const char* what;
    int w, h, statusBar;
    BrowserLayout expected;
};

TEST(ComputeBrowserLayout, FollowsTheOuterSizeWithAbsoluteValues)
{
    // Expected values worked out by hand from the resize rule.
    const LayoutCase cases[] = {
        {"design size", 10545, 8580, 315, {5272.5, 5272.5, 8265, 10245, 8610, 9250, 10025, 6010}},
        {"maximised on 1920 x 1080",
         28800,
         16200,
         315,
         {14400, 14400, 15885, 28500, 26865, 27505, 28280, 13630}},
        {"200 twips wide: frame width 100", 200, 300, 315, {100, 100, 15, 100, 1535, 2175, 120, 2240}},
        {"zero size", 0, 0, 0, {0, 0, 0, 300, 1335, 1975, 80, 1940}},
        {"address field exactly used up", 1935, 2255, 315, {967.5, 967.5, 1940, 1635, 0, 640, 1415, 315}},
        {"odd width halves to a half twip", 301, 5000, 0, {150.5, 150.5, 5000, 1, 1634, 2274, 219, 3060}},
        {"taller status bar is taken off twice",
         6000,
         4500,
         600,
         {3000, 3000, 3900, 5700, 4065, 4705, 5480, 1360}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.what);
        const BrowserLayout l = ComputeBrowserLayout(c.w, c.h, c.statusBar);
        EXPECT_DOUBLE_EQ(l.panel1Width, c.expected.panel1Width);
        EXPECT_DOUBLE_EQ(l.panel2Width, c.expected.panel2Width);
        EXPECT_EQ(l.frameHeight, c.expected.frameHeight);
        EXPECT_EQ(l.frameWidth, c.expected.frameWidth);
        EXPECT_EQ(l.text1Width, c.expected.text1Width);
        EXPECT_EQ(l.command3Left, c.expected.command3Left);
        EXPECT_EQ(l.browserWidth, c.expected.browserWidth);
        EXPECT_EQ(l.browserHeight, c.expected.browserHeight);
    }
}

TEST(ComputeBrowserLayout, NoSizeIsNegativeForAnySmallWindow)
{
    for (int w = 0; w <= 3000; w += 15) {
        for (int h = 0; h <= 3000; h += 15) {
            const BrowserLayout l = ComputeBrowserLayout(w, h, 315);
            ASSERT_GE(l.frameHeight, 0) << w << " x " << h;
            ASSERT_GE(l.frameWidth, 0) << w << " x " << h;
            ASSERT_GE(l.text1Width, 0) << w << " x " << h;
            ASSERT_GE(l.browserWidth, 0) << w << " x " << h;
            ASSERT_GE(l.browserHeight, 0) << w << " x " << h;
            // The go button always sits 100 twips right of the address field.
            ASSERT_EQ(l.command3Left, l.text1Width + kText1Left + 100);
        }
    }
}

TEST(TwipsToPixels, FifteenTwipsPerPixelRoundedToNearestEven)
{
    const struct {
        double twips;
        int pixels;
    } cases[] = {
        {0, 0},   {15, 1},   {120, 8},  {1140, 76},    {795, 53},    {435, 29},   {7, 0},    {8, 1},
        {7.5, 0}, {22.5, 2}, {37.5, 2}, {5272.5, 352}, {10545, 703}, {8580, 572}, {-15, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;
    EXPECT_EQ(PixelsToTwips(703), 10545);
}

TEST(AddressToUrl, TurnsTypedAddressesIntoLoadableUrls)
{
    const struct {
        const char* typed;
        const char* url;
    } cases[] = {
        {"www.example.org", "http://www.example.org"},
        {"www.varnholtsoftware.example", "http://www.varnholtsoftware.example"},
        {"  www.example.org \t", "http://www.example.org"},
        {"localhost", "http://localhost"},
        {"127.0.0.1:8080/page.html", "http://127.0.0.1:8080/page.html"},
        {"example.org/a/b?x=1#top", "http://example.org/a/b?x=1#top"},
        {"http://example.org/a", "http://example.org/a"},
        {"https://example.org/", "https://example.org/"},
        {"/tmp/page.html", "file:///tmp/page.html"},
        {"file:///tmp/page.html", "file:///tmp/page.html"},
        {"about:blank", "about:blank"},
    };
    for (const auto& c : cases) {
        const QUrl url = AddressToUrl(QString::fromUtf8(c.typed));
        EXPECT_TRUE(url.isValid()) << c.typed;
        EXPECT_EQ(url.toString().toStdString(), c.url) << c.typed;
    }
}

TEST(AddressToUrl, BlankInputGivesNoUrl)
{
    for (const char* typed : {"", " ", "\t \n"}) {
        const QUrl url = AddressToUrl(QString::fromUtf8(typed));
        EXPECT_FALSE(url.isValid()) << '"' << typed << '"';
        EXPECT_TRUE(url.isEmpty()) << '"' << typed << '"';
    }
}

TEST(AddressToUrl, OnlyWebAddressesAreOpenedOrNavigatedTo)
{
    const struct {
        const char* url;
        bool web;
        bool subFrame;
    } rows[] = {
        {"http://www.example.org/", true, true},
        {"HTTPS://example.org/a?b#c", true, true},
        {"file:///etc/shadow", false, false},
        {"file://localhost/etc/shadow", false, false},
        {"data:text/html,<b>x</b>", false, false},
        {"javascript:alert(1)", false, false},
        {"ftp://example.org/", false, false},
        {"http:///nohost", false, false},
        {"about:blank", false, true},
        {"about:srcdoc", false, true},
        {"about:config", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.url);
        const QUrl url(QString::fromLatin1(row.url));
        EXPECT_EQ(IsWebAddress(url), row.web);
        EXPECT_EQ(NavigationAllowed(url, true), row.web);
        EXPECT_EQ(NavigationAllowed(url, false), row.subFrame);
    }
    EXPECT_FALSE(IsWebAddress(AddressToUrl(QStringLiteral("/etc/passwd"))));
    EXPECT_TRUE(IsWebAddress(AddressToUrl(QStringLiteral("www.example.org"))));
}

} // namespace
} // namespace tintora
