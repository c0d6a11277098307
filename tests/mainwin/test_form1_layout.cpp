#include "form1_fixture.h"

#include "core/branding.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace tintora::testing {
namespace {

struct ControlRow {
    const char* name;
    const char* container; // objectName of the parent
    QRect rect;
    const char* text; // caption or text; nullptr = not checked
    bool visible;
    const char* tooltip = nullptr;
};

QString CaptionOf(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLineEdit*>(w))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    return {};
}

using Form1Layout = Form1Test;

// Every control of the window at its place, with its caption and whether
// the user sees it at start.
TEST_F(Form1Layout, EveryControlAtItsRectangleWithItsCaption)
{
    const ControlRow rows[] = {
        {"Command1", "Form1", {304, 4, 83, 59}, "Keep", true},
        {"Command3", "Form1", {392, 4, 83, 59}, "Presets", true},
        {"Frame1", "Form1", {300, 64, 177, 59}, "", true},
        {"Label1", "Frame1", {8, 10, 31, 13}, "New", true},
        {"lblSelColor", "Frame1", {8, 24, 77, 29}, nullptr, true},
        {"Label3", "Frame1", {148, 8, 23, 13}, "Old", true},
        {"Label2", "Frame1", {88, 24, 81, 29}, nullptr, true},
        {"Frame2", "Form1", {300, 112, 173, 149}, nullptr, true},
        {"optH", "Frame2", {0, 34, 35, 17}, "H:", true, "Hue"},
        {"txtH", "Frame2", {36, 32, 49, 19}, "0", true, "Hue"},
        {"lblH", "Frame2", {88, 32, 11, 11}, "\u00B0", true},
        {"optS", "Frame2", {0, 54, 43, 17}, "S:", true, "Saturation"},
        {"txtS", "Frame2", {36, 52, 49, 19}, "100", true, "Saturation"},
        {"lblS", "Frame2", {88, 52, 11, 13}, "%", true},
        {"optB", "Frame2", {0, 74, 45, 17}, "B:", true, "Brightness"},
        {"txtB", "Frame2", {36, 75, 49, 19}, "100", true, "Brightness"},
        {"lblBB", "Frame2", {88, 72, 13, 17}, "%", true},
        {"lblR", "Frame2", {104, 36, 17, 15}, "R:", true, "Red"},
        {"Text1", "Frame2", {120, 32, 49, 19}, "255", true, "Red"},
        {"lblG", "Frame2", {103, 54, 19, 15}, "G:", true, "Green"},
        {"Text2", "Frame2", {120, 52, 49, 19}, "0", true, "Green"},
        {"lblB", "Frame2", {104, 74, 21, 15}, "B:", true, "Blue"},
        {"Text3", "Frame2", {120, 72, 49, 19}, "0", true, "Blue"},
        {"Frame3", "Form1", {296, 112, 181, 101}, nullptr, false},
        {"lblADDColor", "Frame3", {8, 48, 169, 39}, nullptr, false},
        {"cmbPreset", "Form1", {304, 128, 171, 21}, nullptr, false},
        {"cmdADD", "Form1", {304, 200, 171, 59}, "Add", false},
        {"Frame5", "Form1", {4, 264, 473, 45}, "Color History", true},
        {"hist0", "Frame5", {20, 16, 21, 21}, nullptr, true},
        {"hist17", "Frame5", {20 + 24 * 17, 16, 21, 21}, nullptr, true},
        {"Frame4", "Form1", {4, 312, 473, 85}, "Color Outputs", true},
        {"lblCap1", "Frame4", {4, 16, 103, 13}, "RGB Color Code:", true},
        {"txtColor2", "Frame4", {4, 28, 167, 19}, "RGB(255, 0, 0)", true},
        {"cmdCopy0", "Frame4", {176, 24, 53, 21}, "Copy", true},
        {"lblCap3", "Frame4", {4, 48, 112, 13}, "HTML Color Code:", true},
        {"txtColor4", "Frame4", {4, 60, 167, 19}, "#FF0000", true},
        {"cmdCopy1", "Frame4", {176, 56, 53, 21}, "Copy", true},
        {"lblCap2", "Frame4", {240, 16, 130, 13}, "Decimal Color Code:", true},
        {"txtColor3", "Frame4", {240, 28, 167, 19}, "255", true},
        {"cmdCopy2", "Frame4", {412, 24, 57, 21}, "Copy", true},
        {"lblCap4", "Frame4", {240, 48, 123, 13}, "VB Hex Color Code:", true},
        {"txtColor5", "Frame4", {240, 60, 167, 19}, "&H0000FF&", true},
        {"cmdCopy3", "Frame4", {412, 60, 57, 21}, "Copy", true},
        {"lblCap0", "Frame4", {88, 32, 70, 13}, "QBColor Code:", false},
        {"txtColor1", "Frame4", {60, 28, 107, 19}, "QBColor(12)", false},
        {"Command5", "Form1", {4, 400, 233, 45}, "About this software", true},
        {"Command4", "Form1", {244, 400, 233, 45}, nullptr, true},
        {"Command2", "Form1", {516, 304, 83, 33}, "&Cancel", false},
    };
    for (const ControlRow& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* w = child(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(row.container));
        EXPECT_EQ(w->geometry(), row.rect);
        if (row.text) {
            EXPECT_EQ(CaptionOf(w), QString::fromUtf8(row.text));
        }
        EXPECT_EQ(w->isVisibleTo(form.get()), row.visible);
        if (row.tooltip) {
            EXPECT_EQ(w->toolTip(), QString::fromLatin1(row.tooltip));
        }
    }
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(child(QStringLiteral("hist%1").arg(i).toLatin1().constData())->geometry(),
                  QRect(20 + 24 * i, 16, 21, 21));
    auto* sys = child<QComboBox>("cboSysColors");
    EXPECT_FALSE(sys->isVisibleTo(form.get()));
    EXPECT_EQ(sys->count(), 25);
    EXPECT_EQ(sys->itemText(15), QStringLiteral("vbButtonFace"));
}

TEST_F(Form1Layout, FixedClientAreaTitleAndWebSiteCaptionFromTheBranding)
{
    EXPECT_EQ(form->size(), QSize(480, 519));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const BrandInfo b = LoadBranding();
    EXPECT_EQ(form->windowTitle(), QString::fromStdString(b.productName + " by " + b.companyName));
    EXPECT_EQ(CaptionOf(child("Command4")), QString::fromStdString("Visit " + b.webSite));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Form1Layout, PresetListGetsItsTwoItemsAtLoad)
{
    auto* list = child<QComboBox>("cmbPreset");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Custom..."));
    EXPECT_EQ(list->itemText(1), QStringLiteral("Safe Palette (216)"));
}

} // namespace
} // namespace tintora::testing

namespace tintora::testing {
namespace {

using Form1Keyboard = Form1Test;

// Tab walks the window from the top left to the bottom right. The three
// mode options are one stop (the selected one); arrow keys move between them.
TEST_F(Form1Keyboard, TabOrderFollowsTheWindow)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    child("planeArea")->setFocus(Qt::TabFocusReason);
    const char* expected[] = {"planeArea", "sliderArea", "Command1", "Command3",  "lblSelColor", "Label2",
                              "optH",      "txtH",       "Text1",    "txtS",      "Text2",       "txtB",
                              "Text3",     "hist0",      "hist1",    "hist2",     "hist3",       "hist4",
                              "hist5",     "hist6",      "hist7",    "hist8",     "hist9",       "hist10",
                              "hist11",    "hist12",     "hist13",   "hist14",    "hist15",      "hist16",
                              "hist17",    "txtColor2",  "cmdCopy0", "txtColor3", "cmdCopy2",    "txtColor4",
                              "cmdCopy1",  "txtColor5",  "cmdCopy3", "Command5",  "Command4",    "cmdPick",
                              "planeArea"};
    QStringList seen;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        seen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList want;
    for (const char* name : expected)
        want << QString::fromLatin1(name);
    EXPECT_EQ(seen.join(u' ').toStdString(), want.join(u' ').toStdString());
}

TEST_F(Form1Keyboard, CtrlCInAnOutputFieldCopiesTheWholeCode)
{
    auto* field = child<QLineEdit>("txtColor4");
    field->setFocus();
    field->deselect();
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("#FF0000"));
    // A selection copies just the selection, as in any text field.
    field->setSelection(1, 2);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("FF"));
}

} // namespace
} // namespace tintora::testing
