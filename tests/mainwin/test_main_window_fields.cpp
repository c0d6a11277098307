// SPDX-License-Identifier: MIT
#include "main_window_fixture.h"

#include <QRadioButton>

namespace tintora::testing {
namespace {

using MainWindowFields = MainWindowTest;

TEST_F(MainWindowFields, TypingAHueMovesTheMarkerAtEveryKey)
{
    auto* h = child<QLineEdit>("txtH");
    h->clear();
    std::vector<float> seen;
    for (const char* typed : {"1", "18", "180"}) {
        h->setText(QString::fromLatin1(typed));
        QTest::keyClick(h, Qt::Key_End);
        seen.push_back(form->picker().layout().SliderY);
    }
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_FLOAT_EQ(seen[0], 265.f - 255.f / 360.f);
    EXPECT_FLOAT_EQ(seen[1], 265.f - 18.f * 255.f / 360.f);
    EXPECT_EQ(seen[2], 137.5f);
    EXPECT_EQ(form->picker().MarkerRow(), 138);
    EXPECT_TRUE(messages.isEmpty());
    // Row 138 of the strip (its row 128) holds (0, 255, 252): the plane is
    // rendered for that hue and the colour under the ring is current.
    EXPECT_EQ(pixel(282, 138), Rgb(0, 255, 252));
    EXPECT_EQ(pixel(265, 10), Rgb(0, 255, 252));
    EXPECT_EQ(form->colorModel().CurrentColor(), pixel(265, 10));
    EXPECT_EQ(text("Text1"), QStringLiteral("0"));
}

TEST_F(MainWindowFields, HueCheckMessagesAndNegativeHue)
{
    type("txtH", QStringLiteral("-"));
    EXPECT_TRUE(messages.isEmpty());
    type("txtH", QStringLiteral("-5"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Enter an Integer Value Between 0 and 360"));
    EXPECT_EQ(lastTitle, QStringLiteral("Tintora"));
    EXPECT_EQ(text("txtH"), QStringLiteral("0"));
    EXPECT_EQ(form->picker().layout().SliderY, 265.f);

    type("txtH", QStringLiteral("12.5"));
    EXPECT_EQ(messages.size(), 2);
    EXPECT_FLOAT_EQ(form->picker().layout().SliderY, static_cast<float>(265 - 12.5 * 255 / 360));

    type("txtH", QStringLiteral("abc"));
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(form->picker().layout().SliderY, 265.f);
}

TEST_F(MainWindowFields, FarOffValuesKeepMarkersOnTheImages)
{
    type("txtH", QStringLiteral("99999999999999999999"));
    EXPECT_EQ(form->picker().layout().SliderY, 10.f);
    EXPECT_EQ(text("txtH"), QStringLiteral("99999999999999999999")); // left as typed
    EXPECT_NE(form->colorModel().CurrentColor(), -1);

    type("txtS", QStringLiteral("-1e300"));
    EXPECT_EQ(form->picker().layout().SelX, 10);
    type("txtB", QStringLiteral("1e308"));
    EXPECT_EQ(form->picker().layout().SelY, 10);
    type("txtB", QString(5000, QLatin1Char('9')));
    EXPECT_EQ(form->picker().layout().SelY, 10);
    EXPECT_NE(form->colorModel().CurrentColor(), -1);

    child<QLineEdit>("txtH")->setText(QStringLiteral("-7000"));
    child<QLineEdit>("txtS")->setText(QStringLiteral("400"));
    child<QRadioButton>("optB")->setChecked(true);
    EXPECT_EQ(form->picker().layout().SelX, 10);
    EXPECT_EQ(form->picker().layout().SelY, 10);
    EXPECT_NE(form->colorModel().CurrentColor(), -1);
    child<QRadioButton>("optH")->setChecked(true);
    EXPECT_GE(form->picker().layout().SliderY, 10.f);
    EXPECT_LE(form->picker().layout().SliderY, 265.f);
}

TEST_F(MainWindowFields, SaturationAndBrightnessTypingMovesTheRingInHueMode)
{
    type("txtS", QStringLiteral("50"));
    EXPECT_EQ(form->picker().layout().SelX, 138);
    type("txtB", QStringLiteral("0"));
    EXPECT_EQ(form->picker().layout().SelY, 265);
    EXPECT_EQ(form->colorModel().CurrentColor(), 0);
    EXPECT_EQ(text("Text1"), QStringLiteral("0"));
}

TEST_F(MainWindowFields, OtherModesOnlyChangeTheText)
{
    child<QRadioButton>("optS")->setChecked(true);
    const std::int32_t before = form->colorModel().CurrentColor();
    const PickerLayout l = form->picker().layout();
    type("txtS", QStringLiteral("10"));
    type("txtB", QStringLiteral("10"));
    EXPECT_EQ(form->picker().layout().SelX, l.SelX);
    EXPECT_EQ(form->picker().layout().SelY, l.SelY);
    EXPECT_EQ(form->colorModel().CurrentColor(), before);
    type("txtH", QStringLiteral("400"));
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(form->colorModel().CurrentColor(), before);
    type("Text1", QStringLiteral("77"));
    EXPECT_EQ(form->colorModel().CurrentColor(), before);
}

} // namespace
} // namespace tintora::testing
