// SPDX-License-Identifier: MIT
#include "main_window_fixture.h"

#include "mainwin/focus_area.h"
#include "mainwin/focus_area_accessible.h"
#include "surface/qt_colors.h"

#include <QAccessible>
#include <QAccessibleValueChangeEvent>
#include <QComboBox>
#include <QRadioButton>
#include <QSet>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace tintora::testing {
namespace {

// What the window told assistive technology: each event's type and object,
// and the value a value change carried.
struct Sent {
    QAccessible::Event type;
    QObject* object;
    QVariant value;
};
std::vector<Sent> g_sent;

void Record(QAccessibleEvent* e)
{
    QVariant value;
    if (e->type() == QAccessible::ValueChanged)
        value = static_cast<QAccessibleValueChangeEvent*>(e)->value();
    g_sent.push_back({e->type(), e->object(), value});
}

class MainWindowAccessible : public MainWindowTest
{
protected:
    void SetUp() override
    {
        QAccessible::installUpdateHandler(Record);
        // Events are sent only while a client is listening: the platform
        // is told one is.
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        ASSERT_NE(platform, nullptr);
        platform->setActive(true);
        MainWindowTest::SetUp();
        g_sent.clear();
    }
    void TearDown() override { QAccessible::installUpdateHandler(nullptr); }

    static QAccessibleInterface* A(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
    static QString Name(QObject* o) { return A(o)->text(QAccessible::Name); }
    static QString Description(QObject* o) { return A(o)->text(QAccessible::Description); }
    static QString Value(QObject* o) { return A(o)->text(QAccessible::Value); }

    // Every control Tab can reach, shown or not: a nameless or a shared
    // name is reported with the control's design name.
    void expectNamesOwnAndUnique()
    {
        QHash<QString, QString> seen;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            // A list's drop-down is a window of its own, and a control too.
            if (!(w->focusPolicy() & Qt::TabFocus))
                continue;
            QAccessibleInterface* a = A(w);
            ASSERT_NE(a, nullptr) << w->objectName().toStdString();
            const QString name = a->text(QAccessible::Name);
            EXPECT_FALSE(name.trimmed().isEmpty())
                << w->metaObject()->className() << " " << w->objectName().toStdString() << " in "
                << (w->parent() ? w->parent()->objectName().toStdString() : std::string());
            EXPECT_NE(a->role(), QAccessible::NoRole) << w->objectName().toStdString();
            EXPECT_FALSE(seen.contains(name)) << name.toStdString() << ": " << w->objectName().toStdString()
                                              << " and " << seen.value(name).toStdString();
            seen.insert(name, w->objectName());
        }
        EXPECT_GE(seen.size(), 40);
    }

    // The value changes sent for `o` since the last clear.
    std::vector<QVariant> valuesSentFor(QObject* o) const
    {
        std::vector<QVariant> v;
        for (const Sent& s : g_sent)
            if (s.object == o && s.type == QAccessible::ValueChanged)
                v.push_back(s.value);
        return v;
    }
    bool sent(QObject* o, QAccessible::Event type) const
    {
        return std::any_of(g_sent.begin(), g_sent.end(),
                           [&](const Sent& s) { return s.object == o && s.type == type; });
    }
};

TEST_F(MainWindowAccessible, EveryFocusableControlHasANameOfItsOwnInThePickerAndTheGrid)
{
    expectNamesOwnAndUnique();
    EXPECT_EQ(Name(child("hist0")), QStringLiteral("History 1"));
    EXPECT_EQ(Name(child("hist17")), QStringLiteral("History 18"));
    EXPECT_EQ(Name(child("cmdCopy0")), QStringLiteral("Copy RGB code"));
    EXPECT_EQ(Name(child("cmdCopy1")), QStringLiteral("Copy HTML code"));
    EXPECT_EQ(Name(child("cmdCopy2")), QStringLiteral("Copy decimal code"));
    EXPECT_EQ(Name(child("cmdCopy3")), QStringLiteral("Copy VB hex code"));
    const char* fields[] = {"txtH", "txtS", "txtB", "Text1", "Text2", "Text3"};
    const char* labels[] = {"Hue", "Saturation", "Brightness", "Red", "Green", "Blue"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Name(child(fields[i])), QString::fromLatin1(labels[i]));
    form->togglePaletteView();
    expectNamesOwnAndUnique();
}

TEST_F(MainWindowAccessible, SwatchesDescribeTheirColour)
{
    // Pure red is New at start; Keep puts it in the history's first place.
    EXPECT_EQ(Name(child("lblSelColor")), QStringLiteral("New"));
    EXPECT_EQ(Description(child("lblSelColor")), QStringLiteral("#FF0000"));
    type("Text2", QStringLiteral("204"));
    QTest::keyClick(child("Text2"), Qt::Key_Return);
    EXPECT_EQ(Description(child("lblSelColor")), QStringLiteral("#FFCC00"));
    form->keepColor();
    EXPECT_EQ(Description(child("hist0")), QStringLiteral("#FFCC00"));
    EXPECT_TRUE(sent(child("hist0"), QAccessible::DescriptionChanged));
    // A clicked swatch is the one the codes show, and says so.
    form->showSwatch(SwatchId::Old);
    EXPECT_TRUE(Description(child("Label2")).startsWith(QStringLiteral("#FFCC00, ")));
}

TEST_F(MainWindowAccessible, PlaneAndStripTellTheirModeAndValueAndAnnounceEveryMove)
{
    auto* plane = child<FocusArea>("planeArea");
    auto* strip = child<FocusArea>("sliderArea");
    EXPECT_EQ(A(plane)->role(), QAccessible::ColorChooser);
    EXPECT_EQ(Name(plane), QStringLiteral("Saturation and brightness"));
    EXPECT_EQ(Value(plane), QStringLiteral("S 100 %, B 100 %"));
    EXPECT_EQ(Description(plane), Value(plane));
    ASSERT_EQ(A(strip)->role(), QAccessible::Slider);
    QAccessibleValueInterface* v = A(strip)->valueInterface();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->currentValue().toInt(), 0);
    EXPECT_EQ(v->maximumValue().toInt(), 360);

    // The keyboard: the ring one pixel left, the marker ten down.
    plane->setFocus();
    QTest::keyClick(plane, Qt::Key_Left);
    ASSERT_EQ(valuesSentFor(plane).size(), 1u);
    EXPECT_EQ(valuesSentFor(plane).back().toString(), Value(plane));
    EXPECT_NE(Value(plane), QStringLiteral("S 100 %, B 100 %"));
    EXPECT_EQ(Value(plane), QStringLiteral("S %1 %, B %2 %").arg(text("txtS"), text("txtB")));
    strip->setFocus();
    QTest::keyClick(strip, Qt::Key_PageUp);
    ASSERT_FALSE(valuesSentFor(strip).empty());
    EXPECT_EQ(valuesSentFor(strip).back().toInt(), text("txtH").toInt());
    EXPECT_EQ(v->currentValue().toInt(), text("txtH").toInt());
    EXPECT_GT(v->currentValue().toInt(), 0);

    // The pointer on the plane.
    g_sent.clear();
    const PickerLayout& l = form->picker().layout();
    click(l.PlaneLeft + 40, l.PlaneBottom - 40);
    EXPECT_FALSE(valuesSentFor(plane).empty());
    EXPECT_TRUE(sent(plane, QAccessible::DescriptionChanged));

    // Another mode renames both.
    g_sent.clear();
    child<QRadioButton>("optB")->click();
    EXPECT_EQ(Name(plane), QStringLiteral("Hue and saturation"));
    EXPECT_EQ(Name(strip), QStringLiteral("Brightness bar"));
    EXPECT_EQ(v->maximumValue().toInt(), 100);
    EXPECT_TRUE(sent(plane, QAccessible::NameChanged));
}

TEST_F(MainWindowAccessible, TheGridTellsTheSelectedCellWithItsColourAndPosition)
{
    auto* plane = child<FocusArea>("planeArea");
    form->togglePaletteView();
    form->findChild<QComboBox*>(QStringLiteral("cmbPreset"))->setCurrentIndex(1);
    form->palettePanel().onPresetChosen();
    EXPECT_EQ(Name(plane), QStringLiteral("Colour grid"));
    const int cell = form->palettes().SelectedCell();
    ASSERT_GE(cell, 1);
    g_sent.clear();
    plane->setFocus();
    QTest::keyClick(plane, cell > 16 ? Qt::Key_Up : Qt::Key_Down);
    const int now = form->palettes().SelectedCell();
    ASSERT_NE(now, cell);
    const QColor c = ToQColor(form->palettes().CellColor(now));
    EXPECT_EQ(Value(plane), QStringLiteral("Cell %1 of 224, %2").arg(now).arg(c.name().toUpper()));
    EXPECT_EQ(valuesSentFor(plane).size(), 1u);
}

TEST(FocusAreaDescription, AFieldBeingTypedGivesTheStripANumberInItsRange)
{
    ChannelTexts f{"400", "x", "", "0", "0", "0"};
    EXPECT_EQ(DescribeStrip(PickerMode::Hue, f).value, 360);
    EXPECT_EQ(DescribeStrip(PickerMode::Saturation, f).value, 0);
    EXPECT_EQ(DescribeStrip(PickerMode::Saturation, f).valueText, QStringLiteral("S x %"));
    EXPECT_EQ(DescribePlane(PickerMode::Saturation, f).valueText, QStringLiteral("H 400 \u00B0, B  %"));
    EXPECT_EQ(DescribeGridCell(17, 224, {0x33, 0x66, 0x99}).valueText,
              QStringLiteral("Cell 17 of 224, #336699"));
}

} // namespace
} // namespace tintora::testing
