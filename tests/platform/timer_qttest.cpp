// The real one-second timer in Qt's event loop. Waits are generous upper bounds for
// something to happen at all, never measurements.
#include "platform/platform_qt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tikanda;

TEST(QtTimerFactory, TicksThenRunsAfterTickAndStopsWhenDisabledInItsTick) {
    int ticks = 0, after = 0;
    QtTimerFactory factory([&] { ++after; });
    std::unique_ptr<Timer> timer;
    timer = factory.createSecondTimer([&] {
        ++ticks;
        EXPECT_EQ(after, ticks - 1) << "afterTick follows each tick";
        timer->setEnabled(false);
    });
    EXPECT_TRUE(timer->enabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return after == 1; }, 5000));
    EXPECT_FALSE(timer->enabled());
    QTest::qWait(2500);
    EXPECT_EQ(ticks, 1) << "a timer disabled in its own tick is not re-armed";

    timer->setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 2; }, 5000));
}

TEST(QtTimerFactory, ATimerDestroyedInItsOwnTickEndsCleanly) {
    int after = 0;
    QtTimerFactory factory([&] { ++after; });
    std::unique_ptr<Timer> timer;
    timer = factory.createSecondTimer([&] { timer.reset(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timer; }, 5000));
    QTest::qWait(1500);
    EXPECT_EQ(after, 1);
}

TEST(QtTimerFactory, TickLogNamesTheTimerAndTwoMomentsPerTick) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ticks.log"));
    qputenv("TIKANDA_TICK_LOG", path.toLocal8Bit());
    int ticks = 0;
    {
        QtTimerFactory factory;
        qunsetenv("TIKANDA_TICK_LOG");
        auto first = factory.createSecondTimer([] {});
        first->setEnabled(false);
        auto second = factory.createSecondTimer([&] { ++ticks; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 5000));
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> fields = f.readLine().trimmed().split(' ');
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0], "2");
    const qint64 fired = fields[1].toLongLong(), done = fields[2].toLongLong();
    EXPECT_GT(fired, 1'600'000'000'000'000LL) << "wall clock in microseconds";
    EXPECT_GE(done, fired);
}
