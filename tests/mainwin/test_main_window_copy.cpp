// SPDX-License-Identifier: MIT
// What the clipboard receives is the colour the window shows: typed text is
// settled before a copy or a Keep, refusals say why in the band and cost no
// click, a swatch click is marked and described, shortcuts work from any
// field, and the whole plane shows.
#include "main_window_fixture.h"
#include "qt_print.h"

#include "mainwin/color_facts_label.h"
#include "mainwin/swatch_label.h"
#include "platform/clipboard_writer.h"

#include "eyedropper/eyedropper.h"
#include "eyedropper/eyedropper_overlay.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolTip>

namespace tintora::testing {
namespace {

class MainWindowCopy : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QApplication::clipboard()->setText(QStringLiteral("before"));
    }
    // Types over a field's text without Enter.
    void typeOver(const char* name, const QString& value)
    {
        auto* f = child<QLineEdit>(name);
        f->setFocus();
        f->selectAll();
        QTest::keyClicks(f, value);
    }
    void clickOn(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    QString swatchName(const char* name) const
    {
        return child(name)->palette().color(QPalette::Window).name().toUpper();
    }
    QString clipboard() const { return QApplication::clipboard()->text(); }
    QString note() const { return child<QLabel>("lblMessage")->text(); }
    QString facts() const { return child<ColorFactsLabel>("lblColorFacts")->text(); }
    bool marked(const char* name) const { return child<SwatchLabel>(name)->marked(); }
};

TEST_F(MainWindowCopy, CopyAndKeepSettleWhatWasTyped)
{
    // Typed, no Enter, then the field's own Copy: the colour becomes current
    // and its code is copied.
    typeOver("txtColor4", QStringLiteral("#123456"));
    clickOn("cmdCopy1");
    EXPECT_EQ(clipboard(), QStringLiteral("#123456"));
    EXPECT_EQ(swatchName("lblSelColor"), QStringLiteral("#123456"));
    EXPECT_EQ(text("txtColor2"), QStringLiteral("RGB(18, 52, 86)"));
    // Typed into Decimal, then Keep: "New", "Old" and every code agree.
    typeOver("txtColor3", QStringLiteral("65535"));
    clickOn("Command1");
    EXPECT_EQ(swatchName("lblSelColor"), QStringLiteral("#FFFF00"));
    EXPECT_EQ(swatchName("Label2"), QStringLiteral("#FFFF00"));
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#FFFF00"));
    // A channel typed without Enter is settled when another Copy is
    // clicked: the copied code has it.
    typeOver("Text3", QStringLiteral("128"));
    clickOn("cmdCopy1");
    EXPECT_EQ(clipboard(), QStringLiteral("#FFFF80"));
    EXPECT_EQ(text("txtColor3"), QString::number(0xFFFF + 128 * 65536));
}

// A selection copied or cut from any field is written by the program's one
// clipboard writer, which can then keep it after the program ends.
TEST_F(MainWindowCopy, SelectionsGoThroughTheOneClipboardWriter)
{
    auto* red = child<QLineEdit>("Text1");
    red->setFocus();
    red->setSelection(0, 2);
    QTest::keyClick(red, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), QStringLiteral("25"));
    EXPECT_EQ(ClipboardWriter::LastWritten(), QStringLiteral("25"));
    auto* html = child<QLineEdit>("txtColor4");
    html->setFocus();
    html->setSelection(1, 2);
    QTest::keyClick(html, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ClipboardWriter::LastWritten(), QStringLiteral("FF"));
    EXPECT_EQ(html->text(), QStringLiteral("#0000"));
}

TEST_F(MainWindowCopy, ARefusalSaysWhyInTheBandAndCoversNoControl)
{
    const char* fields[] = {"txtColor2", "txtColor3", "txtColor4", "txtColor5", "Text1"};
    const QString bad[] = {QStringLiteral("#F80G"), QString(1 << 20, u'8'), QStringLiteral("\u0001\u0002")};
    const QString codes = text("txtColor2") + text("txtColor3") + text("txtColor4") + text("txtColor5");
    for (const char* name : fields) {
        for (const QString& typed : bad) {
            auto* f = child<QLineEdit>(name);
            f->setText(typed);
            QTest::keyClick(f, Qt::Key_Return);
            EXPECT_FALSE(note().isEmpty()) << name;
            EXPECT_LT(note().size(), 60) << name;
            EXPECT_FALSE(QToolTip::isVisible());
            EXPECT_TRUE(f->property("invalidEntry").toBool());
            QTest::keyClick(f, Qt::Key_Escape);
        }
    }
    EXPECT_EQ(text("txtColor2") + text("txtColor3") + text("txtColor4") + text("txtColor5"), codes);
    EXPECT_EQ(clipboard(), QStringLiteral("before"));
    child<QLineEdit>("txtColor3")->setText(QStringLiteral("#F80G"));
    QTest::keyClick(child("txtColor3"), Qt::Key_Return);
    EXPECT_EQ(note(), QStringLiteral("Not a decimal colour value (0 to 16777215)"));
    // The message line overlaps no other control, and the copy beside the
    // refused field works at once.
    const QRect line = child("lblMessage")->geometry();
    for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible() && w != child("lblMessage"))
            EXPECT_FALSE(w->geometry().intersects(line)) << w->objectName().toStdString();
    EXPECT_LE(line.bottom(), form->height() - 1);
    clickOn("cmdCopy1");
    EXPECT_EQ(clipboard(), QStringLiteral("#FF0000"));
    // The refused field's own Copy copies nothing.
    clickOn("cmdCopy2");
    EXPECT_EQ(clipboard(), QStringLiteral("#FF0000"));
}

TEST_F(MainWindowCopy, DigitsAreReadAsTheCodeTheirPlaceHolds)
{
    typeOver("txtColor4", QStringLiteral("000080"));
    QTest::keyClick(child("txtColor4"), Qt::Key_Return);
    EXPECT_EQ(swatchName("lblSelColor"), QStringLiteral("#000080"));
    EXPECT_TRUE(note().isEmpty());
    // Ctrl+V outside the fields keeps the decimal reading, with a note.
    QApplication::clipboard()->setText(QStringLiteral("336699"));
    child("Command1")->setFocus();
    QTest::keyClick(child("Command1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(swatchName("lblSelColor"), QStringLiteral("#3B2305"));
    EXPECT_EQ(note(), QStringLiteral("Read as the decimal value 336699; for the hex colour, type #336699"));
    // A megabyte on the clipboard changes nothing and says why.
    QApplication::clipboard()->setText(QString(1 << 20, u'1'));
    QTest::keyClick(child("Command1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(swatchName("lblSelColor"), QStringLiteral("#3B2305"));
    EXPECT_EQ(note(), QStringLiteral("The clipboard holds no colour"));
}

TEST_F(MainWindowCopy, ASwatchClickIsMarkedAndDescribedUntilTheNextPick)
{
    clickOn("Command1"); // Old and hist0 are red
    click(138, 200);     // another colour is New
    const QString newColor = swatchName("lblSelColor");
    ASSERT_NE(newColor, QStringLiteral("#FF0000"));
    clickOn("hist0");
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#FF0000"));
    EXPECT_EQ(swatchName("lblSelColor"), newColor);
    EXPECT_TRUE(marked("hist0"));
    EXPECT_FALSE(marked("Label2"));
    EXPECT_TRUE(facts().startsWith(QStringLiteral("Contrast 1:1"))) << facts().toStdString();
    EXPECT_TRUE(facts().contains(QStringLiteral("Name: red (exact)"))) << facts().toStdString();
    clickOn("cmdCopy1");
    EXPECT_EQ(clipboard(), QStringLiteral("#FF0000"));
    // Keep moves the mark with the colour.
    clickOn("Command1");
    EXPECT_TRUE(marked("hist1"));
    EXPECT_FALSE(marked("hist0"));
    // A pick ends it.
    click(60, 60);
    EXPECT_FALSE(marked("hist1"));
    EXPECT_FALSE(facts().contains(QStringLiteral("red (exact)")));
    // New is marked like any other swatch.
    clickOn("lblSelColor");
    EXPECT_TRUE(marked("lblSelColor"));
    // A double-click makes the colour fully current.
    QTest::mouseDClick(child("hist1"), Qt::LeftButton);
    EXPECT_EQ(swatchName("lblSelColor"), QStringLiteral("#FF0000"));
    EXPECT_EQ(text("Text1") + text("Text2") + text("Text3"), QStringLiteral("25500"));
    // So does "Use as New" on the swatch's menu.
    click(60, 60);
    emit child("Label2")->customContextMenuRequested(QPoint(2, 2));
    QMenu* menu = nullptr;
    for (QMenu* m : form->findChildren<QMenu*>())
        if (m->isVisible())
            menu = m;
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().first()->text(), QStringLiteral("Use as New"));
    menu->actions().first()->trigger();
    menu->close();
    EXPECT_EQ(swatchName("lblSelColor"), swatchName("Label2"));
    EXPECT_EQ(text("txtColor4"), swatchName("Label2"));
}

TEST_F(MainWindowCopy, CtrlEOpensTheEyedropperFromATextFieldAndTheFocusComesBack)
{
    QImage screen(form->screen()->size() * form->screen()->devicePixelRatio(), QImage::Format_RGB32);
    screen.fill(QColor(0x66, 0xCC, 0xFF));
    form->eyedropper().setScreenGrabber([screen](QScreen*) { return screen; });
    auto* field = child<QLineEdit>("txtColor4");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    ASSERT_FALSE(form->eyedropper().overlays().isEmpty());
    EyedropperOverlay* overlay = form->eyedropper().overlays().first();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overlay));
    QTest::keyClick(overlay, Qt::Key_Return);
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#66CCFF"));
    for (int i = 0; i < 50 && QApplication::activeWindow() != form.get(); ++i)
        QTest::qWait(10);
    EXPECT_EQ(QApplication::activeWindow(), form.get());
    EXPECT_EQ(QApplication::focusWidget(), field);
}

TEST_F(MainWindowCopy, TheLastRowsOfPlaneAndStripShowAndTakeThePointer)
{
    const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage composed = form->composedImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), composed.size());
    for (int y : {264, 265}) {
        for (int x : {10, 100, 265, 277, 292}) {
            EXPECT_EQ(shown.pixel(x, y), composed.pixel(x, y)) << x << "," << y;
            QWidget* under = form->childAt(x, y);
            EXPECT_TRUE(under == nullptr || under->testAttribute(Qt::WA_TransparentForMouseEvents))
                << x << "," << y << " " << under->objectName().toStdString();
        }
    }
    // The frame stays opaque below and beside them.
    EXPECT_EQ(form->childAt(100, 266), child("Frame5"));
    EXPECT_EQ(form->childAt(300, 264), child("Frame5"));
}

} // namespace
} // namespace tintora::testing
