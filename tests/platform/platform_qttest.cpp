// The real clock, one-second timer and environment. Waits are generous upper bounds for
// something to happen at all, never measurements.
#include "platform/platform_qt.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtCore>
#include <gtest/gtest.h>

using namespace tikanda;

TEST(QtClock, NowAndDatesAreLocal) {
    const QDateTime before = QDateTime::currentDateTime();
    const auto now = QtClock().now();
    const QDateTime after = QDateTime::currentDateTime();
    const QDate epoch(1970, 1, 1);
    EXPECT_GE(now.day, epoch.daysTo(before.date()));
    EXPECT_LE(now.day, epoch.daysTo(after.date()));
    if (before.date() == after.date())
        EXPECT_NEAR(now.second, before.time().msecsSinceStartOfDay() / 1000, 1);
    // A day number as a short date, in the user's format whichever it is: day -1 is the
    // last day of 1969.
    const QLocale saved;
    for (const QLocale& user : {QLocale(QLocale::English, QLocale::UnitedStates),
                                QLocale(QLocale::Czech, QLocale::CzechRepublic)}) {
        QLocale::setDefault(user);
        EXPECT_EQ(QtClock().shortDate(-1),
                  user.toString(QDate(1969, 12, 31), QLocale::ShortFormat).toStdString());
    }
    QLocale::setDefault(saved);
}

TEST(QtTimerFactory, TicksThenRunsAfterTickAndStaysStoppedOrGoneWhenItsTickSaysSo) {
    int ticks = 0, after = 0;
    QtTimerFactory factory([&] { ++after; });
    std::unique_ptr<Timer> timer = factory.createSecondTimer([&] {
        EXPECT_EQ(after, ticks++) << "afterTick follows each tick";
        if (ticks == 1) timer->setEnabled(false);
        if (ticks == 2) timer.reset(); // destroyed in its own tick
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return after == 1; }, 5000));
    EXPECT_FALSE(timer->enabled());
    QTest::qWait(2500);
    EXPECT_EQ(ticks, 1) << "a timer disabled in its own tick is not re-armed";
    timer->setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timer; }, 5000));
    QTest::qWait(1500);
    EXPECT_EQ(after, 2) << "a timer destroyed in its tick ends cleanly, once";
}

TEST(QtEnvironment, DataDirIsBesideTheBinaryInTheBuildTreeElseTheInstalledOne) {
    QTemporaryDir bin, installed;
    ASSERT_TRUE(bin.isValid() && installed.isValid());
    const std::string binDir = bin.path().toStdString(), instDir = installed.path().toStdString();
    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, instDir), instDir);
    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, instDir + "/missing"), binDir);
    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, ""), binDir);
    // The program's own files beside the binary mark a build tree.
    ASSERT_TRUE(QFile(bin.filePath("CILILINK.WAV")).open(QIODevice::WriteOnly));
    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, instDir), binDir);
}
