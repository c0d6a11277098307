// SPDX-License-Identifier: MIT
// Linked with other branding values than the shipped ones: the main window
// takes every name from them without a change to its code.
#include "mainwin/main_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace tintora {
namespace {

TEST(MainWindowRebrand, TitleAndWebSiteButtonFollowTheBranding)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    MainWindow form(dir.path(), dir.path());
    form.setMessageHook([](const QString&, const QString&) {});
    form.Load();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Farbwerk by Example Owner Ltd"));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("Command4"))->text(),
              QStringLiteral("Visit www.farbwerk.example"));
    // A message carries the product name as its title.
    QString title;
    form.setMessageHook([&](const QString& t, const QString&) { title = t; });
    auto* hue = form.findChild<QLineEdit*>(QStringLiteral("txtH"));
    hue->setText(QStringLiteral("400"));
    QTest::keyClick(hue, Qt::Key_End);
    EXPECT_EQ(title, QStringLiteral("Farbwerk"));
}

} // namespace
} // namespace tintora
