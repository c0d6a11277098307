// SPDX-License-Identifier: MIT
#pragma once

// Waiting for the event loop inside a GoogleTest body. QTRY_VERIFY and
// QTRY_COMPARE report to QtTest: in a GoogleTest body a failing one only
// returns from the test, which then passes. This helper hands its verdict
// to GoogleTest instead:
//
//     ASSERT_TRUE(test::WaitUntil([&] { return app->mainWindow() != nullptr; }));

#include <QTest>

#include <gtest/gtest.h>

namespace tintora::test {

// QTRY_VERIFY's default.
inline constexpr int kDefaultWaitMs = 5000;

// Runs the event loop until condition() holds or timeoutMs have passed.
// Checks once before waiting, so a condition that already holds costs nothing.
template <typename Condition>
::testing::AssertionResult WaitUntil(Condition&& condition, int timeoutMs = kDefaultWaitMs)
{
    if (QTest::qWaitFor(condition, timeoutMs))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the condition still failed after " << timeoutMs << " ms";
}

} // namespace tintora::test
