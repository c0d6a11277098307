// SPDX-License-Identifier: MIT
// The eyedropper's overlays through the real widgets, with an injected
// screen image whose every pixel has a colour of its own.
#include "eyedropper/eyedropper.h"
#include "eyedropper/eyedropper_overlay.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace tintora {
namespace {

// Pixel (x, y) has red x % 256, green y % 256, blue 7: a wrong pixel by one
// shows in the channels.
QImage Numbered(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb(x % 256, y % 256, 7);
    }
    return image;
}

struct Outcome {
    std::unique_ptr<QSignalSpy> picked, cancelled, failed;
};

class EyedropperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dropper.setScreenGrabber([](QScreen* s) { return Numbered(s->size() * s->devicePixelRatio()); });
        spies.picked = std::make_unique<QSignalSpy>(&dropper, &Eyedropper::picked);
        spies.cancelled = std::make_unique<QSignalSpy>(&dropper, &Eyedropper::cancelled);
        spies.failed = std::make_unique<QSignalSpy>(&dropper, &Eyedropper::failed);
    }

    EyedropperOverlay* Open()
    {
        dropper.start();
        const QList<EyedropperOverlay*> open = dropper.overlays();
        EXPECT_EQ(open.size(), QGuiApplication::screens().size());
        if (open.isEmpty())
            return nullptr;
        EyedropperOverlay* overlay = open.first();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(overlay));
        return overlay;
    }

    // The one signal the run ended with.
    QString Ended() const
    {
        const int n = spies.picked->count() + spies.cancelled->count() + spies.failed->count();
        if (n != 1)
            return QStringLiteral("%1 signals").arg(n);
        if (spies.picked->count())
            return QStringLiteral("picked");
        return spies.cancelled->count() ? QStringLiteral("cancelled") : QStringLiteral("failed");
    }

    Rgb PickedColor() const { return spies.picked->at(0).at(0).value<Rgb>(); }

    Eyedropper dropper;
    Outcome spies;
};

TEST_F(EyedropperTest, KeysMoveThePickAndEnterPicksIt)
{
    struct Row {
        const char* name;
        QList<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        int dx, dy;
    } rows[] = {
        {"Right", {{Qt::Key_Right, Qt::NoModifier}}, 1, 0},
        {"Left Up", {{Qt::Key_Left, Qt::NoModifier}, {Qt::Key_Up, Qt::NoModifier}}, -1, -1},
        {"Shift+Down", {{Qt::Key_Down, Qt::ShiftModifier}}, 0, 10},
        {"Shift+Left Right", {{Qt::Key_Left, Qt::ShiftModifier}, {Qt::Key_Right, Qt::NoModifier}}, -9, 0},
    };
    for (const Row& row : rows) {
        SetUp();
        EyedropperOverlay* overlay = Open();
        ASSERT_TRUE(overlay);
        QTest::mouseMove(overlay, QPoint(100, 50));
        ASSERT_EQ(overlay->currentPixel(), QPoint(100, 50)) << row.name;
        for (const auto& [key, mods] : row.keys)
            QTest::keyClick(overlay, key, mods);
        QTest::keyClick(overlay, Qt::Key_Return);
        ASSERT_EQ(Ended(), QStringLiteral("picked")) << row.name;
        EXPECT_EQ(PickedColor(), (Rgb{100 + row.dx, 50 + row.dy, 7})) << row.name;
        EXPECT_TRUE(dropper.overlays().isEmpty()) << row.name;
        EXPECT_FALSE(dropper.running());
    }
}

TEST_F(EyedropperTest, AClickPicksThePixelUnderThePointer)
{
    EyedropperOverlay* overlay = Open();
    ASSERT_TRUE(overlay);
    QTest::mouseMove(overlay, QPoint(30, 20));
    QTest::mouseClick(overlay, Qt::LeftButton, Qt::NoModifier, QPoint(201, 123));
    ASSERT_EQ(Ended(), QStringLiteral("picked"));
    EXPECT_EQ(PickedColor(), (Rgb{201, 123, 7}));
}

TEST_F(EyedropperTest, EscapeAndRightClickCancel)
{
    for (const bool rightClick : {false, true}) {
        SetUp();
        EyedropperOverlay* overlay = Open();
        ASSERT_TRUE(overlay);
        QTest::keyClick(overlay, Qt::Key_Right);
        if (rightClick)
            QTest::mouseClick(overlay, Qt::RightButton, Qt::NoModifier, QPoint(40, 40));
        else
            QTest::keyClick(overlay, Qt::Key_Escape);
        EXPECT_EQ(Ended(), QStringLiteral("cancelled")) << "right click: " << rightClick;
        EXPECT_TRUE(dropper.overlays().isEmpty());
    }
}

// The overlays of one pick are shown again for the next, over a new grab.
TEST_F(EyedropperTest, APickAfterAnotherSeesTheScreenAnew)
{
    const QRgb fills[] = {qRgb(1, 2, 3), qRgb(40, 50, 60)};
    for (const QRgb fill : fills) {
        SetUp();
        dropper.setScreenGrabber([fill](QScreen* s) {
            QImage image(s->size(), QImage::Format_RGB32);
            image.fill(fill);
            return image;
        });
        EyedropperOverlay* overlay = Open();
        ASSERT_TRUE(overlay);
        QTest::mouseClick(overlay, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
        ASSERT_EQ(Ended(), QStringLiteral("picked"));
        EXPECT_EQ(PickedColor(), (Rgb{qRed(fill), qGreen(fill), qBlue(fill)}));
    }
}

TEST_F(EyedropperTest, AScreenThatCannotBeReadFailsWithAMessage)
{
    dropper.setScreenGrabber([](QScreen*) { return QImage(); });
    dropper.start();
    ASSERT_EQ(Ended(), QStringLiteral("failed"));
    EXPECT_TRUE(spies.failed->at(0).at(0).toString().contains(QStringLiteral("could not be read")));
    EXPECT_TRUE(dropper.overlays().isEmpty());
    EXPECT_FALSE(dropper.running());
}

// An arrow key moves the magnifier and its centre by one device pixel.
TEST(EyedropperOverlay, AKeyMovesTheMagnifierOnePixel)
{
    EyedropperOverlay overlay(Numbered(QSize(800, 600)), 1.0, QRect(0, 0, 800, 600));
    overlay.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&overlay));
    // Set after showing: the pointer's arrival would move it.
    overlay.setCurrentPixel(QPoint(100, 100));
    const QRect before = overlay.magnifierRect();
    QTest::keyClick(&overlay, Qt::Key_Right);
    const QRect after = overlay.magnifierRect();
    EXPECT_EQ(after, before.translated(1, 0));
    // The magnifier shows the new centre pixel's code and colour.
    const QImage shown = overlay.grab().toImage();
    const QPoint centre =
        after.topLeft() + QPoint(1 + 5 * EyedropperOverlay::kZoom + 4, 1 + 5 * EyedropperOverlay::kZoom + 4);
    EXPECT_EQ(shown.pixel(centre), qRgb(101, 100, 7));
    const QPoint leftNeighbour = centre - QPoint(EyedropperOverlay::kZoom, 0);
    EXPECT_EQ(shown.pixel(leftNeighbour), qRgb(100, 100, 7));
}

} // namespace
} // namespace tintora
