// SPDX-License-Identifier: MIT
#include "main_window_fixture.h"

#include "core/color_steps.h"
#include "picker/renderers.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRadioButton>

namespace tintora::testing {
namespace {

using MainWindowPicker = MainWindowTest;

int CountChangedPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// What the markers alone add to the picture: one ring and one pair of dashes.
int MarkerPixels(const PickerLayout& l, const QImage& base)
{
    QImage marked = base.copy();
    Surface::InvertCircle(marked, l.SelX, l.SelY, 5);
    const int row = static_cast<int>(std::nearbyint(l.SliderY));
    Surface::InvertHLine(marked, 294, 297, row, 3);
    Surface::InvertHLine(marked, 272, 275, row, 3);
    return CountChangedPixels(base, marked);
}

TEST_F(MainWindowPicker, StartUpDrawsPureRedWithOneRingAndOnePairOfDashes)
{
    const PickerLayout& l = form->picker().layout();
    EXPECT_EQ(l.SelX, 265);
    EXPECT_EQ(l.SelY, 10);
    EXPECT_EQ(l.SliderY, 265.f);
    // Under the ring's centre: the plane's top right pixel, pure red.
    EXPECT_EQ(pixel(265, 10), Rgb(255, 0, 0));
    EXPECT_EQ(pixel(10, 10), Rgb(255, 255, 255));
    EXPECT_EQ(pixel(100, 265), 0);
    // The strip: red at both ends, blue at row 85 from the top.
    for (int x = 277; x <= 291; ++x) {
        EXPECT_EQ(pixel(x, 10), Rgb(255, 0, 0));
        EXPECT_EQ(pixel(x, 265), Rgb(255, 0, 0));
        EXPECT_EQ(pixel(x, 95), Rgb(0, 0, 255));
    }
    const QImage composed = form->composedImage();
    EXPECT_EQ(CountChangedPixels(form->surface().image(), composed),
              MarkerPixels(l, form->surface().image()));
    EXPECT_EQ(composed.pixel(265, 10), form->surface().image().pixel(265, 10));
    // The window shows exactly that picture.
    // (The history frame begins at row 264.)
    const QImage shown = form->grab(QRect(0, 0, 300, 264)).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(CountChangedPixels(shown, composed.copy(0, 0, 300, 264)), 0);
    // The pure red under the ring is current from the start: the codes, the
    // "New" swatch and the fields all describe it.
    EXPECT_EQ(text("txtColor2"), QStringLiteral("RGB(255, 0, 0)"));
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#FF0000"));
    EXPECT_EQ(child<QLabel>("lblSelColor")->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST_F(MainWindowPicker, PlanePickInHueModeWritesSaturationAndBrightness)
{
    press(138, 138);
    release(138, 138);
    EXPECT_EQ(text("txtS"), QStringLiteral("50"));
    EXPECT_EQ(text("txtB"), QStringLiteral("49"));
    const std::int32_t c = pixel(138, 138);
    EXPECT_EQ(form->colorModel().CurrentColor(), c);
    EXPECT_EQ(text("Text1"), QString::number(c & 0xFF));
    EXPECT_EQ(text("Text2"), QString::number((c >> 8) & 0xFF));
    EXPECT_EQ(child<QLabel>("lblSelColor")->palette().color(QPalette::Window).rgb(),
              QColor(c & 0xFF, (c >> 8) & 0xFF, c >> 16).rgb());
    EXPECT_EQ(text("txtColor2"),
              QStringLiteral("RGB(%1, %2, %3)").arg(c & 0xFF).arg((c >> 8) & 0xFF).arg((c >> 16) & 0xFF));
    EXPECT_EQ(form->picker().layout().SelX, 138);
}

TEST_F(MainWindowPicker, PlaneEdgesAreInsideAndOneColumnPastIsNot)
{
    press(10, 100);
    EXPECT_TRUE(form->picker().PlaneDragging());
    release(10, 100);
    press(265, 100);
    EXPECT_TRUE(form->picker().PlaneDragging());
    release(265, 100);
    press(266, 100);
    EXPECT_FALSE(form->picker().PlaneDragging());
    EXPECT_FALSE(form->picker().SliderDragging());
    release(266, 100);
}

TEST_F(MainWindowPicker, SliderPicksInHueModeWriteTheHue)
{
    const struct {
        int y;
        const char* hue;
    } rows[] = {{10, "360"}, {137, "180"}, {265, "0"}, {11, "358"}};
    for (const auto& row : rows) {
        press(282, row.y);
        EXPECT_EQ(text("txtH"), QString::fromLatin1(row.hue)) << row.y;
        release(282, row.y);
    }
}

TEST_F(MainWindowPicker, SliderZoneReachesTenPixelsRightOfTheStrip)
{
    press(302, 137);
    EXPECT_TRUE(form->picker().SliderDragging());
    release(302, 137);
    press(303, 137);
    EXPECT_FALSE(form->picker().SliderDragging());
    release(303, 137);
    press(276, 137);
    EXPECT_FALSE(form->picker().SliderDragging());
    release(276, 137);
    // Above the strip the press is clamped to its top row.
    press(282, 8);
    EXPECT_EQ(form->picker().layout().SliderY, 10.f);
    EXPECT_EQ(text("txtH"), QStringLiteral("360"));
    release(282, 8);
}

TEST_F(MainWindowPicker, RightButtonChangesNothingButAnyReleaseEndsADrag)
{
    const QString before = text("txtS");
    press(100, 100, Qt::RightButton);
    EXPECT_FALSE(form->picker().PlaneDragging());
    drag(120, 120, Qt::RightButton);
    EXPECT_EQ(text("txtS"), before);
    EXPECT_EQ(form->picker().layout().SelX, 265);

    press(100, 100);
    EXPECT_TRUE(form->picker().PlaneDragging());
    release(100, 100, Qt::RightButton);
    EXPECT_FALSE(form->picker().PlaneDragging());
}

TEST_F(MainWindowPicker, DraggingOffTheWindowKeepsTheRingOnThePlaneEdge)
{
    press(100, 100);
    drag(-500, 900);
    EXPECT_EQ(form->picker().layout().SelX, 10);
    EXPECT_EQ(form->picker().layout().SelY, 265);
    EXPECT_EQ(text("txtB"), QStringLiteral("0"));
    drag(2000, -40);
    EXPECT_EQ(form->picker().layout().SelX, 265);
    EXPECT_EQ(form->picker().layout().SelY, 10);
    EXPECT_EQ(form->colorModel().CurrentColor(), pixel(265, 10));
    release(2000, -40);
}

// Every moment of a hue-strip drag shows one colour: the plane is drawn for
// the new hue, and New, the codes and R, G, B give the pixel under the
// ring. The release changes nothing.
TEST_F(MainWindowPicker, HueStripDragShowsOneColourAtEveryMove)
{
    const std::int32_t planeBefore = pixel(138, 138);
    const PickerLayout& l = form->picker().layout();
    const auto agree = [&](const char* when) {
        const std::int32_t c = pixel(l.SelX, l.SelY);
        EXPECT_EQ(form->colorModel().CurrentColor(), c) << when;
        EXPECT_EQ(child<QLabel>("lblSelColor")->palette().color(QPalette::Window),
                  QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF))
            << when;
        EXPECT_EQ(text("Text1") + "," + text("Text2") + "," + text("Text3"),
                  QStringLiteral("%1,%2,%3").arg(c & 0xFF).arg((c >> 8) & 0xFF).arg((c >> 16) & 0xFF))
            << when;
    };
    press(282, 137);
    agree("press");
    drag(282, 180);
    EXPECT_NE(pixel(138, 138), planeBefore);
    agree("move");
    drag(282, 60);
    agree("second move");
    const QString codes = text("txtColor4") + text("Text1") + text("txtH");
    release(282, 60);
    agree("release");
    EXPECT_EQ(text("txtColor4") + text("Text1") + text("txtH"), codes);
}

// Undo and redo step "New" through its changes, a whole drag as one step,
// each colour made current exactly; Keep is no step, and a text field keeps
// Ctrl+Z for its own undo.
TEST_F(MainWindowPicker, UndoAndRedoStepThroughTheColoursOfNew)
{
    const std::int32_t red = form->state().newColor;
    click(60, 60);
    const std::int32_t first = form->state().newColor;
    press(100, 100);
    drag(150, 120);
    drag(200, 200);
    release(200, 200);
    const std::int32_t dragged = form->state().newColor;
    form->keepColor();
    const auto step = [&](QKeySequence keys, std::int32_t want, const char* what) {
        QTest::keySequence(form.get(), keys);
        EXPECT_EQ(form->state().newColor, want) << what;
        EXPECT_EQ(form->colorModel().CurrentColor(), want) << what;
    };
    step(QKeySequence::Undo, first, "the drag undone at once");
    step(QKeySequence::Undo, red, "the click undone");
    step(QKeySequence::Undo, red, "nothing before the start");
    step(QKeySequence(Qt::CTRL | Qt::Key_Y), first, "redone");
    step(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), dragged, "redone again");
    auto* html = child<QLineEdit>("txtColor4");
    html->setFocus();
    QTest::keyClick(html, Qt::Key_Backspace);
    QTest::keySequence(html, QKeySequence::Undo);
    EXPECT_EQ(form->state().newColor, dragged);
    EXPECT_EQ(html->text(),
              QStringLiteral("#%1").arg(SplitColor(dragged).ToRrggbb(), 6, 16, QLatin1Char('0')).toUpper());

    ColorSteps steps; // a long session keeps the latest steps
    for (ColorRef c = 1; c <= 300; ++c)
        steps.Record(c - 1, c);
    int undone = 0;
    while (steps.Undo())
        ++undone;
    EXPECT_EQ(undone, static_cast<int>(ColorSteps::Capacity));
}

TEST_F(MainWindowPicker, ModeSwitchToHuePlacesRingFromTheFields)
{
    child<QRadioButton>("optS")->setChecked(true);
    child<QLineEdit>("txtH")->setText(QStringLiteral("180"));
    child<QLineEdit>("txtS")->setText(QStringLiteral("50"));
    child<QLineEdit>("txtB")->setText(QStringLiteral("49"));
    child<QRadioButton>("optH")->setChecked(true);
    const PickerLayout& l = form->picker().layout();
    EXPECT_EQ(l.SliderY, 137.f);
    EXPECT_EQ(l.SelX, 138);
    EXPECT_EQ(l.SelY, 140);
    // A mode switch rebuilds the view around the colour; the colour the
    // codes and "New" describe stays the start-up red.
    EXPECT_EQ(form->colorModel().CurrentColor(), Rgb(255, 0, 0));
    EXPECT_EQ(text("txtColor2"), QStringLiteral("RGB(255, 0, 0)"));
    EXPECT_EQ(child<QLabel>("lblSelColor")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(text("Text1") + text("Text2") + text("Text3"), QStringLiteral("25500"));
}

TEST_F(MainWindowPicker, SaturationAndBrightnessModesDrawTheirPlanesAndStrips)
{
    child<QLineEdit>("txtS")->setText(QStringLiteral("50"));
    child<QRadioButton>("optB")->setChecked(true);
    EXPECT_EQ(form->picker().layout().SelY, 138);
    EXPECT_EQ(pixel(10, 265), Rgb(255, 255, 255)); // brightness plane: white bottom row
    press(265, 100);
    EXPECT_EQ(text("txtH"), QStringLiteral("360"));
    // The strip runs from the picked colour (top) to black (bottom).
    EXPECT_EQ(pixel(280, 265), 0);
    EXPECT_EQ(pixel(280, 10), pixel(265, 100));
    release(265, 100);

    child<QRadioButton>("optS")->setChecked(true);
    EXPECT_EQ(pixel(100, 265), 0); // saturation plane: black bottom row
    press(200, 50);
    EXPECT_EQ(pixel(280, 265), Rgb(255, 255, 255));
    EXPECT_EQ(pixel(280, 10), pixel(200, 50));
    // The colour comes from the strip at the marker.
    EXPECT_EQ(form->colorModel().CurrentColor(),
              pixel(282, static_cast<int>(std::nearbyint(form->picker().layout().SliderY))));
    release(200, 50);
}

TEST_F(MainWindowPicker, CopyButtonsPutTheirFieldOnTheClipboard)
{
    QClipboard* cb = QGuiApplication::clipboard();
    press(138, 200);
    release(138, 200);
    EXPECT_NE(form->colorModel().CurrentColor(), Rgb(255, 0, 0));
    press(265, 10); // pure red
    release(265, 10);
    const struct {
        const char* button;
        const char* expected;
    } rows[] = {{"cmdCopy0", "RGB(255, 0, 0)"},
                {"cmdCopy1", "#FF0000"},
                {"cmdCopy2", "255"},
                {"cmdCopy3", "&H0000FF&"}};
    for (const auto& row : rows) {
        child<QAbstractButton>(row.button)->click();
        EXPECT_EQ(cb->text(), QString::fromLatin1(row.expected)) << row.button;
    }
}

} // namespace
} // namespace tintora::testing

namespace tintora::testing {
namespace {

// Collects the region the main window is asked to repaint.
class PaintRegion : public QObject
{
public:
    QRegion region;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

using MainWindowRepaint = MainWindowTest;

// A drag repaints the markers and, in saturation and brightness modes, the
// strip; never the plane or the whole window.
TEST_F(MainWindowRepaint, DragMovesRepaintOnlyWhatChanged)
{
    for (const char* mode : {"optH", "optS", "optB"}) {
        SCOPED_TRACE(mode);
        child<QRadioButton>(mode)->setChecked(true);
        press(100, 100);
        QApplication::processEvents();
        PaintRegion paints;
        form->installEventFilter(&paints);
        drag(120, 110);
        QApplication::processEvents();
        form->removeEventFilter(&paints);
        release(120, 110);

        const QRect ringOld(95, 95, 11, 11);
        const QRect ringNew(115, 105, 11, 11);
        QRegion allowed = QRegion(ringOld) + ringNew;
        if (std::string(mode) != "optH")
            allowed += QRect(272, 0, 30, 270); // the strip, its frame and the dashes
        EXPECT_FALSE(paints.region.isEmpty());
        EXPECT_TRUE((paints.region - allowed).isEmpty()) << "repainted beyond the markers and strip";
        EXPECT_FALSE(paints.region.contains(QRect(30, 30, 40, 40)));
    }
}

// Paint events per text field, over the whole application.
class FieldPaints : public QObject
{
public:
    FieldPaints() { qApp->installEventFilter(this); }
    ~FieldPaints() override { qApp->removeEventFilter(this); }
    QHash<const QObject*, int> count;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && qobject_cast<QLineEdit*>(o))
            ++count[o];
        return false;
    }
};

// One move rewrites up to nine fields: each changed field paints once, the
// others not at all.
TEST_F(MainWindowRepaint, DragMovePaintsEachChangedFieldOnce)
{
    press(100, 100);
    // A field checks its own drawing against QLineEdit's once, after its text
    // first changes (painting itself a few times, unseen): that is over before the
    // move counted here.
    QTest::qWait(20);
    QHash<const QLineEdit*, QString> before;
    for (const QLineEdit* f : form->findChildren<QLineEdit*>())
        if (f->isVisible())
            before.insert(f, f->text());
    FieldPaints paints;
    drag(140, 60);
    QApplication::processEvents();
    release(140, 60);
    int changed = 0;
    for (auto it = before.begin(); it != before.end(); ++it) {
        const bool differs = it.key()->text() != it.value();
        changed += differs;
        EXPECT_EQ(paints.count.value(it.key()), differs ? 1 : 0) << it.key()->objectName().toStdString();
    }
    EXPECT_GE(changed, 6); // S, B, R, G, B and the codes
}

} // namespace
} // namespace tintora::testing
