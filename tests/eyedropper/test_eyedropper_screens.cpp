// SPDX-License-Identifier: MIT
// The eyedropper on two screens of different scale (Qt's offscreen
// platform configured by two_screens.json): one overlay per screen, each
// over its own grab, each picking the device pixel of its own screen.
#include "eyedropper/eyedropper.h"
#include "eyedropper/eyedropper_overlay.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace tintora {
namespace {

// Device pixel (x, y) of screen i has red x % 256, green y % 256, blue i.
QImage ScreenImage(QScreen* screen)
{
    const int index = static_cast<int>(QGuiApplication::screens().indexOf(screen));
    const QSize size = screen->geometry().size() * screen->devicePixelRatio();
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, index));
    return image;
}

void Click(QWidget* w, QPointF at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

TEST(EyedropperScreens, EachScreenPicksItsOwnDevicePixels)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "run with two_screens.json";
    ASSERT_EQ(screens[1]->devicePixelRatio(), 2.0);

    struct Row {
        int screen;
        QPointF logical; // relative to the screen
        Rgb expected;
    } rows[] = {
        {0, QPointF(300, 200), Rgb{300 % 256, 200, 0}},
        {1, QPointF(10, 20), Rgb{20, 40, 1}},
        {1, QPointF(10.5, 20.5), Rgb{21, 41, 1}},
        {1, QPointF(399.5, 299.5), Rgb{799 % 256, 599 % 256, 1}},
    };
    for (const Row& row : rows) {
        Eyedropper dropper;
        dropper.setScreenGrabber(ScreenImage);
        QSignalSpy picked(&dropper, &Eyedropper::picked);
        dropper.start();
        const QList<EyedropperOverlay*> overlays = dropper.overlays();
        ASSERT_EQ(overlays.size(), 2);
        EyedropperOverlay* overlay = nullptr;
        for (EyedropperOverlay* o : overlays)
            if (o->geometry() == screens[row.screen]->geometry())
                overlay = o;
        ASSERT_TRUE(overlay) << "no overlay covers screen " << row.screen;
        // The grab is shown 1:1 on device pixels, at the corners too.
        const QImage shown = overlay->grab().toImage();
        const QSize device = screens[row.screen]->geometry().size() * screens[row.screen]->devicePixelRatio();
        ASSERT_EQ(shown.size(), device);
        for (const QPoint p : {QPoint(1, 1), QPoint(device.width() - 1, device.height() - 1)})
            EXPECT_EQ(shown.pixel(p), qRgb(p.x() % 256, p.y() % 256, row.screen)) << "screen " << row.screen;
        Click(overlay, row.logical);
        ASSERT_EQ(picked.count(), 1);
        EXPECT_EQ(picked.at(0).at(0).value<Rgb>(), row.expected) << "screen " << row.screen;
        EXPECT_TRUE(dropper.overlays().isEmpty());
    }
}

} // namespace
} // namespace tintora
