// SPDX-License-Identifier: MIT
// Colours brought into the window from outside: typed or pasted codes, the
// clipboard, the eyedropper; and what the band and the menus show of them.
#include "main_window_fixture.h"

#include "eyedropper/eyedropper.h"
#include "eyedropper/eyedropper_overlay.h"
#include "mainwin/color_facts_label.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>

namespace tintora::testing {
namespace {

class MainWindowEntry : public MainWindowTest
{
protected:
    // Pastes `typed` over the field's text, as a user's Ctrl+V does, and
    // presses Enter.
    void enter(const char* field, const QString& typed)
    {
        auto* f = child<QLineEdit>(field);
        f->setFocus();
        f->selectAll();
        QApplication::clipboard()->setText(typed);
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_Return);
    }
    bool marked(const char* field) const
    {
        return child<QLineEdit>(field)->property("invalidEntry").toBool();
    }
    QColor newSwatch() const { return child<QLabel>("lblSelColor")->palette().color(QPalette::Window); }
    // The four designed codes, the "New" swatch and the six fields.
    QString shown() const
    {
        return QStringList{text("txtColor2"),
                           text("txtColor3"),
                           text("txtColor4"),
                           text("txtColor5"),
                           newSwatch().name(QColor::HexRgb).toUpper(),
                           text("txtH"),
                           text("txtS"),
                           text("txtB"),
                           text("Text1"),
                           text("Text2"),
                           text("Text3")}
            .join(u'|');
    }
};

// #66CCFF: RGB(102, 204, 255), 16764006, hue 200, saturation 60, brightness
// 100. No plane pixel has to hold it: the colour itself becomes current.
const QString kSkyBlue =
    QStringLiteral("RGB(102, 204, 255)|16764006|#66CCFF|&HFFCC66&|#66CCFF|200|60|100|102|204|255");

TEST_F(MainWindowEntry, EveryNotationTypedIntoACodeFieldGivesTheExactColour)
{
    const std::pair<const char*, const char*> rows[] = {
        {"txtColor4", "#66ccff"},
        {"txtColor4", "66CCFF"},
        {"txtColor2", "rgb(40%, 80%, 100%)"},
        {"txtColor3", "16764006"},
        {"txtColor5", "&HFFCC66&"},
        {"txtColor2", "RGB(102,204,255)"},
        {"txtColor4", "hsl(200, 100%, 70%)"},
    };
    for (const auto& [field, typed] : rows) {
        for (const char* option : {"optH", "optS", "optB"}) {
            child<QRadioButton>(option)->setChecked(true);
            click(30, 240); // something else first
            enter(field, QString::fromLatin1(typed));
            EXPECT_EQ(shown(), kSkyBlue) << field << " " << typed << " " << option;
            EXPECT_FALSE(marked(field));
        }
    }
    // The picker moved to the colour's place: in hue mode, saturation 60 and
    // brightness 100 put the ring at x 10 + 153, y 10.
    child<QRadioButton>("optH")->setChecked(true);
    EXPECT_EQ(form->picker().layout().SelX, 163);
    EXPECT_EQ(form->picker().layout().SelY, 10);
}

TEST_F(MainWindowEntry, TextThatIsNotAColourMarksTheFieldAndChangesNothing)
{
    click(100, 100);
    const QString before = shown();
    for (const QString& typed :
         {QStringLiteral("#GGGGGG"), QStringLiteral("rgb(1, 2)"), QStringLiteral("hsl(NaN, 0%, 0%)"),
          QString(100000, QLatin1Char('7')), QStringLiteral("red\u0007")}) {
        enter("txtColor4", typed);
        EXPECT_TRUE(marked("txtColor4")) << typed.left(20).toStdString();
        EXPECT_EQ(child<QLabel>("lblMessage")->text(),
                  QStringLiteral("Not an HTML colour code (#RRGGBB or #RGB)"));
        EXPECT_EQ(text("txtColor2"), before.section(u'|', 0, 0));
        EXPECT_EQ(newSwatch().name().toUpper(), before.section(u'|', 4, 4));
    }
    // Escape brings back what the field showed and clears the mark.
    QTest::keyClick(child<QLineEdit>("txtColor4"), Qt::Key_Escape);
    EXPECT_FALSE(marked("txtColor4"));
    EXPECT_EQ(shown(), before);
}

TEST_F(MainWindowEntry, ChannelFieldsTakeNumbersOrAWholeColour)
{
    enter("Text1", QStringLiteral("102"));
    enter("Text2", QStringLiteral("204"));
    enter("Text3", QStringLiteral("255"));
    EXPECT_EQ(shown(), kSkyBlue);
    enter("Text2", QStringLiteral("256"));
    EXPECT_TRUE(marked("Text2"));
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#66CCFF"));
    enter("Text2", QStringLiteral("204"));
    EXPECT_FALSE(marked("Text2"));
    enter("Text1", QStringLiteral("#336699"));
    EXPECT_EQ(text("txtColor4"), QStringLiteral("#336699"));
    EXPECT_EQ(text("Text1") + "," + text("Text2") + "," + text("Text3"), QStringLiteral("51,102,153"));
}

TEST_F(MainWindowEntry, CtrlVOutsideTextFieldsTakesTheClipboardsColour)
{
    child("Command1")->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("  #66CCFF\n"));
    QTest::keyClick(child("Command1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown(), kSkyBlue);
    QApplication::clipboard()->setText(QStringLiteral("not a colour"));
    QTest::keyClick(child("Command1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown(), kSkyBlue);
    EXPECT_EQ(child<QLabel>("lblMessage")->text(), QStringLiteral("The clipboard holds no colour"));
}

TEST_F(MainWindowEntry, EyedropperPickBecomesCurrentExactlyAndCancelChangesNothing)
{
    QImage screen(form->screen()->size() * form->screen()->devicePixelRatio(), QImage::Format_RGB32);
    screen.fill(QColor(0x66, 0xCC, 0xFF));
    form->eyedropper().setScreenGrabber([screen](QScreen*) { return screen; });
    const QString before = shown();

    form->pickFromScreen();
    ASSERT_FALSE(form->eyedropper().overlays().isEmpty());
    QTest::keyClick(form->eyedropper().overlays().first(), Qt::Key_Escape);
    EXPECT_EQ(shown(), before);

    QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_FALSE(form->eyedropper().overlays().isEmpty());
    EyedropperOverlay* overlay = form->eyedropper().overlays().first();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overlay));
    QTest::keyClick(overlay, Qt::Key_Return);
    EXPECT_EQ(shown(), kSkyBlue);
}

TEST_F(MainWindowEntry, ContrastAndNameFollowNewAndOld)
{
    auto* facts = child<ColorFactsLabel>("lblColorFacts");
    form->LoadColorDialog(0x00FFFFFF);
    form->keepColor(); // Old is white
    form->LoadColorDialog(0);
    EXPECT_TRUE(facts->text().startsWith(QStringLiteral("Contrast 21:1"))) << facts->text().toStdString();
    EXPECT_TRUE(facts->text().contains(QStringLiteral("black"))) << facts->text().toStdString();
    enter("txtColor4", QStringLiteral("#FFFFFF"));
    EXPECT_TRUE(facts->text().startsWith(QStringLiteral("Contrast 1:1"))) << facts->text().toStdString();
    EXPECT_TRUE(facts->text().contains(QStringLiteral("white"))) << facts->text().toStdString();
}

TEST_F(MainWindowEntry, ShiftClickOnCopyOffersCopyAsAndTheButtonStillCopiesPlainly)
{
    enter("txtColor4", QStringLiteral("#66CCFF"));
    auto* button = child<QAbstractButton>("cmdCopy1");
    QTest::mouseClick(button, Qt::LeftButton, Qt::ShiftModifier);
    auto* menu = form->findChild<QMenu*>(QStringLiteral("mnuCopyAs"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    QStringList entries;
    for (QAction* a : menu->actions())
        entries << a->text();
    EXPECT_TRUE(entries.join(u'\n').contains(QStringLiteral("#66ccff"))) << entries.join(u' ').toStdString();
    EXPECT_TRUE(entries.join(u'\n').contains(QStringLiteral("hsl("))) << entries.join(u' ').toStdString();
    menu->hide();
    QApplication::clipboard()->clear();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("#66CCFF"));
}

TEST_F(MainWindowEntry, PaletteImportAndExportThroughTheGridMenu)
{
    const QString gpl = programDir.filePath(QStringLiteral("in.gpl"));
    {
        QFile f(gpl);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("GIMP Palette\nName: Two\n102 204 255 Sky\n0 128 0 Leaf green\n");
    }
    child<QAbstractButton>("Command3")->click(); // the custom grid
    form->palettePanel().setFileDialogHook(
        [&](bool save) { return save ? programDir.filePath(QStringLiteral("out.txt")) : gpl; });
    form->palettePanel().importPalette();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains(QStringLiteral("2"))) << messages.last().toStdString();
    EXPECT_EQ(pixel(17, 17), 0x00FFCC66);      // cell 1
    EXPECT_EQ(pixel(17 + 18, 17), 0x00008000); // cell 2
    form->palettePanel().exportPalette();
    QFile out(programDir.filePath(QStringLiteral("out.txt")));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray lines = out.readAll();
    EXPECT_TRUE(lines.startsWith("#66CCFF\n#008000\n")) << lines.left(40).toStdString();
}

} // namespace
} // namespace tintora::testing
