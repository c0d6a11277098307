// SPDX-License-Identifier: MIT
// The codes block on its own, as a window uses it: a colour shown, typed or
// pasted codes, refusals and copies; and how typed text is read.
#include "core/color_outputs.h"
#include "mainwin/classic_field_style.h"
#include "mainwin/color_entry.h"
#include "mainwin/field_keys.h"
#include "mainwin/output_codes_panel.h"
#include "platform/settings_store.h"
#include "qt_print.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUuid>

namespace tintora {
namespace {

TEST(ColorEntry, EachFieldReadsDigitsAsItsCaptionSays)
{
    const struct {
        EntrySource source;
        const char* text;
        int color; // 0xRRGGBB, -1 refused, -2 taken (colour checked elsewhere)
        const char* note;
    } rows[] = {
        {EntrySource::HtmlCode, "336699", 0x336699, ""},
        {EntrySource::HtmlCode, " 000080 ", 0x000080, ""},
        {EntrySource::HtmlCode, "123", 0x112233, ""},
        {EntrySource::HtmlCode, "12345", -1, ""},
        {EntrySource::HtmlCode, "rgb(1, 2, 3)", 0x010203, ""},
        {EntrySource::DecimalCode, "336699", 0x3B2305,
         "Read as the decimal value 336699; for the hex colour, type #336699"},
        {EntrySource::DecimalCode, "65535", 0xFFFF00, ""},
        {EntrySource::DecimalCode, "16777216", -1, ""},
        {EntrySource::Clipboard, "000080", 0x500000,
         "Read as the decimal value 000080; for the hex colour, type #000080"},
        {EntrySource::VbHexCode, "&H00FF00&", 0x00FF00, ""},
        // What the colour gave up to be opaque sRGB is said, not dropped.
        {EntrySource::RgbCode, "rgb(0 128 255 / 50%)", 0x0080FF, "Alpha 50 % not kept"},
        {EntrySource::HtmlCode, "color(display-p3 0 1 0)", -2, "Outside sRGB: mapped"},
        {EntrySource::Clipboard, "oklch(70% 0.4 150 / 0.25)", -2,
         "Alpha 25 % not kept; Outside sRGB: mapped"},
    };
    for (const auto& row : rows) {
        const EntryReading r = ReadColorEntry(row.source, QString::fromLatin1(row.text));
        SCOPED_TRACE(row.text);
        if (row.color == -1) {
            EXPECT_FALSE(r.color);
            EXPECT_FALSE(r.reason.isEmpty());
            continue;
        }
        ASSERT_TRUE(r.color);
        if (row.color >= 0) // -2: any colour, the note is the point
            EXPECT_EQ(r.color->red * 65536 + r.color->green * 256 + r.color->blue, row.color);
        EXPECT_EQ(r.note, QString::fromLatin1(row.note));
    }
    // Refusals are short and say what the field takes.
    EXPECT_EQ(ReadColorEntry(EntrySource::DecimalCode, QStringLiteral("#F80G")).reason,
              QStringLiteral("Not a decimal colour value (0 to 16777215)"));
    EXPECT_EQ(ReadColorEntry(EntrySource::HtmlCode, QString(1 << 20, u'7')).reason,
              QStringLiteral("Not an HTML colour code (#RRGGBB or #RGB)"));
    EXPECT_FALSE(ReadColorEntry(EntrySource::RgbCode, QStringLiteral("red\u0007")).color);
}

// A panel wired as the window wires it: a colour entered becomes the colour
// shown.
class PanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        panel.setSettings(settings);
        QObject::connect(&panel, &OutputCodesPanel::colorEntered, &panel, [this](Rgb c) {
            ++entered;
            show(c);
        });
        QObject::connect(&panel, &OutputCodesPanel::message, &panel,
                         [this](const QString& m) { message = m; });
        // The window's clipboard keys, as the window installs them.
        for (QLineEdit* f : panel.findChildren<QLineEdit*>())
            f->installEventFilter(&keys);
        show(Rgb{255, 0, 0});
        panel.show();
        QApplication::setActiveWindow(&panel);
        QApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void show(Rgb c) { panel.showOutputs(UpdateColorOutputs(c.red + 256 * c.green + 65536 * c.blue, {}), c); }
    QLineEdit* field(int i) { return panel.field(i); }
    QPushButton* copyButton(int i)
    {
        return panel.findChild<QPushButton*>(QStringLiteral("cmdCopy%1").arg(i));
    }
    // Types over a field's text without Enter.
    void type(int i, const QString& text)
    {
        field(i)->setFocus();
        field(i)->selectAll();
        QTest::keyClicks(field(i), text);
    }
    QString clipboard() const { return QApplication::clipboard()->text(); }
    bool marked(int i) { return field(i)->property("invalidEntry").toBool(); }

    SettingsStore settings{QStringLiteral("TintoraTest-") +
                           QUuid::createUuid().toString(QUuid::WithoutBraces)};
    OutputCodesPanel panel;
    FieldKeys keys{nullptr, [this](QLineEdit* f) { return panel.copyWholeCode(f); }};
    int entered = 0;
    QString message;
};

// The sunken panel is drawn in the palette's colours, red when refused.
TEST(ClassicFieldStyle, APanelFollowsItsPaletteAndItsMark)
{
    ClassicFieldStyle style;
    QLineEdit field;
    field.setStyle(&style);
    field.resize(49, 19);
    // Outer ring, inner ring (top left, bottom right each), then the base.
    const auto shown = [&] {
        const QImage i = field.grab().toImage();
        return std::array{i.pixel(0, 0), i.pixel(48, 18), i.pixel(1, 1), i.pixel(47, 17), i.pixel(46, 9)};
    };
    const auto rgb = [](const char* name) { return QColor(QString::fromLatin1(name)).rgb(); };
    for (const auto& colors : {std::array{"#808080", "#ffffff", "#404040", "#e0e0e0", "#ffffff"},
                               std::array{"#102030", "#405060", "#708090", "#a0b0c0", "#ffff00"}}) {
        QPalette pal = field.palette();
        pal.setColor(QPalette::Dark, QColor(QString::fromLatin1(colors[0])));
        pal.setColor(QPalette::Light, QColor(QString::fromLatin1(colors[1])));
        pal.setColor(QPalette::Shadow, QColor(QString::fromLatin1(colors[2])));
        pal.setColor(QPalette::Midlight, QColor(QString::fromLatin1(colors[3])));
        pal.setColor(QPalette::Base, QColor(QString::fromLatin1(colors[4])));
        field.setPalette(pal);
        EXPECT_EQ(shown(), (std::array{rgb(colors[0]), rgb(colors[1]), rgb(colors[2]), rgb(colors[3]),
                                       rgb(colors[4])}));
        MarkRefused(&field, QStringLiteral("not a colour"));
        const QRgb red = qRgb(0xD0, 0, 0);
        EXPECT_EQ(shown(), (std::array{red, red, red, red, rgb(colors[4])}));
        MarkRefused(&field, QString());
        EXPECT_EQ(shown()[0], rgb(colors[0]));
    }
}

TEST_F(PanelTest, ShowingAColourEmitsNothing)
{
    QSignalSpy colors(&panel, &OutputCodesPanel::colorEntered);
    QSignalSpy messages(&panel, &OutputCodesPanel::message);
    QSignalSpy copies(&panel, &OutputCodesPanel::copied);
    show(Rgb{0x66, 0xCC, 0xFF});
    EXPECT_EQ(field(2)->text(), QStringLiteral("RGB(102, 204, 255)"));
    EXPECT_EQ(field(3)->text(), QStringLiteral("16764006"));
    EXPECT_EQ(field(4)->text(), QStringLiteral("#66CCFF"));
    EXPECT_EQ(field(5)->text(), QStringLiteral("&HFFCC66&"));
    EXPECT_EQ(colors.count() + messages.count() + copies.count(), 0);
}

TEST_F(PanelTest, CopySettlesTheTypedCodeFirst)
{
    // Each Copy button copies its own field, settled.
    const struct {
        int field, button;
        const char* typed;
        const char* copied;
    } rows[] = {
        {4, 1, "#123456", "#123456"},         {4, 1, "336699", "#336699"},  {3, 2, "65535", "65535"},
        {2, 0, "rgb(1,2,3)", "RGB(1, 2, 3)"}, {5, 3, "&hff&", "&H0000FF&"},
    };
    for (const auto& row : rows) {
        type(row.field, QString::fromLatin1(row.typed));
        QTest::mouseClick(copyButton(row.button), Qt::LeftButton);
        EXPECT_EQ(clipboard(), QString::fromLatin1(row.copied)) << row.typed;
    }
    // The HTML field's code of 65535 entered in the decimal field.
    type(3, QStringLiteral("65535"));
    QTest::mouseClick(copyButton(1), Qt::LeftButton);
    EXPECT_EQ(clipboard(), QStringLiteral("#FFFF00"));
}

TEST_F(PanelTest, RefusedTextCopiesNothingAndSaysWhy)
{
    const int copyOf[] = {0, 0, 0, 2, 1, 3}; // field -> its Copy button
    const QString bad[] = {QStringLiteral("#F80G"), QString(1 << 20, u'9'), QStringLiteral("red\u0007blue"),
                           QStringLiteral("rgb(1,2)")};
    for (int f = 2; f <= 5; ++f) {
        for (const QString& text : bad) {
            field(f)->setText(text); // as a paste leaves it
            const int before = entered;
            QTest::mouseClick(copyButton(copyOf[f]), Qt::LeftButton);
            EXPECT_EQ(clipboard(), QStringLiteral("before")) << f;
            EXPECT_TRUE(marked(f)) << f;
            EXPECT_EQ(entered, before);
            EXPECT_FALSE(message.isEmpty());
            EXPECT_LT(message.size(), 60);
            // Ctrl+C and "Copy as" refuse the same text.
            QTest::keyClick(field(f), Qt::Key_C, Qt::ControlModifier);
            panel.showCopyAsMenu(f, QPoint());
            EXPECT_EQ(clipboard(), QStringLiteral("before"));
            EXPECT_EQ(panel.findChild<QMenu*>(QStringLiteral("mnuCopyAs"))->isVisible(), false);
        }
        // Escape brings the code back; the other fields copy at once.
        QTest::keyClick(field(f), Qt::Key_Escape);
        EXPECT_FALSE(marked(f));
    }
    field(4)->setText(QStringLiteral("#F80G"));
    QTest::keyClick(field(4), Qt::Key_Return);
    EXPECT_EQ(message, QStringLiteral("Not an HTML colour code (#RRGGBB or #RGB)"));
    QTest::mouseClick(copyButton(2), Qt::LeftButton);
    EXPECT_EQ(clipboard(), QStringLiteral("255"));
    EXPECT_TRUE(marked(4));
}

TEST_F(PanelTest, CtrlCCopiesTheSelectionOrTheSettledCode)
{
    // The field's own menu copies through the panel too.
    field(4)->setSelection(1, 2);
    emit field(4)->customContextMenuRequested(QPoint(2, 2));
    QMenu* own = nullptr;
    for (QMenu* m : panel.findChildren<QMenu*>())
        if (m->isVisible() && m->objectName() != QStringLiteral("mnuCopyAs"))
            own = m;
    ASSERT_NE(own, nullptr);
    QAction* copy = own->findChild<QAction*>(QStringLiteral("edit-copy"));
    ASSERT_NE(copy, nullptr);
    QSignalSpy copies(&panel, &OutputCodesPanel::copied);
    copy->trigger();
    own->close();
    EXPECT_EQ(clipboard(), QStringLiteral("FF"));
    EXPECT_EQ(copies.count(), 1);

    type(4, QStringLiteral("#0000FF"));
    field(4)->deselect();
    QTest::keyClick(field(4), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), QStringLiteral("#0000FF"));
    EXPECT_EQ(field(3)->text(), QStringLiteral("16711680"));
    field(4)->setSelection(1, 2);
    QTest::keyClick(field(4), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), QStringLiteral("00"));
}

TEST_F(PanelTest, LeavingAFieldSettlesItAndDecimalDigitsCarryANote)
{
    type(3, QStringLiteral("336699"));
    copyButton(0)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(field(4)->text(), QStringLiteral("#3B2305"));
    EXPECT_EQ(message, QStringLiteral("Read as the decimal value 336699; for the hex colour, type #336699"));
}

TEST_F(PanelTest, CopyAsOffersTheSettledColour)
{
    type(4, QStringLiteral("#66CCFF"));
    panel.showCopyAsMenu(4, QPoint());
    auto* menu = panel.findChild<QMenu*>(QStringLiteral("mnuCopyAs"));
    ASSERT_NE(menu, nullptr);
    auto* rgb = menu->findChild<QAction*>(QStringLiteral("copyAs_css-rgb"));
    ASSERT_NE(rgb, nullptr);
    rgb->trigger();
    menu->hide();
    EXPECT_EQ(clipboard(), QStringLiteral("rgb(102, 204, 255)"));
}

} // namespace
} // namespace tintora
