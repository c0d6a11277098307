// SPDX-License-Identifier: MIT
// What a user sees and does through the real window: the markers where the
// numbers put them, channels and codes that match the pixel, the palette
// file in the grid, the desktop's colours, and the keyboard alone.
// Expected values are worked out here, never read from the drawing code.
#include "main_window_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>

namespace tintora::testing {
namespace {

using MainWindowSeen = MainWindowTest;

bool Inverted(const QImage& shown, const QImage& base, int x, int y)
{
    return shown.pixel(x, y) == (0xFF000000u | (~base.pixel(x, y) & 0x00FFFFFFu));
}

// The ring is centred on the picked pixel: its four axis points lie five
// pixels away, its centre and the sixth pixel out are untouched. The dashes
// cover the marker row and one row either side, left and right of the strip.
TEST_F(MainWindowSeen, MarkersSitWhereThePickAndTheTypedHuePutThem)
{
    for (auto [x, y] : {std::pair{138, 138}, {40, 200}, {250, 30}}) {
        click(x, y);
        const QImage base = form->surface().image();
        const QImage shown = form->composedImage();
        SCOPED_TRACE(::testing::Message() << x << "," << y);
        EXPECT_FALSE(Inverted(shown, base, x, y));
        for (auto [dx, dy] : {std::pair{5, 0}, {-5, 0}, {0, 5}, {0, -5}})
            EXPECT_TRUE(Inverted(shown, base, x + dx, y + dy)) << dx << "," << dy;
        for (auto [dx, dy] : {std::pair{6, 0}, {-6, 0}, {0, 6}, {0, -6}})
            EXPECT_FALSE(Inverted(shown, base, x + dx, y + dy)) << dx << "," << dy;
    }
    // Hue 180: 265 - 180 * 255 / 360 = 137.5, whose nearest row is 138.
    type("txtH", QStringLiteral("180"));
    const QImage base = form->surface().image();
    const QImage shown = form->composedImage();
    for (int row : {137, 138, 139}) {
        EXPECT_TRUE(Inverted(shown, base, 273, row)) << row;
        EXPECT_TRUE(Inverted(shown, base, 295, row)) << row;
    }
    EXPECT_FALSE(Inverted(shown, base, 273, 136));
    EXPECT_FALSE(Inverted(shown, base, 273, 140));
}

// Picks where green and blue differ, so a swap of the two would show.
TEST_F(MainWindowSeen, ChannelFieldsAndCodesMatchThePickedPixel)
{
    struct Row {
        const char* option;
        int x, y;
    };
    const Row rows[] = {{"optH", 150, 60}, {"optS", 60, 80}, {"optB", 200, 40}, {"optS", 230, 150}};
    click(282, 100); // a hue whose plane has green and blue apart
    for (const Row& row : rows) {
        SCOPED_TRACE(row.option);
        child<QRadioButton>(row.option)->setChecked(true);
        click(row.x, row.y);
        const std::int32_t c = form->colorModel().CurrentColor();
        const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
        ASSERT_NE(g, b);
        EXPECT_EQ(text("Text1"), QString::number(r));
        EXPECT_EQ(text("Text2"), QString::number(g));
        EXPECT_EQ(text("Text3"), QString::number(b));
        EXPECT_EQ(text("txtColor2"), QStringLiteral("RGB(%1, %2, %3)").arg(r).arg(g).arg(b));
        EXPECT_EQ(text("txtColor4"), QStringLiteral("#%1%2%3")
                                         .arg(r, 2, 16, QLatin1Char('0'))
                                         .arg(g, 2, 16, QLatin1Char('0'))
                                         .arg(b, 2, 16, QLatin1Char('0'))
                                         .toUpper());
        const QColor swatch = child<QLabel>("lblSelColor")->palette().color(QPalette::Window);
        EXPECT_EQ(swatch, QColor(r, g, b));
    }
}

TEST_F(MainWindowSeen, CustomGridShowsEachSlotOfThePaletteFile)
{
    auto colour = [](int k) { return (k * 40503 + 977) & 0xFFFFFF; };
    {
        QFile f(programDir.filePath(QStringLiteral("usercolors.cps")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("0\r\n"); // slot 0 has no cell
        for (int k = 1; k <= 224; ++k)
            f.write(QByteArray::number(colour(k)) + "\r\n");
    }
    child<QAbstractButton>("Command3")->click();
    for (int k = 1; k <= 224; ++k) {
        const int x = 10 + 18 * ((k - 1) % 16) + 7, y = 10 + 18 * ((k - 1) / 16) + 7;
        ASSERT_EQ(pixel(x, y), colour(k)) << k;
    }
    click(10 + 18 * 4 + 7, 10 + 18 * 2 + 7); // cell 37
    EXPECT_EQ(form->colorModel().CurrentColor(), colour(37));
}

// The system-colour fields follow the application's palette: a distinctive
// tooltip background is recognised as system colour 24.
TEST_F(MainWindowSeen, SystemColoursComeFromTheApplicationPalette)
{
    const QPalette saved = QApplication::palette();
    QPalette p = saved;
    p.setColor(QPalette::ToolTipBase, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(p);
    QApplication::processEvents();
    form->LoadColorDialog(0x00563412);
    form->showSwatch(SwatchId::New);
    EXPECT_EQ(text("txtColor6"), QStringLiteral("vbInfoBackground"));
    EXPECT_EQ(text("txtColor7"), QStringLiteral("&H80000018&"));
    QApplication::setPalette(saved);
}

TEST_F(MainWindowSeen, KeyboardAloneMovesTheRingAndTheSliderAndPicks)
{
    click(100, 100);
    auto* plane = child("planeArea");
    plane->setFocus();
    QTest::keyClick(plane, Qt::Key_Right);
    EXPECT_EQ(form->picker().layout().SelX, 101);
    QTest::keyClick(plane, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(form->picker().layout().SelY, 90);
    EXPECT_EQ(form->colorModel().CurrentColor(), pixel(101, 90));
    // Saturation 91 * 100 / 255 and brightness 175 * 100 / 255, floored.
    EXPECT_EQ(text("txtS"), QStringLiteral("35"));
    EXPECT_EQ(text("txtB"), QStringLiteral("68"));

    auto* slider = child("sliderArea");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(form->picker().MarkerRow(), 255);
    // floor(10 * 360 / 255) = 14; the plane is rendered for that hue and the
    // colour under the ring is current.
    EXPECT_EQ(text("txtH"), QStringLiteral("14"));
    EXPECT_EQ(form->colorModel().CurrentColor(), pixel(101, 90));
    EXPECT_EQ(pixel(265, 10), pixel(282, 255));
}

TEST_F(MainWindowSeen, KeyboardWalksTheGridAndClicksSwatches)
{
    child<QAbstractButton>("Command3")->click();
    auto* list = child<QComboBox>("cmbPreset");
    list->setCurrentIndex(1);
    form->palettePanel().onPresetChosen();
    auto* grid = child("planeArea");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(form->palettes().SelectedCell(), 18);
    const std::int32_t before = form->colorModel().CurrentColor();
    EXPECT_EQ(before, 0x000000FF); // moving alone picks nothing
    QTest::keyClick(grid, Qt::Key_Return);
    // Web-safe colour 18: (0, 51 * 2, 51 * 5).
    EXPECT_EQ(form->colorModel().CurrentColor(), 0x00FF6600);
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#0066FF"));

    form->keepColor();
    form->LoadColorDialog(0);
    auto* old = child("Label2");
    old->setFocus();
    QTest::keyClick(old, Qt::Key_Space);
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#0066FF"));
}

// The Enter that closes the hue message arrives at the hue field as a key
// release without its press: it must not count as typing and ask again.
TEST_F(MainWindowSeen, HueMessageCannotReopenItself)
{
    type("txtH", QStringLiteral("400"));
    ASSERT_EQ(messages.size(), 1);
    auto* hue = child<QLineEdit>("txtH");
    QTest::keyRelease(hue, Qt::Key_Return);
    QTest::keyRelease(hue, Qt::Key_Escape);
    EXPECT_EQ(messages.size(), 1);
    QTest::keyClick(hue, Qt::Key_End);
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(MainWindowSeen, F1AsksForTheHelp)
{
    int asked = 0;
    QObject::connect(form.get(), &MainWindow::helpRequested, [&] { ++asked; });
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(child("txtS"), Qt::Key_F1);
    EXPECT_EQ(asked, 1);
}

TEST_F(MainWindowSeen, WindowOpensCentredWithTheDegreeSignWhole)
{
    // Centred to within the rounding of odd sizes; the corner is far away.
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_LE((form->frameGeometry().center() - screen.center()).manhattanLength(), 4);

    // The label shows as many inked rows as the glyph has when drawn with
    // room to spare, and none of them on its edges.
    auto inkedRows = [](const QImage& img) {
        const QRgb back = img.pixel(img.width() - 1, img.height() - 1);
        int top = img.height(), bottom = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != back) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return std::pair{top, bottom};
    };
    auto* degree = child<QLabel>("lblH");
    const auto [top, bottom] = inkedRows(degree->grab().toImage());
    ASSERT_GE(bottom, 0) << "no degree sign drawn";
    QImage free(40, 40, QImage::Format_RGB32);
    free.fill(Qt::white);
    {
        QPainter p(&free);
        p.setFont(degree->font());
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, 40, 40), Qt::AlignCenter, QStringLiteral("\u00B0"));
    }
    const auto [freeTop, freeBottom] = inkedRows(free);
    EXPECT_EQ(bottom - top, freeBottom - freeTop);
    EXPECT_GT(top, 0);
    EXPECT_LT(bottom, degree->height() - 1);
}

} // namespace
} // namespace tintora::testing
