// SPDX-License-Identifier: MIT
#pragma once

#include "mainwin/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tintora::testing {

// A loaded main window on the offscreen platform, with its palette file in
// a fresh temporary folder and messages recorded instead of shown.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        form = std::make_unique<MainWindow>(programDir.path(), userDir.path() + QStringLiteral("/user"));
        form->setMessageHook([this](const QString& title, const QString& text) {
            messages << text;
            lastTitle = title;
        });
        form->Load();
        QApplication::processEvents();
    }

    template <typename T = QWidget> T* child(const char* name) const
    {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) const { return child<QLineEdit>(name)->text(); }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, double x, double y)
    {
        const QPointF local(x, y);
        QMouseEvent e(type, local, form->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &e);
    }
    void press(double x, double y, Qt::MouseButton b = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, b, b, x, y);
    }
    void drag(double x, double y, Qt::MouseButtons held = Qt::LeftButton)
    {
        send(QEvent::MouseMove, Qt::NoButton, held, x, y);
    }
    void release(double x, double y, Qt::MouseButton b = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, b, Qt::NoButton, x, y);
    }
    void click(double x, double y)
    {
        press(x, y);
        release(x, y);
    }
    // Replaces a field's text and releases a key in it, as typing does.
    void type(const char* field, const QString& value)
    {
        auto* f = child<QLineEdit>(field);
        f->setText(value);
        QTest::keyClick(f, Qt::Key_End);
    }
    std::int32_t pixel(int x, int y) const { return form->surface().Point(x, y); }

    QTemporaryDir programDir;
    QTemporaryDir userDir;
    std::unique_ptr<MainWindow> form;
    QStringList messages;
    QString lastTitle;
};

inline std::int32_t Rgb(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

} // namespace tintora::testing
