// The real one-second timer in Qt's event loop. Waits are generous upper bounds for
// something to happen at all, never measurements.
#include "platform/platform_qt.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tikanda;

TEST(QtTimerFactory, TicksThenRunsAfterTickAndStaysStoppedOrGoneWhenItsTickSaysSo) {
    int ticks = 0, after = 0;
    QtTimerFactory factory([&] { ++after; });
    std::unique_ptr<Timer> timer = factory.createSecondTimer([&] {
        ++ticks;
        EXPECT_EQ(after, ticks - 1) << "afterTick follows each tick";
        if (ticks == 1) timer->setEnabled(false);
        if (ticks == 2) timer.reset(); // destroyed in its own tick
    });
    EXPECT_TRUE(timer->enabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return after == 1; }, 5000));
    EXPECT_FALSE(timer->enabled());
    QTest::qWait(2500);
    EXPECT_EQ(ticks, 1) << "a timer disabled in its own tick is not re-armed";

    timer->setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timer; }, 5000));
    QTest::qWait(1500);
    EXPECT_EQ(after, 2) << "a timer destroyed in its tick ends cleanly, once";
}
