// SPDX-License-Identifier: MIT
#include "platform/caret_blink.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

#include <memory>

namespace tintora {
namespace {

using namespace std::chrono_literals;

// Counts the repaints of a text field: with its caret blinking, one per
// half flash time.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

class CaretBlinkLimitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hints_ = QGuiApplication::styleHints();
        original_ = hints_->cursorFlashTime();
        hints_->setCursorFlashTime(100); // a toggle every 50 ms
        edit_.show();
        edit_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&edit_));
        edit_.setFocus();
        edit_.installEventFilter(&counter_);
    }
    void TearDown() override { hints_->setCursorFlashTime(original_); }

    int PaintsOver(std::chrono::milliseconds span)
    {
        counter_.paints = 0;
        QTest::qWait(static_cast<int>(span.count()));
        return counter_.paints;
    }

    QStyleHints* hints_ = nullptr;
    int original_ = 0;
    QLineEdit edit_;
    PaintCounter counter_;
};

TEST_F(CaretBlinkLimitTest, CaretHoldsStillWhenIdleAndBlinksAgainOnInput)
{
    auto limit = std::make_unique<CaretBlinkLimit>(400ms);
    EXPECT_GE(PaintsOver(250ms), 2) << "the caret should blink while the user works";

    ASSERT_TRUE(test::WaitUntil([&] { return !limit->Blinking(); }, 3000));
    QTest::qWait(150); // the last repaint, showing the caret
    EXPECT_EQ(PaintsOver(300ms), 0) << "an idle program must not repaint its caret";

    QTest::keyClick(&edit_, Qt::Key_A);
    EXPECT_TRUE(limit->Blinking());
    EXPECT_EQ(hints_->cursorFlashTime(), 100);
    EXPECT_GE(PaintsOver(250ms), 2) << "typing should bring the blink back";

    // Input restarts the wait: still blinking shortly after a key.
    QTest::qWait(200);
    QTest::keyClick(&edit_, Qt::Key_B);
    QTest::qWait(300);
    EXPECT_TRUE(limit->Blinking());

    // Gone while the caret holds still, it gives the user's flash time back.
    ASSERT_TRUE(test::WaitUntil([&] { return !limit->Blinking(); }, 3000));
    limit.reset();
    EXPECT_EQ(hints_->cursorFlashTime(), 100);
}

TEST_F(CaretBlinkLimitTest, NoBlinkSetByTheUserIsLeftAlone)
{
    hints_->setCursorFlashTime(0);
    CaretBlinkLimit limit(50ms);
    QTest::qWait(150);
    QTest::keyClick(&edit_, Qt::Key_A);
    EXPECT_EQ(hints_->cursorFlashTime(), 0);
}

} // namespace
} // namespace tintora
