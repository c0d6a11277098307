// SPDX-License-Identifier: MIT
#include "main_window_fixture.h"

#include "core/branding.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace tintora::testing {
namespace {

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

using MainWindowLayout = MainWindowTest;

// What the user reads at start, and what is hidden until asked for.
TEST_F(MainWindowLayout, CaptionsAndWhatShowsAtStart)
{
    const struct {
        const char* name;
        const char* caption; // nullptr = not checked
        bool visible;
    } rows[] = {
        {"Command1", "Keep", true},
        {"Command3", "Presets", true},
        {"Label1", "New", true},
        {"Label3", "Old", true},
        {"optH", "H:", true},
        {"optS", "S:", true},
        {"optB", "B:", true},
        {"lblH", "\u00B0", true},
        {"Frame5", "Color History", true},
        {"Frame4", "Color Outputs", true},
        {"lblCap1", "RGB Color Code:", true},
        {"lblCap2", "Decimal Color Code:", true},
        {"lblCap3", "HTML Color Code:", true},
        {"lblCap4", "VB Hex Color Code:", true},
        {"txtColor2", "RGB(255, 0, 0)", true},
        {"txtColor3", "255", true},
        {"txtColor4", "#FF0000", true},
        {"txtColor5", "&H0000FF&", true},
        {"cmdCopy0", "Copy", true},
        {"Command5", "About this software", true},
        {"cmdPick", "Pick from Screen", true},
        {"lblMessage", "", true},
        {"Frame3", nullptr, false},
        {"cmbPreset", nullptr, false},
        {"cmdADD", "Add", false},
        {"lblCap0", nullptr, false},
        {"txtColor1", nullptr, false},
        {"Command2", nullptr, false},
        {"cboSysColors", nullptr, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* w = child(row.name);
        ASSERT_NE(w, nullptr);
        if (row.caption)
            EXPECT_EQ(CaptionOf(w), QString::fromUtf8(row.caption));
        EXPECT_EQ(w->isVisibleTo(form.get()), row.visible);
    }
}

// Every control the user sees lies whole inside its parent and the client
// area, and no two controls that take the pointer overlap, but for the
// overlaps the window was designed with: the channel panel over the swatch
// frame's lower edge, the S and B options over their fields' left edge, the
// history frame's top edge over the plane and the strip (which it leaves
// visible). Captions may touch their fields by a row: they take no clicks.
TEST_F(MainWindowLayout, NothingClippedAndNothingOverlaps)
{
    const QRect client(0, 0, 480, 519);
    QList<QWidget*> shown;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(form.get()) || w->isWindow() || w->objectName().isEmpty() ||
            w->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()));
        EXPECT_TRUE(client.contains(QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size())));
        shown << w;
    }
    const QSet<QString> designed{QStringLiteral("Frame1+Frame2"), QStringLiteral("planeArea+Frame5"),
                                 QStringLiteral("sliderArea+Frame5"), QStringLiteral("optS+txtS"),
                                 QStringLiteral("optB+txtB")};
    for (QWidget* a : shown) {
        for (QWidget* b : shown) {
            if (a >= b || a->parentWidget() != b->parentWidget() ||
                !a->geometry().intersects(b->geometry()) || a->metaObject() == &QLabel::staticMetaObject ||
                b->metaObject() == &QLabel::staticMetaObject)
                continue;
            const QString pair = a->objectName() + u'+' + b->objectName();
            const QString reversed = b->objectName() + u'+' + a->objectName();
            EXPECT_TRUE(designed.contains(pair) || designed.contains(reversed)) << pair.toStdString();
        }
    }
    auto* sys = child<QComboBox>("cboSysColors");
    EXPECT_EQ(sys->count(), 25);
    EXPECT_EQ(sys->itemText(15), QStringLiteral("vbButtonFace"));
}

TEST_F(MainWindowLayout, FixedClientAreaTitleAndWebSiteCaptionFromTheBranding)
{
    EXPECT_EQ(form->size(), QSize(480, 519));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const BrandInfo b = LoadBranding();
    EXPECT_EQ(form->windowTitle(), QString::fromStdString(b.productName + " by " + b.companyName));
    EXPECT_EQ(CaptionOf(child("Command4")), QString::fromStdString("Visit " + b.webSite));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowLayout, PresetListGetsItsTwoItemsAtLoad)
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

using MainWindowKeyboard = MainWindowTest;

// Tab walks the window from the top left to the bottom right. The three
// mode options are one stop (the selected one); arrow keys move between them.
TEST_F(MainWindowKeyboard, TabOrderFollowsTheWindow)
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

TEST_F(MainWindowKeyboard, CtrlCInAnOutputFieldCopiesTheWholeCode)
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
